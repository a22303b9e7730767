#include "platform/OpenInstructions.h"
#include "platform/WindowsProgramStarter.h"

#include "WindowsScratch.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <utility>

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

/** Makes the program at path, handed the document and then echoed, open documents ending in extension. */
class Association {
public:
    Association(std::string extension, const fs::path& program, const fs::path& echoed)
        : m_extension(std::move(extension))
    {
        // Appended piece by piece: GCC 12 at -O3 misreads a leading literal as an overlapping copy.
        std::string command;
        for (const std::string& part : {program.string(), echoed.string(), std::string("%1")})
            command.append(1, '"').append(part).append("\" ");
        RegSetKeyValueA(HKEY_CLASSES_ROOT, m_extension.c_str(), nullptr, REG_SZ, kKind, sizeof kKind);
        RegSetKeyValueA(HKEY_CLASSES_ROOT, (std::string(kKind) + "\\shell\\open\\command").c_str(), nullptr, REG_SZ,
                        command.c_str(), static_cast<DWORD>(command.size() + 1));
    }
    ~Association()
    {
        RegDeleteTreeA(HKEY_CLASSES_ROOT, m_extension.c_str());
        RegDeleteTreeA(HKEY_CLASSES_ROOT, kKind);
    }
    Association(const Association&) = delete;
    Association& operator=(const Association&) = delete;

private:
    static constexpr char kKind[] = "Orbalux.TestDocument";
    std::string m_extension;
};

TEST(WindowsProgramStarter, DocumentOpensInTheProgramAssociatedWithItsKind)
{
    const WindowsScratch scratch;
    const fs::path program = scratch.path / "Reader Folder" / "reader.exe";
    fs::create_directories(program.parent_path());
    fs::copy_file(programFolder() / "echo_arguments.exe", program);
    const fs::path echoed = scratch.path / "echoed.txt";
    const fs::path document = scratch.path / "My Games" / "Instruct.orbaluxtest";
    fs::create_directories(document.parent_path());
    std::ofstream(document) << "instructions";
    const Association association(".orbaluxtest", program, echoed);

    WindowsProgramStarter starter;
    ASSERT_TRUE(starter.openDocument(document.string()));
    while (!fs::exists(echoed))
        Sleep(10);
    const std::vector<std::string> handed = linesOf(echoed);
    ASSERT_EQ(handed.size(), 1u);
    EXPECT_TRUE(fs::equivalent(handed[0], document));
}

TEST(WindowsProgramStarter, DocumentOfAKindNothingOpensStaysUnopened)
{
    const WindowsScratch scratch;
    const fs::path document = scratch.path / "Instruct.orbaluxnothing";
    std::ofstream(document) << "instructions";
    WindowsProgramStarter starter;
    EXPECT_FALSE(starter.openDocument(document.string()));
    EXPECT_FALSE(starter.openDocument((scratch.path / "missing.doc").string()));
}

// Only a failure to start counts on Windows: nothing watches the program afterwards.
TEST(WindowsProgramStarter, InstructionsWithNeitherWordProcessorNorAssociationStayUnopened)
{
    ASSERT_FALSE(fs::exists(instructionsCommand().program));
    const WindowsScratch scratch;
    const fs::path document = scratch.path / "Instruct.orbaluxnothing";
    std::ofstream(document) << "instructions";
    WindowsProgramStarter starter;
    bool toldLater = false;
    EXPECT_FALSE(openInstructions(starter, document.string(), [&] { toldLater = true; }));
    EXPECT_FALSE(toldLater);
}

TEST(WindowsProgramStarter, InstructionsWithoutTheWordProcessorOpenInTheAssociatedProgram)
{
    const WindowsScratch scratch;
    const fs::path program = scratch.path / "reader.exe";
    fs::copy_file(programFolder() / "echo_arguments.exe", program);
    const fs::path echoed = scratch.path / "echoed.txt";
    const fs::path document = scratch.path / "Instruct.orbaluxtest";
    std::ofstream(document) << "instructions";
    const Association association(".orbaluxtest", program, echoed);

    WindowsProgramStarter starter;
    ASSERT_TRUE(openInstructions(starter, document.string()));
    while (!fs::exists(echoed))
        Sleep(10);
    EXPECT_EQ(linesOf(echoed).size(), 1u);
}

} // namespace
} // namespace orbalux
