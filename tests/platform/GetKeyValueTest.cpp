#include "GetKeyValue.h"

#include "PlatformFakes.h"

#include <gtest/gtest.h>

namespace orbalux {
namespace {

using testing::FakeRegistry;
using testing::FakeValue;

const std::string kKey = "SOFTWARE\\Orbalux\\Test";

class GetKeyValueTest : public ::testing::Test {
protected:
    void store(std::uint32_t type, std::string bytes) { registry.keys[kKey]["Value"] = FakeValue{type, std::move(bytes)}; }

    bool read(std::string& text) { return GetKeyValue(registry, kLocalMachine, kKey, "Value", text); }

    FakeRegistry registry;
};

TEST_F(GetKeyValueTest, StringLosesOnlyItsTerminatingZero)
{
    std::string text;
    store(kRegString, std::string("C:\\Tools\\info.exe\0", 18));
    EXPECT_TRUE(read(text));
    EXPECT_EQ(text, "C:\\Tools\\info.exe");

    store(kRegString, "no terminator");
    EXPECT_TRUE(read(text));
    EXPECT_EQ(text, "no terminator");

    store(kRegString, std::string("two\0\0", 5));
    EXPECT_TRUE(read(text));
    EXPECT_EQ(text, std::string("two\0", 4));
}

TEST_F(GetKeyValueTest, DoubleWordReadsHexFromLastByteToFirst)
{
    std::string text;
    store(kRegDoubleWord, "\x78\x56\x34\x12");
    EXPECT_TRUE(read(text));
    EXPECT_EQ(text, "&h12345678");

    store(kRegDoubleWord, "\x0D\x0C\x0B\x0A");
    EXPECT_TRUE(read(text));
    EXPECT_EQ(text, "&h0A0B0C0D");

    // A zero top byte goes as a terminator would, which leaves the number as it was.
    store(kRegDoubleWord, std::string("\xEF\xCD\xAB\x00", 4));
    EXPECT_TRUE(read(text));
    EXPECT_EQ(text, "&hABCDEF");
}

TEST_F(GetKeyValueTest, OtherTypeLeavesValueAsItWas)
{
    std::string text = "before";
    store(2, std::string("%SystemRoot%\\x\0", 15));
    EXPECT_TRUE(read(text));
    EXPECT_EQ(text, "before");
}

TEST_F(GetKeyValueTest, ValueFillingTheBufferIsReadButOneByteMoreFails)
{
    std::string text;
    store(kRegString, std::string(kKeyValueCapacity, 'x'));
    EXPECT_TRUE(read(text));
    EXPECT_EQ(text.size(), kKeyValueCapacity);

    text = "before";
    store(kRegString, std::string(kKeyValueCapacity + 1, 'x'));
    EXPECT_FALSE(read(text));
    EXPECT_EQ(text, "");
}

TEST_F(GetKeyValueTest, MissingKeyOrValueFailsWithEmptyText)
{
    std::string text = "before";
    EXPECT_FALSE(GetKeyValue(registry, kLocalMachine, "SOFTWARE\\Missing", "Value", text));
    EXPECT_EQ(text, "");

    store(kRegString, "there");
    text = "before";
    EXPECT_FALSE(GetKeyValue(registry, kLocalMachine, kKey, "Other", text));
    EXPECT_EQ(text, "");

    text = "before";
    EXPECT_FALSE(GetKeyValue(registry, kLocalMachine + 1, kKey, "Value", text));
    EXPECT_EQ(text, "");
}

TEST_F(GetKeyValueTest, KeyIsClosedWhateverHappens)
{
    std::string text;
    store(kRegString, "there");
    read(text);
    GetKeyValue(registry, kLocalMachine, kKey, "Other", text);
    store(kRegString, std::string(kKeyValueCapacity + 1, 'x'));
    read(text);
    registry.throwOnQuery = true;
    EXPECT_THROW(read(text), std::runtime_error);

    EXPECT_EQ(registry.openCount(), 4);
    EXPECT_TRUE(registry.allClosed());
}

TEST_F(GetKeyValueTest, KeyIsOpenedForReadingOnly)
{
    constexpr std::uint32_t kWriteRights = 0x0002 | 0x0004 | 0x0020;
    std::string text;
    store(kRegString, "there");
    read(text);
    ASSERT_EQ(registry.accessAsked.size(), 1u);
    EXPECT_EQ(registry.accessAsked[0] & kWriteRights, 0u);
    EXPECT_EQ(registry.accessAsked[0] & 0x0001u, 0x0001u);
}

} // namespace
} // namespace orbalux
