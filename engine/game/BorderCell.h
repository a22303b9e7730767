#pragma once

#include "game/CellPos.h"
#include "game/GridLimits.h"

#include <cstdint>
#include <optional>

namespace orbalux {

/** The four sides of the border, in the order the numbering goes round them. */
enum class Side : std::uint8_t { Top, Right, Bottom, Left };

/** The border cells of a gridSize field, numbered 1..4 * gridSize clockwise from the top left. */
class BorderCell {
public:
    /** 4 * gridSize for gridSize 1..kMaxGridSize, otherwise 0. */
    static int count(std::int16_t gridSize);
    /** The cell numbered number; 1 <= number <= count(gridSize). */
    static CellPos at(std::int16_t gridSize, int number);
    /** The number of pos, or 0 when pos is a corner, not on the border, or gridSize is not 1..kMaxGridSize. */
    static int numberOf(std::int16_t gridSize, CellPos pos);
    /** The side pos lies on; nothing when pos is a corner, not on the border, or gridSize is not 1..kMaxGridSize. */
    static std::optional<Side> sideOf(std::int16_t gridSize, CellPos pos);
};

} // namespace orbalux
