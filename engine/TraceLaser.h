#pragma once

#include "GameState.h"
#include "LaserWalk.h"
#include "Messenger.h"

namespace orbalux {

/**
 * Fires from (LaserRow, LaserCol) across the board in use; leaves LaserRow, LaserCol on the
 * final cell and the outcome in ShotOutcome. An entry cell that is no border cell reports
 * "Bad logic #1 in Shoot()" and "Bad logic #2 in Shoot()" and yields Outcome::None.
 */
LaserWalk TraceLaser(GameState& state, Messenger& messenger);

} // namespace orbalux
