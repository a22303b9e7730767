#pragma once

#include "deduce/SearchBudget.h"
#include "game/AtomLayout.h"
#include "game/CellPos.h"

#include <cstdint>
#include <span>
#include <vector>

namespace orbalux {

/** What a finished game's shots did, and the cheapest shots that would have done it. */
struct FieldReview {
    /** Shots fired, repeats included. */
    int shots = 0;

    enum class Decision : std::uint8_t {
        BeforeFirstShot, ///< only one layout of the atom count fits an empty border
        AtShot,          ///< decidingShot was the first after which only one layout fits
        Never,           ///< more than one layout fits all the shots
        Unknown,         ///< the budget ran out first
    };
    Decision decision = Decision::Unknown;
    /** 1-based, in firing order, for AtShot. */
    int decidingShot = 0;

    /**
     * The entries of the shots whose outcome every layout fitting the earlier shots would have
     * given, in firing order (a repeated shot always is one). Meaningful when informationKnown.
     */
    std::vector<CellPos> toldNothingNew;
    /** False when the budget ran out before every shot was judged. */
    bool informationKnown = false;

    enum class Par : std::uint8_t {
        Found,      ///< parPoints is the least cost of shots that leave only this layout
        Impossible, ///< firing every border cell leaves more than one layout
        BestSoFar,  ///< the budget ran out; parPoints and parEntries are the cheapest set found
        Unknown,    ///< the budget ran out before any deciding set was found
    };
    Par par = Par::Unknown;
    /** The cost of parEntries: 1 for a hit or reflection, 2 for a deflection. */
    int parPoints = 0;
    /** The border cells to fire from, in border-number order, a deflection by its lower-numbered end. */
    std::vector<CellPos> parEntries;
};

/**
 * Reviews a game on the gridSize field whose atomCount atoms are atoms, fired from shotsFired in
 * that order (border cells other than corners). Asks budget before every search step.
 */
FieldReview reviewField(std::int16_t gridSize, const AtomLayout& atoms, int atomCount,
    std::span<const CellPos> shotsFired, SearchBudget& budget);

} // namespace orbalux
