#include "RegistrySysInfoLocator.h"

#include "GetKeyValue.h"

namespace orbalux {

namespace {

const std::string kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kToolValue = "PATH";
const std::string kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string kFolderValue = "MSINFO";
const std::string kToolFile = "\\MSINFO32.EXE";

} // namespace

RegistrySysInfoLocator::RegistrySysInfoLocator(Registry& registry, const FileLookup& files)
    : m_registry(registry)
    , m_files(files)
{
}

// The tool's path is taken as the registry has it; only a path made up here is checked.
std::optional<std::string> RegistrySysInfoLocator::locate() const
{
    std::string path;
    if (GetKeyValue(m_registry, kLocalMachine, kToolKey, kToolValue, path))
        return path;
    std::string folder;
    if (!GetKeyValue(m_registry, kLocalMachine, kFolderKey, kFolderValue, folder))
        return std::nullopt;
    path = folder + kToolFile;
    if (!m_files.isFile(path))
        return std::nullopt;
    return path;
}

} // namespace orbalux
