#include "StartSysInfo.h"

#include "PlatformFakes.h"
#include "TestDoubles.h"

#include <gtest/gtest.h>

namespace orbalux {
namespace {

using testing::FakePlatform;
using testing::ScriptedMessenger;

const std::vector<std::string> kUnavailable = {"System Information Is Unavailable At This Time"};

class StartSysInfoTest : public ::testing::Test {
protected:
    void run() { StartSysInfo(platform.services(), messenger); }

    FakePlatform platform;
    ScriptedMessenger messenger;
};

TEST_F(StartSysInfoTest, FoundToolIsStartedOnceWithoutArguments)
{
    platform.sysInfo.found = "C:\\Program Files\\Info\\msinfo32.exe";
    platform.programs.installed = {"C:\\Program Files\\Info\\msinfo32.exe"};
    run();
    ASSERT_EQ(platform.programs.started.size(), 1u);
    EXPECT_EQ(platform.programs.started[0].program, "C:\\Program Files\\Info\\msinfo32.exe");
    EXPECT_TRUE(platform.programs.started[0].arguments.empty());
    EXPECT_EQ(platform.programs.attempts, 1);
    EXPECT_EQ(platform.sysInfo.lookups, 1);
    EXPECT_TRUE(messenger.shown.empty());
}

TEST_F(StartSysInfoTest, NoToolShowsMessageOnceAndStartsNothing)
{
    run();
    EXPECT_EQ(platform.programs.attempts, 0);
    EXPECT_EQ(messenger.shown, kUnavailable);
}

TEST_F(StartSysInfoTest, ToolThatDoesNotStartShowsMessageOnce)
{
    platform.sysInfo.found = "C:\\Gone\\msinfo32.exe";
    run();
    EXPECT_EQ(platform.programs.attempts, 1);
    EXPECT_EQ(messenger.shown, kUnavailable);
}

} // namespace
} // namespace orbalux
