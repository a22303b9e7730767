#pragma once

#include "game/CellPos.h"
#include "game/GridLimits.h"

#include <array>
#include <cstdint>

namespace orbalux {

/** Where the atoms hide: the largest field with its border, both indices 0..kSide - 1, addressed [row][column]. */
class AtomLayout {
public:
    /** Rows and columns: the largest field and a border on either side. */
    static constexpr std::int16_t kSide = kMaxGridSize + 2;

    /** False for every cell outside 0..kSide - 1, so a look-up can never stray. */
    bool hasAtom(std::int16_t row, std::int16_t column) const
    {
        return inside(row, column) && m_atoms[index(row, column)];
    }
    bool hasAtom(CellPos pos) const { return hasAtom(pos.row, pos.column); }

    /** Puts an atom at pos; ignored outside 0..kSide - 1. */
    void place(CellPos pos);
    void clear() { m_atoms.fill(false); }
    int count() const;

    friend bool operator==(const AtomLayout&, const AtomLayout&) = default;

private:
    static bool inside(std::int16_t row, std::int16_t column)
    {
        return row >= 0 && row < kSide && column >= 0 && column < kSide;
    }
    static std::size_t index(std::int16_t row, std::int16_t column)
    {
        return static_cast<std::size_t>(row * kSide + column);
    }

    std::array<bool, kSide * kSide> m_atoms{};
};

} // namespace orbalux
