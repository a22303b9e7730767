#pragma once

#include "deduce/FieldReview.h"
#include "deduce/SearchBudget.h"
#include "game/AtomLayout.h"
#include "game/CellPos.h"

#include <cstdint>
#include <vector>

namespace orbalux {

/** The cheapest shots that leave only one layout, as a review reports them. */
struct ParAnswer {
    FieldReview::Par par = FieldReview::Par::Unknown;
    int points = 0;
    /** In border-number order, a deflection by its lower-numbered end. */
    std::vector<CellPos> entries;
};

/**
 * The least cost of border shots whose outcomes at atoms (atomCount of them, in the gridSize field)
 * leave only that layout; BestSoFar with the cheapest deciding shots found when budget refuses.
 */
ParAnswer findPar(std::int16_t gridSize, const AtomLayout& atoms, int atomCount, SearchBudget& budget);

} // namespace orbalux
