#include "StartSysInfo.h"

#include "PlatformFakes.h"
#include "TestDoubles.h"

#include <gtest/gtest.h>

namespace orbalux {
namespace {

using testing::FakePlatform;
using testing::ScriptedMessenger;

const std::string kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::vector<std::string> kUnavailable = {"System Information Is Unavailable At This Time"};

class StartSysInfoTest : public ::testing::Test {
protected:
    void run() { StartSysInfo(platform.services(), messenger); }

    FakePlatform platform;
    ScriptedMessenger messenger;
};

TEST_F(StartSysInfoTest, NeitherKeyShowsMessageOnce)
{
    run();
    EXPECT_EQ(messenger.shown, kUnavailable);
    EXPECT_EQ(platform.programs.attempts, 0);
}

TEST_F(StartSysInfoTest, ToolPathIsStartedAsReadWithoutLookingForIt)
{
    platform.registry.setString(kToolKey, "PATH", "C:\\Program Files\\Info\\msinfo32.exe");
    platform.programs.installed = {"C:\\Program Files\\Info\\msinfo32.exe"};
    run();
    ASSERT_EQ(platform.programs.started.size(), 1u);
    EXPECT_EQ(platform.programs.started[0].program, "C:\\Program Files\\Info\\msinfo32.exe");
    EXPECT_TRUE(platform.programs.started[0].arguments.empty());
    EXPECT_TRUE(platform.files.asked.empty());
    EXPECT_TRUE(messenger.shown.empty());
}

TEST_F(StartSysInfoTest, ToolPathThatDoesNotStartShowsMessage)
{
    platform.registry.setString(kToolKey, "PATH", "C:\\Gone\\msinfo32.exe");
    run();
    EXPECT_EQ(platform.programs.attempts, 1);
    EXPECT_EQ(messenger.shown, kUnavailable);
}

TEST_F(StartSysInfoTest, FolderWithoutToolShowsMessageAndStartsNothing)
{
    platform.registry.setString(kFolderKey, "MSINFO", "C:\\Info");
    run();
    EXPECT_EQ(platform.files.asked, std::vector<std::string>{"C:\\Info\\MSINFO32.EXE"});
    EXPECT_EQ(platform.programs.attempts, 0);
    EXPECT_EQ(messenger.shown, kUnavailable);
}

TEST_F(StartSysInfoTest, ToolInFolderIsStartedOnce)
{
    platform.registry.setString(kFolderKey, "MSINFO", "C:\\Info");
    platform.files.files = {"C:\\Info\\MSINFO32.EXE"};
    platform.programs.installed = {"C:\\Info\\MSINFO32.EXE"};
    run();
    ASSERT_EQ(platform.programs.started.size(), 1u);
    EXPECT_EQ(platform.programs.started[0].program, "C:\\Info\\MSINFO32.EXE");
    EXPECT_TRUE(messenger.shown.empty());
}

TEST_F(StartSysInfoTest, ToolPathWinsOverFolder)
{
    platform.registry.setString(kToolKey, "PATH", "C:\\A\\tool.exe");
    platform.registry.setString(kFolderKey, "MSINFO", "C:\\B");
    platform.files.files = {"C:\\B\\MSINFO32.EXE"};
    platform.programs.installed = {"C:\\A\\tool.exe", "C:\\B\\MSINFO32.EXE"};
    run();
    ASSERT_EQ(platform.programs.started.size(), 1u);
    EXPECT_EQ(platform.programs.started[0].program, "C:\\A\\tool.exe");
}

TEST_F(StartSysInfoTest, ErrorsOnTheWayShowTheMessage)
{
    platform.registry.setString(kToolKey, "PATH", "C:\\A\\tool.exe");
    platform.programs.throwOnStart = true;
    run();
    platform.programs.throwOnStart = false;
    platform.registry.throwOnQuery = true;
    run();
    EXPECT_EQ(messenger.shown, std::vector<std::string>(2, kUnavailable[0]));
    EXPECT_TRUE(platform.registry.allClosed());
}

} // namespace
} // namespace orbalux
