#include "platform/DataFiles.h"

#include "WindowsScratch.h"

#include <gtest/gtest.h>

#include <fstream>

namespace orbalux {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> texts(const std::vector<fs::path>& folders)
{
    std::vector<std::string> result;
    for (const fs::path& folder : folders)
        result.push_back(folder.string());
    return result;
}

// The paths are handed to other programs as text, so the text is what is checked.
TEST(DataFoldersOnWindows, DriveLettersStayAndEverySeparatorBecomesABackslash)
{
    EXPECT_EQ(texts(dataFolders("C:\\Games\\Orbalux\\bin")),
        (std::vector<std::string>{"", "C:\\Games\\Orbalux\\share\\orbalux", "C:\\Games\\Orbalux\\bin"}));
    EXPECT_EQ(texts(dataFolders("D:/Orbalux/bin"))[1], "D:\\Orbalux\\share\\orbalux");
    EXPECT_EQ(texts(dataFolders("E:\\Orbalux"))[1], "E:\\share\\orbalux");
}

class FindDataFileOnWindows : public ::testing::Test {
protected:
    FindDataFileOnWindows()
    {
        for (const fs::path& folder : {here, data, program})
            fs::create_directories(folder);
        m_previous = fs::current_path();
        fs::current_path(here);
    }
    ~FindDataFileOnWindows() override { fs::current_path(m_previous); }

    static void write(const fs::path& file) { std::ofstream(file) << "data"; }

    testing::WindowsScratch scratch;
    const fs::path here = scratch.path / "here";
    const fs::path data = scratch.path / "Orbalux Game" / "share" / "orbalux";
    const fs::path program = scratch.path / "Orbalux Game" / "bin";
    const std::vector<fs::path> folders = dataFolders(program);

private:
    fs::path m_previous;
};

TEST_F(FindDataFileOnWindows, TheFirstFolderHoldingTheFileWinsAndTheWorkingDirectoryKeepsTheBareName)
{
    ASSERT_EQ(scratch.path.string().substr(1, 2), ":\\");
    write(program / "Instruct.doc");
    EXPECT_EQ(findDataFile("Instruct.doc", folders), program / "Instruct.doc");
    write(data / "Instruct.doc");
    const std::optional<fs::path> installed = findDataFile("Instruct.doc", folders);
    ASSERT_TRUE(installed);
    EXPECT_EQ(installed->string(), (scratch.path / "Orbalux Game\\share\\orbalux\\Instruct.doc").string());
    write(here / "Instruct.doc");
    EXPECT_EQ(findDataFile("Instruct.doc", folders), fs::path("Instruct.doc"));
}

TEST_F(FindDataFileOnWindows, FoldersAreLookedPastAndNamesMatchWithoutRegardToCase)
{
    fs::create_directory(here / "VBar.bmp");
    EXPECT_EQ(findDataFile("VBar.bmp", folders), std::nullopt);
    write(program / "VBAR.BMP");
    EXPECT_EQ(findDataFile("VBar.bmp", folders), program / "VBar.bmp");
}

} // namespace
} // namespace orbalux
