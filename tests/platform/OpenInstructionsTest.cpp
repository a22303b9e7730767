#include "OpenInstructions.h"

#include "PlatformFakes.h"
#include "TestDoubles.h"

#include <gtest/gtest.h>

namespace orbalux {
namespace {

using testing::FakePrograms;
using testing::ScriptedMessenger;

const std::vector<std::string> kHint = {
    "Open the file 'Instruct.doc' for detailed information about using this product."};

TEST(OpenInstructionsTest, CommandHandsTheBareDocumentNameToTheOpener)
{
    const ProgramCommand command = instructionsCommand();
#ifdef _WIN32
    EXPECT_EQ(command.program, "C:\\Program Files\\Accessories\\WORDPAD.EXE");
#else
    EXPECT_EQ(command.program, "xdg-open");
#endif
    EXPECT_EQ(command.arguments, std::vector<std::string>{"Instruct.doc"});
}

TEST(OpenInstructionsTest, OpenerMissingShowsTheHint)
{
    FakePrograms programs;
    ScriptedMessenger messenger;
    openInstructions(programs, messenger);
    EXPECT_EQ(programs.attempts, 1);
    EXPECT_EQ(messenger.shown, kHint);

    programs.throwOnStart = true;
    openInstructions(programs, messenger);
    EXPECT_EQ(messenger.shown.size(), 2u);
}

// Whether the opener then finds the document is its own business.
TEST(OpenInstructionsTest, OpenerPresentShowsNothing)
{
    FakePrograms programs;
    programs.installed = {instructionsCommand().program};
    ScriptedMessenger messenger;
    openInstructions(programs, messenger);
    EXPECT_TRUE(messenger.shown.empty());
}

TEST(OpenInstructionsTest, EveryCommandStartsTheOpenerAgain)
{
    FakePrograms programs;
    programs.installed = {instructionsCommand().program};
    ScriptedMessenger messenger;
    for (int time = 0; time < 3; ++time)
        openInstructions(programs, messenger);
    ASSERT_EQ(programs.started.size(), 3u);
    for (const auto& start : programs.started)
        EXPECT_EQ(start.arguments, std::vector<std::string>{"Instruct.doc"});
}

} // namespace
} // namespace orbalux
