#pragma once

#include "GameState.h"
#include "Messenger.h"

namespace orbalux {

/** What a click on the board did. */
enum class ClickEffect { Refused, Corner, Marked, Shot, Ignored };

/**
 * Handles a click on a board cell: refused between games, a mark on a playing cell, refused
 * on a corner, a shot from a border cell. Cells off the board in use are Ignored.
 */
ClickEffect ClickBoardCell(GameState& state, CellPos cell, Messenger& messenger);

} // namespace orbalux
