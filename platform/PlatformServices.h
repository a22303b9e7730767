#pragma once

#include "FileLookup.h"
#include "ProgramStarter.h"
#include "Registry.h"

namespace orbalux {

/** The platform's services the help windows reach for, owned elsewhere. */
struct PlatformServices {
    Registry& registry;
    FileLookup& files;
    ProgramStarter& programs;
};

} // namespace orbalux
