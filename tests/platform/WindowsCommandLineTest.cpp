#include "platform/WindowsCommandLine.h"

#include <gtest/gtest.h>

namespace orbalux {
namespace {

TEST(WindowsCommandLineTest, ProgramIsAlwaysQuotedAndPlainArgumentsAreNot)
{
    EXPECT_EQ(windowsCommandLine("C:\\Program Files\\Accessories\\WORDPAD.EXE", {"Instruct.doc"}),
              "\"C:\\Program Files\\Accessories\\WORDPAD.EXE\" Instruct.doc");
    EXPECT_EQ(windowsCommandLine("C:\\Info\\MSINFO32.EXE", {}), "\"C:\\Info\\MSINFO32.EXE\"");
}

TEST(WindowsCommandLineTest, ArgumentsWithBlanksOrQuotesSurviveTheRuntimeParser)
{
    const auto argument = [](const std::string& text) { return windowsCommandLine("p", {text}).substr(4); };
    EXPECT_EQ(argument("my file.doc"), "\"my file.doc\"");
    EXPECT_EQ(argument(""), "\"\"");
    EXPECT_EQ(argument("say \"hi\""), "\"say \\\"hi\\\"\"");
    // Backslashes double only where a quote follows them, the closing one included.
    EXPECT_EQ(argument("C:\\a b\\"), "\"C:\\a b\\\\\"");
    EXPECT_EQ(argument("a\\\\\"b c"), "\"a\\\\\\\\\\\"b c\"");
    EXPECT_EQ(argument("C:\\dir\\file"), "C:\\dir\\file");
}

} // namespace
} // namespace orbalux
