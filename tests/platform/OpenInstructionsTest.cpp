#include "platform/OpenInstructions.h"

#include "PlatformFakes.h"

#include <gtest/gtest.h>

namespace orbalux {
namespace {

using testing::FakePrograms;

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

TEST(OpenInstructionsTest, OpenerMissingOrThrowingIsAFailure)
{
    FakePrograms programs;
    EXPECT_FALSE(openInstructions(programs));
    EXPECT_EQ(programs.attempts, 1);

    programs.throwOnStart = true;
    programs.hasAssociation = true;
    EXPECT_FALSE(openInstructions(programs));
}

#ifdef _WIN32
TEST(OpenInstructionsTest, WordProcessorMissingHandsTheDocumentToItsAssociatedProgram)
{
    FakePrograms programs;
    programs.hasAssociation = true;
    EXPECT_TRUE(openInstructions(programs, "C:\\Games\\Instruct.doc"));
    EXPECT_TRUE(programs.started.empty());
    EXPECT_EQ(programs.opened, std::vector<std::string>{"C:\\Games\\Instruct.doc"});
}

TEST(OpenInstructionsTest, WordProcessorPresentLeavesTheAssociationAlone)
{
    FakePrograms programs;
    programs.installed = {instructionsCommand().program};
    programs.hasAssociation = true;
    EXPECT_TRUE(openInstructions(programs));
    EXPECT_TRUE(programs.opened.empty());
}
#else
// The desktop's opener already is the association; there is nothing further to fall back on.
TEST(OpenInstructionsTest, OpenerMissingIsNotMadeUpForByTheAssociation)
{
    FakePrograms programs;
    programs.hasAssociation = true;
    EXPECT_FALSE(openInstructions(programs));
    EXPECT_TRUE(programs.opened.empty());
}
#endif

// Whether the opener then finds the document is its own business.
TEST(OpenInstructionsTest, OpenerPresentIsASuccess)
{
    FakePrograms programs;
    programs.installed = {instructionsCommand().program};
    EXPECT_TRUE(openInstructions(programs));
}

TEST(OpenInstructionsTest, OpenerThatFailsAfterStartingIsHandedTheCallerWhatToDo)
{
    FakePrograms programs;
    programs.installed = {instructionsCommand().program};
    int laterFailures = 0;
    EXPECT_TRUE(openInstructions(programs, kInstructionsFile, [&] { ++laterFailures; }));
    EXPECT_EQ(laterFailures, 0);
    programs.failLater(0);
    EXPECT_EQ(laterFailures, 1);
}

TEST(OpenInstructionsTest, EveryCommandStartsTheOpenerAgain)
{
    FakePrograms programs;
    programs.installed = {instructionsCommand().program};
    for (int time = 0; time < 3; ++time)
        openInstructions(programs);
    ASSERT_EQ(programs.started.size(), 3u);
    for (const auto& start : programs.started)
        EXPECT_EQ(start.arguments, std::vector<std::string>{"Instruct.doc"});
}

} // namespace
} // namespace orbalux
