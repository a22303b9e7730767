#pragma once

#include "GameState.h"
#include "LaserWalk.h"
#include "Messenger.h"

#include <cstdint>

namespace orbalux {

/** The highest score a game can reach; later shots are free rather than overflow. */
inline constexpr std::int16_t kScoreCeiling = 9999;

/**
 * Fires from (LaserRow, LaserCol): draws the path when TraceShots is on, writes the outcome
 * into the border cells, charges Score and explains the outcome in resultsText.
 * Anything but a hit, reflection or deflection reports "Bad logic #3 in Shoot()".
 */
LaserWalk Shoot(GameState& state, Messenger& messenger);

/** Shows the trace picture kind in board cell (row, column); ignored off the board. */
void Cheat(Board& board, SegmentKind kind, std::int16_t row, std::int16_t column);

} // namespace orbalux
