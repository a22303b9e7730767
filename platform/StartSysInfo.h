#pragma once

#include "platform/PlatformServices.h"

#include <string>

namespace orbalux {

/**
 * Starts the system information tool the platform locates, without arguments. False when none
 * is found or it does not start.
 */
bool StartSysInfo(const PlatformServices& platform);

} // namespace orbalux
