#pragma once

#include "game/CellPos.h"
#include "game/Outcome.h"
#include "game/SegmentKind.h"

#include <cstdint>

namespace orbalux {

/** What one board cell holds; how it looks is the window's business. */
struct Cell {
    /** The border number shown in the cell, 0 when the board shows none. */
    std::int16_t number = 0;
    /** What the last shot in or out of this border cell showed; None before any. */
    Outcome shot = Outcome::None;
    /** The deflection letter's code, for Outcome::Deflection. */
    std::int16_t letter = 0;
    /** The other end of a deflection; (-1, -1) otherwise. */
    CellPos partner{-1, -1};
    /** The player's "O" on a field cell. */
    bool marked = false;
    /** An atom shown after "Solved!". */
    bool atomRevealed = false;
    SegmentKind trace = SegmentKind::None;

    friend bool operator==(const Cell&, const Cell&) = default;
};

} // namespace orbalux
