#include "platform/DataFiles.h"

#include <system_error>

namespace orbalux {

std::vector<std::filesystem::path> dataFolders(const std::filesystem::path& programFolder)
{
    std::vector<std::filesystem::path> folders{{}};
    if (programFolder.empty())
        return folders;
    folders.push_back((programFolder / ".." / "share" / "orbalux").lexically_normal());
    folders.push_back(programFolder);
    return folders;
}

std::optional<std::filesystem::path> findDataFile(
    const std::string& name, const std::vector<std::filesystem::path>& folders)
{
    for (const std::filesystem::path& folder : folders) {
        const std::filesystem::path candidate = folder.empty() ? std::filesystem::path(name) : folder / name;
        // A FIFO or a device could block the reader for ever, and a folder holds no data: none
        // of them counts as found. Errors (a folder we may not enter) count as not found too.
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error))
            return candidate;
    }
    return std::nullopt;
}

} // namespace orbalux
