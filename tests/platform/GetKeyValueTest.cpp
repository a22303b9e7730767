#include "platform/GetKeyValue.h"

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

    std::optional<std::string> read() { return GetKeyValue(registry, kLocalMachine, kKey, "Value"); }

    FakeRegistry registry;
};

TEST_F(GetKeyValueTest, StringLosesOnlyItsTerminatingZero)
{
    store(kRegString, std::string("C:\\Tools\\info.exe\0", 18));
    EXPECT_EQ(read(), "C:\\Tools\\info.exe");

    store(kRegString, "no terminator");
    EXPECT_EQ(read(), "no terminator");

    store(kRegString, std::string("two\0\0", 5));
    EXPECT_EQ(read(), std::string("two\0", 4));

    store(kRegString, std::string("\0", 1));
    EXPECT_EQ(read(), "");
}

TEST_F(GetKeyValueTest, DoubleWordReadsHexFromLastByteToFirst)
{
    store(kRegDoubleWord, "\x78\x56\x34\x12");
    EXPECT_EQ(read(), "&h12345678");

    store(kRegDoubleWord, "\x0D\x0C\x0B\x0A");
    EXPECT_EQ(read(), "&h0A0B0C0D");

    // A zero top byte goes as a terminator would, which leaves the number as it was.
    store(kRegDoubleWord, std::string("\xEF\xCD\xAB\x00", 4));
    EXPECT_EQ(read(), "&hABCDEF");
}

TEST_F(GetKeyValueTest, OtherTypeIsThereButReadsAsEmptyText)
{
    store(2, std::string("%SystemRoot%\\x\0", 15));
    EXPECT_EQ(read(), "");
}

TEST_F(GetKeyValueTest, ValueFillingTheBufferIsReadButOneByteMoreIsNot)
{
    const std::string full(kKeyValueCapacity, 'x');
    store(kRegString, full);
    EXPECT_EQ(read(), full);

    const std::string shorter(kKeyValueCapacity - 1, 'x');
    store(kRegString, shorter + '\0');
    EXPECT_EQ(read(), shorter);

    store(kRegString, full + 'x');
    EXPECT_EQ(read(), std::nullopt);

    store(kRegString, full + '\0');
    EXPECT_EQ(read(), std::nullopt);
}

TEST_F(GetKeyValueTest, MissingKeyOrValueGivesNothing)
{
    store(kRegString, "there");
    EXPECT_EQ(GetKeyValue(registry, kLocalMachine, "SOFTWARE\\Missing", "Value"), std::nullopt);
    EXPECT_EQ(GetKeyValue(registry, kLocalMachine, kKey, "Other"), std::nullopt);
    EXPECT_EQ(GetKeyValue(registry, kLocalMachine + 1, kKey, "Value"), std::nullopt);
}

TEST_F(GetKeyValueTest, EveryOpenedKeyIsClosedOnceAndNoOtherIs)
{
    store(kRegString, "there");
    read();
    GetKeyValue(registry, kLocalMachine, kKey, "Other");
    GetKeyValue(registry, kLocalMachine, "SOFTWARE\\Missing", "Value");
    store(kRegString, std::string(kKeyValueCapacity + 1, 'x'));
    read();
    store(3, "binary");
    read();

    EXPECT_EQ(registry.openCount(), 4);
    EXPECT_TRUE(registry.allClosed());
}

TEST_F(GetKeyValueTest, KeyIsOpenedForReadingOnly)
{
    constexpr std::uint32_t kQueryValue = 0x0001;
    // Set value, create subkey, create link, delete, write DAC, write owner.
    constexpr std::uint32_t kWriteRights = 0x0002 | 0x0004 | 0x0020 | 0x10000 | 0x40000 | 0x80000;
    store(kRegString, "there");
    read();
    ASSERT_EQ(registry.accessAsked.size(), 1u);
    EXPECT_EQ(registry.accessAsked[0] & kWriteRights, 0u);
    EXPECT_EQ(registry.accessAsked[0] & kQueryValue, kQueryValue);
}

} // namespace
} // namespace orbalux
