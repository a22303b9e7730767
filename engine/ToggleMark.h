#pragma once

#include "GameState.h"

namespace orbalux {

/** Puts "O" on a playing cell of the board in use or takes it off; returns MarkedCount. */
std::int16_t ToggleMark(GameState& state, CellPos cell);

} // namespace orbalux
