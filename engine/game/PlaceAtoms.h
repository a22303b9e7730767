#pragma once

#include "game/AtomLayout.h"
#include "game/RandomSource.h"

#include <cstdint>
#include <vector>

namespace orbalux {

/** A draw that fell outside the field: its row, or its column. */
enum class BadDraw : std::uint8_t { Row, Column };

/** Where a new game's atoms hide, and what went wrong on the way. */
struct AtomDeal {
    AtomLayout AtomMap;
    /** How many atoms were hidden. */
    std::int16_t placed = 0;
    /** Each draw that fell outside the field, in order: a row and a column of one cell may both. */
    std::vector<BadDraw> complaints;
};

/**
 * Reseeds random and hides min(atomCount, gridSize squared) atoms in distinct cells of the
 * gridSize x gridSize field (gridSize clamped to 1..kMaxGridSize). A draw outside the field is discarded.
 */
AtomDeal PlaceAtoms(std::int16_t gridSize, std::int16_t atomCount, RandomSource& random);

} // namespace orbalux
