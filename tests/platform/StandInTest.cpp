#include "GetKeyValue.h"
#include "QtFileLookup.h"
#include "QtProgramStarter.h"
#include "StandInRegistry.h"
#include "StartSysInfo.h"

#include "PlatformFakes.h"
#include "TestDoubles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace orbalux {
namespace {

using testing::FakePrograms;
using testing::ScriptedMessenger;

const std::string kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

class StandInTest : public ::testing::Test {
protected:
    QString makeFile(const QString& name, bool executable)
    {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.close();
        if (executable)
            file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }

    StandInRegistry registryWith(QStringList programs) { return StandInRegistry(programs, {folder.path()}); }

    QTemporaryDir folder;
};

TEST_F(StandInTest, ToolPathIsTheFirstInstalledProgram)
{
    makeFile("infotool-a", false);
    const QString found = makeFile("infotool-b", true);
    makeFile("infotool-c", true);
    StandInRegistry registry = registryWith({"infotool-a", "infotool-b", "infotool-c"});
    std::string path;
    EXPECT_TRUE(GetKeyValue(registry, kLocalMachine, kToolKey, "PATH", path));
    EXPECT_EQ(path, found.toStdString());
    EXPECT_TRUE(GetKeyValue(registry, kLocalMachine, "software\\microsoft\\shared tools\\msinfo", "path", path));
}

TEST_F(StandInTest, EverythingElseIsMissing)
{
    makeFile("infotool", true);
    StandInRegistry registry = registryWith({"infotool"});
    std::string text;
    EXPECT_FALSE(GetKeyValue(registry, kLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", text));
    EXPECT_FALSE(GetKeyValue(registry, kLocalMachine, kToolKey, "MSINFO", text));
    EXPECT_FALSE(GetKeyValue(registry, kLocalMachine + 1, kToolKey, "PATH", text));
}

TEST_F(StandInTest, NoToolInstalledMeansSystemInformationIsUnavailable)
{
    StandInRegistry registry = registryWith({"infotool"});
    QtFileLookup files;
    FakePrograms programs;
    ScriptedMessenger messenger;
    StartSysInfo({registry, files, programs}, messenger);
    EXPECT_EQ(programs.attempts, 0);
    EXPECT_EQ(messenger.shown, std::vector<std::string>{kSysInfoUnavailable});
}

TEST_F(StandInTest, InstalledToolIsStarted)
{
    const QString tool = makeFile("infotool", true);
    StandInRegistry registry = registryWith({"infotool"});
    QtFileLookup files;
    FakePrograms programs;
    programs.installed = {tool.toStdString()};
    ScriptedMessenger messenger;
    StartSysInfo({registry, files, programs}, messenger);
    ASSERT_EQ(programs.started.size(), 1u);
    EXPECT_TRUE(messenger.shown.empty());
}

TEST_F(StandInTest, OnlyOrdinaryFilesAreFiles)
{
    const QString file = makeFile("plain", false);
    const QtFileLookup files;
    EXPECT_TRUE(files.isFile(file.toStdString()));
    EXPECT_FALSE(files.isFile(folder.path().toStdString()));
    EXPECT_FALSE(files.isFile(folder.filePath("missing").toStdString()));
}

TEST_F(StandInTest, StarterReportsWhetherTheProgramStarted)
{
    QtProgramStarter starter;
    EXPECT_FALSE(starter.start(folder.filePath("missing").toStdString(), {"Instruct.doc"}));
    EXPECT_TRUE(starter.start("true", {"Instruct.doc"}));
}

} // namespace
} // namespace orbalux
