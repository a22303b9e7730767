#include "platform/RegistrySysInfoLocator.h"

#include "platform/GetKeyValue.h"

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
    if (std::optional<std::string> path = GetKeyValue(m_registry, kLocalMachine, kToolKey, kToolValue))
        return path;
    const std::optional<std::string> folder = GetKeyValue(m_registry, kLocalMachine, kFolderKey, kFolderValue);
    if (!folder)
        return std::nullopt;
    std::string path = *folder + kToolFile;
    if (!m_files.isFile(path))
        return std::nullopt;
    return path;
}

} // namespace orbalux
