#include "platform/DataFiles.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <fstream>
#include <sys/stat.h>

namespace orbalux {
namespace {

namespace fs = std::filesystem;

TEST(DataFolders, WorkingDirectoryThenTheInstallationsDataFolderThenTheProgramsOwn)
{
    EXPECT_EQ(dataFolders("/usr/bin"), (std::vector<fs::path>{"", "/usr/share/orbalux", "/usr/bin"}));
    EXPECT_EQ(dataFolders("/home/ada/.local/bin"),
        (std::vector<fs::path>{"", "/home/ada/.local/share/orbalux", "/home/ada/.local/bin"}));
    EXPECT_EQ(dataFolders(""), std::vector<fs::path>{""});
}

// Three folders in a scratch tree: the working one, an installed data folder and a program's.
class FindDataFile : public ::testing::Test {
protected:
    FindDataFile()
    {
        for (const fs::path& folder : {here, data, program})
            fs::create_directories(folder);
        m_previous = fs::current_path();
        fs::current_path(here);
    }
    ~FindDataFile() override { fs::current_path(m_previous); }

    static void write(const fs::path& file) { std::ofstream(file) << "data"; }

    QTemporaryDir m_scratch;
    const fs::path root{m_scratch.path().toStdString()};
    const fs::path here = root / "here";
    const fs::path data = root / "share" / "orbalux";
    const fs::path program = root / "bin";
    const std::vector<fs::path> folders{"", data, program};

private:
    fs::path m_previous;
};

TEST_F(FindDataFile, TheFirstFolderHoldingTheFileWinsAndTheWorkingDirectoryKeepsTheBareName)
{
    write(program / "VBar.bmp");
    EXPECT_EQ(findDataFile("VBar.bmp", folders), program / "VBar.bmp");
    write(data / "VBar.bmp");
    EXPECT_EQ(findDataFile("VBar.bmp", folders), data / "VBar.bmp");
    write(here / "VBar.bmp");
    EXPECT_EQ(findDataFile("VBar.bmp", folders), fs::path("VBar.bmp"));
}

TEST_F(FindDataFile, FoldersFifosAndDanglingLinksAreLookedPast)
{
    fs::create_directory(here / "HBar.bmp");
    ASSERT_EQ(mkfifo((data / "HBar.bmp").c_str(), 0644), 0);
    fs::create_symlink(root / "nowhere", program / "HBar.bmp");
    EXPECT_EQ(findDataFile("HBar.bmp", folders), std::nullopt);
    write(root / "nowhere");
    EXPECT_EQ(findDataFile("HBar.bmp", folders), program / "HBar.bmp");
}

TEST_F(FindDataFile, AFileInNoFolderIsNotFound)
{
    EXPECT_EQ(findDataFile("Instruct.doc", folders), std::nullopt);
    EXPECT_EQ(findDataFile("Instruct.doc", {}), std::nullopt);
}

} // namespace
} // namespace orbalux
