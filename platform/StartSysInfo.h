#pragma once

#include "Messenger.h"
#include "PlatformServices.h"

#include <string>

namespace orbalux {

/** What the player is told when the system information tool cannot be started. */
inline const std::string kSysInfoUnavailable = "System Information Is Unavailable At This Time";

/**
 * Starts the system information tool the platform locates, without arguments. Shows
 * kSysInfoUnavailable once when none is found or it does not start.
 */
void StartSysInfo(const PlatformServices& platform, Messenger& messenger);

} // namespace orbalux
