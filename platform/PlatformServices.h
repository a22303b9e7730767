#pragma once

#include "platform/ProgramStarter.h"
#include "platform/SysInfoLocator.h"

namespace orbalux {

/** The platform's services the help windows reach for, owned elsewhere. */
struct PlatformServices {
    const SysInfoLocator& sysInfo;
    ProgramStarter& programs;
};

} // namespace orbalux
