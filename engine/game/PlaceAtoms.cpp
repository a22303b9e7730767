#include "game/PlaceAtoms.h"

#include "game/GridLimits.h"

#include <algorithm>
#include <cmath>

namespace orbalux {

namespace {

// Returns 1..n for a sound draw and 0 for anything else, NaN included, before any narrowing.
std::int16_t drawIndex(RandomSource& random, int n)
{
    const double index = std::floor(static_cast<double>(random.next()) * n) + 1.0;
    return index >= 1.0 && index <= n ? static_cast<std::int16_t>(index) : std::int16_t{0};
}

} // namespace

AtomDeal PlaceAtoms(std::int16_t gridSize, std::int16_t atomCount, RandomSource& random)
{
    AtomDeal deal;
    random.reseed();
    const int n = std::clamp<int>(gridSize, 1, kMaxGridSize);
    // More atoms than cells would never finish placing; the field takes as many as it holds.
    const int wanted = std::clamp<int>(atomCount, 0, n * n);
    while (deal.placed < wanted) {
        const std::int16_t row = drawIndex(random, n);
        const std::int16_t column = drawIndex(random, n);
        if (row == 0)
            deal.complaints.push_back(BadDraw::Row);
        if (column == 0)
            deal.complaints.push_back(BadDraw::Column);
        if (row == 0 || column == 0 || deal.AtomMap.hasAtom(row, column))
            continue;
        deal.AtomMap.place({row, column});
        ++deal.placed;
    }
    return deal;
}

} // namespace orbalux
