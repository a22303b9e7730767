#pragma once

#include "deduce/FieldProof.h"
#include "game/Board.h"
#include "game/Outcome.h"
#include "grid/CellLook.h"

#include <vector>

namespace orbalux {

/**
 * The look of cell pos of board: border numbers and shot results on aqua, red, yellow and lime,
 * corners silver, the field on the tool-tip colour with "O" for a mark, revealed atoms blue.
 * The description is what a screen reader says of it (PlayerWords::cellDescription).
 */
CellLook lookOf(const Board& board, CellPos pos);

/** The colour of a border cell that shows outcome: red, yellow or lime; aqua for None. */
QColor shotColour(Outcome outcome);

/** Every cell of board, row by row. */
std::vector<CellLook> looksOf(const Board& board);

/**
 * The same, with each field cell that proof settles shown as proven: its description ends with
 * ", proven atom" or ", proven empty".
 */
std::vector<CellLook> looksOf(const Board& board, const FieldProof& proof);

} // namespace orbalux
