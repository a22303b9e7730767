#include "platform/RegistrySysInfoLocator.h"

#include "PlatformFakes.h"

#include <gtest/gtest.h>

namespace orbalux {
namespace {

using testing::FakeFiles;
using testing::FakeRegistry;

const std::string kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

class RegistrySysInfoLocatorTest : public ::testing::Test {
protected:
    FakeRegistry registry;
    FakeFiles files;
    RegistrySysInfoLocator locator{registry, files};
};

TEST_F(RegistrySysInfoLocatorTest, ToolPathWinsAndIsTakenWithoutLookingForIt)
{
    registry.setString(kToolKey, "PATH", "C:\\A\\tool.exe");
    registry.setString(kFolderKey, "MSINFO", "C:\\B");
    files.files = {"C:\\B\\MSINFO32.EXE"};
    EXPECT_EQ(locator.locate(), "C:\\A\\tool.exe");
    EXPECT_TRUE(files.asked.empty());
}

TEST_F(RegistrySysInfoLocatorTest, ToolInTheSharedFolderIsFoundWhenItIsThere)
{
    registry.setString(kFolderKey, "MSINFO", "C:\\Info");
    files.files = {"C:\\Info\\MSINFO32.EXE"};
    EXPECT_EQ(locator.locate(), "C:\\Info\\MSINFO32.EXE");
}

TEST_F(RegistrySysInfoLocatorTest, SharedFolderWithoutTheToolFindsNothing)
{
    registry.setString(kFolderKey, "MSINFO", "C:\\Info");
    EXPECT_EQ(locator.locate(), std::nullopt);
    EXPECT_EQ(files.asked, std::vector<std::string>{"C:\\Info\\MSINFO32.EXE"});
}

TEST_F(RegistrySysInfoLocatorTest, NeitherKeyFindsNothing)
{
    registry.setString(kToolKey, "Other", "C:\\A\\tool.exe");
    registry.setString(kFolderKey, "Other", "C:\\B");
    EXPECT_EQ(locator.locate(), std::nullopt);
    EXPECT_TRUE(files.asked.empty());
}

} // namespace
} // namespace orbalux
