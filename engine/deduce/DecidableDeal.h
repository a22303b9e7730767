#pragma once

#include "deduce/SearchBudget.h"
#include "game/AtomLayout.h"
#include "game/Observation.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace orbalux {

/** The field a decidable deal ended with. */
struct DecidableDeal {
    AtomLayout atoms;
    /** True when firing every border cell at atoms leaves only this layout. */
    bool decidable = false;
    /** How many times deal was called. */
    int deals = 0;
};

/** What the board would show after firing every border cell, 1..4 * gridSize, at atoms; exit (0, 0) unless a Deflection. */
std::vector<Observation> observeEveryBorderCell(const AtomLayout& atoms, std::int16_t gridSize);

/**
 * Calls deal until every border shot decides its layout (of as many atoms as it holds) in the
 * gridSize field (1..kMaxGridSize), at most maxDeals times (at least once) and while budget allows; keeps
 * the last deal. Each call of deal must draw a fresh layout.
 */
DecidableDeal dealDecidableField(const std::function<AtomLayout()>& deal, std::int16_t gridSize,
    int maxDeals, SearchBudget& budget);

} // namespace orbalux
