#pragma once

#include "Messenger.h"
#include "PlatformServices.h"

#include <string>

namespace orbalux {

/** What the player is told when the system information tool cannot be started. */
inline const std::string kSysInfoUnavailable = "System Information Is Unavailable At This Time";

/**
 * Starts the system information tool found through the registry: the path under
 * "Shared Tools\MSINFO", else "MSINFO32.EXE" in the folder under "Shared Tools Location".
 * Shows kSysInfoUnavailable once when neither leads to a program that starts.
 */
void StartSysInfo(const PlatformServices& platform, Messenger& messenger);

} // namespace orbalux
