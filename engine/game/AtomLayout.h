#pragma once

#include "game/CellPos.h"

#include <array>
#include <cstdint>

namespace orbalux {

/** Where the atoms hide: 17 x 17 cells, both indices 0..16, addressed [row][column]. */
class AtomLayout {
public:
    static constexpr std::int16_t kSide = 17;

    /** False for every cell outside 0..16, so a look-up can never stray. */
    bool hasAtom(std::int16_t row, std::int16_t column) const
    {
        return inside(row, column) && m_atoms[index(row, column)];
    }
    bool hasAtom(CellPos pos) const { return hasAtom(pos.row, pos.column); }

    /** Puts an atom at pos; ignored outside 0..16. */
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
