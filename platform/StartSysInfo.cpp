#include "StartSysInfo.h"

#include <optional>

namespace orbalux {

void StartSysInfo(const PlatformServices& platform, Messenger& messenger)
{
    const std::optional<std::string> tool = platform.sysInfo.locate();
    if (!tool || !platform.programs.start(*tool, {}))
        messenger.showMessage(kSysInfoUnavailable);
}

} // namespace orbalux
