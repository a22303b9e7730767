#pragma once

#include <cstdint>

namespace orbalux {

/** A cell of a grid, addressed (row, column) from 0. */
struct CellPos {
    std::int16_t row = 0;
    std::int16_t column = 0;

    friend bool operator==(const CellPos&, const CellPos&) = default;
};

} // namespace orbalux
