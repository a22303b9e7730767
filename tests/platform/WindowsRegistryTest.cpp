#include "platform/GetKeyValue.h"
#include "platform/RegistrySysInfoLocator.h"
#include "platform/StartSysInfo.h"
#include "platform/SystemPlatform.h"
#include "platform/WindowsFileLookup.h"
#include "platform/WindowsRegistry.h"

#include "WindowsScratch.h"

#include <gtest/gtest.h>

#include <fstream>
#include <utility>

namespace orbalux {
namespace {

namespace fs = std::filesystem;

const std::string kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string kTestKey = "SOFTWARE\\OrbaluxTest";

// Writes values under the local machine with the Win32 calls, in the prefix the tests run in,
// and takes away every value it wrote and every key it made.
class WindowsRegistryTest : public ::testing::Test {
protected:
    ~WindowsRegistryTest() override
    {
        for (const auto& [key, name] : m_values)
            RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, key.c_str(), name.c_str());
        for (auto key = m_madeKeys.rbegin(); key != m_madeKeys.rend(); ++key)
            RegDeleteKeyA(HKEY_LOCAL_MACHINE, key->c_str());
    }

    void store(const std::string& key, const std::string& name, DWORD type, const void* data, DWORD size)
    {
        HKEY opened = nullptr;
        DWORD disposition = 0;
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened,
                                  &disposition),
                  ERROR_SUCCESS);
        if (disposition == REG_CREATED_NEW_KEY)
            m_madeKeys.push_back(key);
        m_values.emplace_back(key, name);
        EXPECT_EQ(RegSetValueExA(opened, name.c_str(), 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
        RegCloseKey(opened);
    }

    void setString(const std::string& key, const std::string& name, const std::string& text)
    {
        store(key, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
    }

    WindowsRegistry registry;
    WindowsFileLookup files;
    RegistrySysInfoLocator locator{registry, files};
    testing::WindowsScratch scratch;

private:
    std::vector<std::pair<std::string, std::string>> m_values;
    std::vector<std::string> m_madeKeys;
};

TEST_F(WindowsRegistryTest, ValuesReadBackAsTheyWereStored)
{
    setString(kTestKey, "Text", "C:\\Program Files\\Info\\msinfo32.exe");
    const DWORD number = 0x12345678;
    store(kTestKey, "Number", REG_DWORD, &number, sizeof number);
    setString(kTestKey, "Long", std::string(kKeyValueCapacity, 'x'));

    EXPECT_EQ(GetKeyValue(registry, kLocalMachine, kTestKey, "Text"), "C:\\Program Files\\Info\\msinfo32.exe");
    EXPECT_EQ(GetKeyValue(registry, kLocalMachine, kTestKey, "Number"), "&h12345678");
    EXPECT_EQ(GetKeyValue(registry, kLocalMachine, kTestKey, "Long"), std::nullopt);
    EXPECT_EQ(GetKeyValue(registry, kLocalMachine, kTestKey, "Missing"), std::nullopt);
    EXPECT_EQ(GetKeyValue(registry, kLocalMachine, kTestKey + "\\Missing", "Text"), std::nullopt);
}

TEST_F(WindowsRegistryTest, NoToolIsFoundWhereNeitherValueIsStored)
{
    EXPECT_EQ(locator.locate(), std::nullopt);
}

TEST_F(WindowsRegistryTest, ToolPathWinsOverTheSharedFolder)
{
    std::ofstream(scratch.path / "MSINFO32.EXE") << "tool";
    setString(kFolderKey, "MSINFO", scratch.path.string());
    setString(kToolKey, "PATH", "C:\\Tools\\msinfo32.exe");
    EXPECT_EQ(locator.locate(), "C:\\Tools\\msinfo32.exe");
}

TEST_F(WindowsRegistryTest, SharedFolderCountsOnlyWhenItHoldsTheToolAsAFile)
{
    setString(kFolderKey, "MSINFO", scratch.path.string());
    EXPECT_EQ(locator.locate(), std::nullopt);
    fs::create_directory(scratch.path / "MSINFO32.EXE");
    EXPECT_EQ(locator.locate(), std::nullopt);
    fs::remove(scratch.path / "MSINFO32.EXE");
    std::ofstream(scratch.path / "msinfo32.exe") << "tool";
    EXPECT_EQ(locator.locate(), scratch.path.string() + "\\MSINFO32.EXE");
}

// The whole road of System Info on the platform the game runs on, from the registry to a start.
TEST_F(WindowsRegistryTest, SystemInformationStartsTheProgramTheRegistryNamesAndOnlyIfItIsThere)
{
    const SystemPlatform platform;
    setString(kToolKey, "PATH", (scratch.path / "gone.exe").string());
    EXPECT_FALSE(StartSysInfo(platform.services()));
    setString(kToolKey, "PATH", (testing::programFolder() / "echo_arguments.exe").string());
    EXPECT_TRUE(StartSysInfo(platform.services()));
}

} // namespace
} // namespace orbalux
