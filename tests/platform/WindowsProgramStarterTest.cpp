#include "platform/OpenInstructions.h"
#include "platform/WindowsProgramStarter.h"

#include "WindowsScratch.h"

#include <gtest/gtest.h>

#include <fstream>

namespace orbalux {
namespace {

namespace fs = std::filesystem;

using testing::programFolder;
using testing::WindowsScratch;

std::vector<std::string> linesOf(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// A program under a folder with a blank in its name, handed arguments that need quoting: what it
// writes back is what the command line the starter built gave it.
TEST(WindowsProgramStarter, StartedProgramGetsEveryArgumentAsItStands)
{
    const WindowsScratch scratch;
    const fs::path program = scratch.path / "Program Files" / "echo arguments.exe";
    fs::create_directories(program.parent_path());
    fs::copy_file(programFolder() / "echo_arguments.exe", program);
    const fs::path echoed = scratch.path / "echoed.txt";
    const std::vector<std::string> handed{"Instruct.doc", "my file.doc", "say \"hi\"", "C:\\a b\\", "", "C:\\dir\\file"};
    std::vector<std::string> arguments{echoed.string()};
    arguments.insert(arguments.end(), handed.begin(), handed.end());

    WindowsProgramStarter starter;
    ASSERT_TRUE(starter.start(program.string(), arguments));
    // The starter does not wait for the program; the file appears whole once the program is done.
    while (!fs::exists(echoed))
        Sleep(10);
    EXPECT_EQ(linesOf(echoed), handed);
}

TEST(WindowsProgramStarter, ProgramThatIsNotThereDoesNotStart)
{
    WindowsProgramStarter starter;
    EXPECT_FALSE(starter.start("C:\\Nowhere\\missing.exe", {}));
    EXPECT_FALSE(starter.start((programFolder() / "missing.exe").string(), {"Instruct.doc"}));
}

// Only a failure to start counts on Windows: nothing watches the program afterwards.
TEST(WindowsProgramStarter, WordProcessorMissingFromItsFixedPathLeavesTheInstructionsUnopened)
{
    ASSERT_FALSE(fs::exists(instructionsCommand().program));
    WindowsProgramStarter starter;
    bool toldLater = false;
    EXPECT_FALSE(openInstructions(starter, kInstructionsFile, [&] { toldLater = true; }));
    EXPECT_FALSE(toldLater);
}

} // namespace
} // namespace orbalux
