#include "platform/PathSysInfoLocator.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace orbalux {
namespace {

// Puts a fresh folder alone on PATH, so no program installed on this machine is found.
class PathSysInfoLocatorTest : public ::testing::Test {
protected:
    PathSysInfoLocatorTest() : m_savedPath(qgetenv("PATH")) { qputenv("PATH", folder.path().toLocal8Bit()); }
    ~PathSysInfoLocatorTest() override { qputenv("PATH", m_savedPath); }

    std::string makeFile(const QString& name, bool executable)
    {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.close();
        const QFile::Permissions readWrite = QFile::ReadOwner | QFile::WriteOwner;
        file.setPermissions(executable ? readWrite | QFile::ExeOwner : readWrite);
        return path.toStdString();
    }

    QTemporaryDir folder;
    PathSysInfoLocator locator;

private:
    QByteArray m_savedPath;
};

TEST_F(PathSysInfoLocatorTest, OnlyAnExecutableFileIsFound)
{
    makeFile("hardinfo2", false);
    ASSERT_TRUE(QDir(folder.path()).mkdir("hardinfo"));
    EXPECT_EQ(locator.locate(), std::nullopt);

    const std::string tool = makeFile("kinfocenter", true);
    EXPECT_EQ(locator.locate(), tool);
}

TEST_F(PathSysInfoLocatorTest, NewerToolIsPreferred)
{
    makeFile("kinfocenter", true);
    makeFile("hardinfo", true);
    EXPECT_EQ(locator.locate(), folder.filePath("hardinfo").toStdString());

    const std::string newest = makeFile("hardinfo2", true);
    EXPECT_EQ(locator.locate(), newest);
}

} // namespace
} // namespace orbalux
