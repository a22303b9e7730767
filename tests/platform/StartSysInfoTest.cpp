#include "platform/StartSysInfo.h"

#include "PlatformFakes.h"

#include <gtest/gtest.h>

namespace orbalux {
namespace {

using testing::FakePlatform;

class StartSysInfoTest : public ::testing::Test {
protected:
    bool run() { return StartSysInfo(platform.services()); }

    FakePlatform platform;
};

TEST_F(StartSysInfoTest, FoundToolIsStartedOnceWithoutArguments)
{
    platform.sysInfo.found = "C:\\Program Files\\Info\\msinfo32.exe";
    platform.programs.installed = {"C:\\Program Files\\Info\\msinfo32.exe"};
    EXPECT_TRUE(run());
    ASSERT_EQ(platform.programs.started.size(), 1u);
    EXPECT_EQ(platform.programs.started[0].program, "C:\\Program Files\\Info\\msinfo32.exe");
    EXPECT_TRUE(platform.programs.started[0].arguments.empty());
    EXPECT_EQ(platform.programs.attempts, 1);
    EXPECT_EQ(platform.sysInfo.lookups, 1);
}

TEST_F(StartSysInfoTest, NoToolIsAFailureAndStartsNothing)
{
    EXPECT_FALSE(run());
    EXPECT_EQ(platform.programs.attempts, 0);
}

TEST_F(StartSysInfoTest, ToolThatDoesNotStartIsAFailure)
{
    platform.sysInfo.found = "C:\\Gone\\msinfo32.exe";
    EXPECT_FALSE(run());
    EXPECT_EQ(platform.programs.attempts, 1);
}

} // namespace
} // namespace orbalux
