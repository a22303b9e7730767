#pragma once

#include "GameState.h"

#include <string>
#include <vector>

namespace orbalux {
class frmMain;
}

namespace orbalux::testing {

/**
 * Checks every invariant of state and of window, which shows it: the settings in range, the
 * atoms of the running game inside its own board, the marks counted, each cell showing only
 * what its place allows, the labels and the settings dialog in step. Empty when all hold.
 */
std::vector<std::string> auditGame(const GameState& state, const frmMain& window);

} // namespace orbalux::testing
