#pragma once

#include "deduce/DeductionSolver.h"
#include "deduce/FieldProof.h"
#include "deduce/FieldReview.h"
#include "deduce/MarksCheck.h"
#include "deduce/SearchBudget.h"
#include "game/Game.h"
#include "game/GameSettings.h"
#include "game/RandomSource.h"

#include <chrono>
#include <vector>

namespace orbalux {

/** How long a question to the solver may take before it answers Unknown. */
inline constexpr std::chrono::seconds kDeductionBudget{2};
/** How many deals a decidable new game tries before it keeps the last. */
inline constexpr int kMostDecidableDeals = 1000;

/**
 * A new game for settings: one deal, or with DealDecidableOnly deals until firing every border
 * cell would decide the field, at most maxDeals times and while budget allows, keeping the last.
 */
Game dealGame(const GameSettings& settings, RandomSource& random, SearchBudget& budget,
    int maxDeals = kMostDecidableDeals);

/** Whether the shots on game's border leave one, several or no ways of hiding its atoms. */
Deduction deduceField(const Game& game, SearchBudget& budget);

/** What the shots on game's border prove about each of its field cells. */
FieldProof proveField(const Game& game, SearchBudget& budget);

/** The review of game's shots against its atoms; meant for a finished game. */
FieldReview reviewGame(const Game& game, SearchBudget& budget);

/** The shots on game's border that its marks, taken as the atoms, would not give. */
std::vector<MarkDisagreement> checkMarks(const Game& game);

} // namespace orbalux
