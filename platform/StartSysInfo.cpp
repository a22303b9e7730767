#include "platform/StartSysInfo.h"

#include <optional>

namespace orbalux {

bool StartSysInfo(const PlatformServices& platform)
{
    const std::optional<std::string> tool = platform.sysInfo.locate();
    return tool && platform.programs.start(*tool, {});
}

} // namespace orbalux
