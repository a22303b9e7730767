#pragma once

#include "game/AtomLayout.h"
#include "game/Observation.h"

#include <cstdint>
#include <span>
#include <vector>

namespace orbalux {

/** A shot on the board that the marks, taken as the atoms, would not give. */
struct MarkDisagreement {
    /** The entry's border cell number, 1..4 * gridSize. */
    int entryNumber = 0;
    /** What the board shows. */
    Observation shown;
    /** What firing at the marks gives from the same entry: outcome, and exit for a Deflection. */
    Observation marked;
};

/**
 * Fires every observed shot again at the marks in the gridSize field (1..kMaxGridSize) and lists those
 * that come out differently, in the given order. Marks outside the field are ignored; an
 * observation from a cell off the border, or any for a bad gridSize, cannot be fired and is
 * listed with a marked outcome of None.
 */
std::vector<MarkDisagreement> checkMarks(std::int16_t gridSize, const AtomLayout& marks,
    std::span<const Observation> observations);

} // namespace orbalux
