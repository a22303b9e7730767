#include "StartSysInfo.h"

#include "GetKeyValue.h"

#include <exception>
#include <optional>

namespace orbalux {

namespace {

const std::string kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kToolValue = "PATH";
const std::string kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string kFolderValue = "MSINFO";
const std::string kToolFile = "\\MSINFO32.EXE";

// The tool's path is taken as the registry has it; only a path made up here is checked.
std::optional<std::string> findTool(const PlatformServices& platform)
{
    std::string path;
    if (GetKeyValue(platform.registry, kLocalMachine, kToolKey, kToolValue, path))
        return path;
    std::string folder;
    if (!GetKeyValue(platform.registry, kLocalMachine, kFolderKey, kFolderValue, folder))
        return std::nullopt;
    path = folder + kToolFile;
    if (!platform.files.isFile(path))
        return std::nullopt;
    return path;
}

bool startTool(const PlatformServices& platform)
{
    try {
        const std::optional<std::string> tool = findTool(platform);
        return tool && platform.programs.start(*tool, {});
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace

void StartSysInfo(const PlatformServices& platform, Messenger& messenger)
{
    if (!startTool(platform))
        messenger.showMessage(kSysInfoUnavailable);
}

} // namespace orbalux
