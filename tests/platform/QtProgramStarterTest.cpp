#include "platform/QtProgramStarter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace orbalux {
namespace {

// Programs run through /bin/sh, so a test says in one line how its program ends.
class QtProgramStarterTest : public ::testing::Test {
protected:
    bool startShell(QtProgramStarter& starter, const std::string& script, std::vector<std::string> arguments = {})
    {
        arguments.insert(arguments.begin(), {"-c", script, "sh"});
        return starter.startWatched("/bin/sh", arguments, [this] { ++laterFailures; });
    }

    // The program's end reaches the starter through the event loop, as it would in the game.
    static void waitUntilEnded(const QtProgramStarter& starter)
    {
        while (starter.watching() > 0)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    int m_argc = 1;
    char m_name[16] = "platform_tests";
    char* m_argv[2] = {m_name, nullptr};
    QCoreApplication m_application{m_argc, m_argv};
    QtProgramStarter starter;
    int laterFailures = 0;
};

TEST_F(QtProgramStarterTest, ProgramThatFailsOrCrashesAfterStartingIsReportedOnce)
{
    ASSERT_TRUE(startShell(starter, "exit 3"));
    waitUntilEnded(starter);
    EXPECT_EQ(laterFailures, 1);

    ASSERT_TRUE(startShell(starter, "kill -KILL $$"));
    waitUntilEnded(starter);
    EXPECT_EQ(laterFailures, 2);
}

TEST_F(QtProgramStarterTest, ProgramThatEndsWellIsNotReported)
{
    ASSERT_TRUE(startShell(starter, "exit 0"));
    waitUntilEnded(starter);
    EXPECT_EQ(laterFailures, 0);
}

TEST_F(QtProgramStarterTest, MissingProgramFailsToStartAndIsNotReportedAgainLater)
{
    EXPECT_FALSE(starter.startWatched("/nonexistent/opener", {"Instruct.doc"}, [this] { ++laterFailures; }));
    EXPECT_FALSE(starter.start("/nonexistent/opener", {"Instruct.doc"}));
    EXPECT_EQ(starter.watching(), 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(laterFailures, 0);
}

// A viewer still open when the game quits must stay open: the program waits for a file that
// appears only after its starter is gone, then leaves its mark and fails so that its end is seen.
TEST_F(QtProgramStarterTest, ProgramOutlivesTheStarterAndGetsItsArgumentsAsTheyStand)
{
    const QTemporaryDir folder;
    const std::string go = QDir(folder.path()).filePath(QStringLiteral("go now")).toStdString();
    const std::string done = QDir(folder.path()).filePath(QStringLiteral("all \"done\"")).toStdString();
    auto own = std::make_unique<QtProgramStarter>();
    ASSERT_TRUE(startShell(*own, "while [ ! -e \"$1\" ]; do sleep 0.01; done; : > \"$2\"; exit 5", {go, done}));
    own.reset();
    ASSERT_TRUE(QFile(QString::fromStdString(go)).open(QIODevice::WriteOnly));

    while (laterFailures == 0)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(QFile::exists(QString::fromStdString(done)));
}

} // namespace
} // namespace orbalux
