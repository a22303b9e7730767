#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orbalux {

/**
 * Where the game looks for its pictures and instructions, in order: the working directory (an
 * empty path), the installation's data folder beside programFolder (../share/orbalux, whatever
 * the prefix), then programFolder itself, where the build puts them. An empty programFolder
 * leaves the working directory alone.
 */
std::vector<std::filesystem::path> dataFolders(const std::filesystem::path& programFolder);

/**
 * name in the first of folders that holds it as an ordinary file (or a link to one): the bare
 * name for the working directory. Nothing when no folder holds it.
 */
std::optional<std::filesystem::path> findDataFile(
    const std::string& name, const std::vector<std::filesystem::path>& folders);

} // namespace orbalux
