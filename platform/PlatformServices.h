#pragma once

#include "ProgramStarter.h"
#include "SysInfoLocator.h"

namespace orbalux {

/** The platform's services the help windows reach for, owned elsewhere. */
struct PlatformServices {
    const SysInfoLocator& sysInfo;
    ProgramStarter& programs;
};

} // namespace orbalux
