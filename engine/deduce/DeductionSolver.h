#pragma once

#include "deduce/SearchBudget.h"
#include "game/AtomLayout.h"
#include "game/Observation.h"

#include <cstdint>
#include <span>
#include <vector>

namespace orbalux {

/** How many ways of hiding the atoms fit what the board shows. */
enum class Verdict : std::uint8_t {
    Unique,   ///< exactly one layout fits
    Several,  ///< more than one fits
    NoLayout, ///< none fits: the observations contradict each other or the atom count
    Unknown,  ///< the budget ran out first
    Invalid,  ///< the question itself is malformed (grid size, atom count, a cell off the border)
};

/** The answer of deduceField. */
struct Deduction {
    Verdict verdict = Verdict::Invalid;
    /** The unique layout, two different layouts for Several, or what was found before Unknown. */
    std::vector<AtomLayout> examples;
};

/**
 * Decides exactly whether one, several or no layouts of atomCount atoms (0..gridSize squared) in
 * the gridSize field (1..kMaxGridSize) give every observation. Entries must be border cells other than
 * corners, as must a Deflection's exit; a repeated entry must repeat its result. Asks budget
 * before every search step and answers Unknown once it refuses.
 */
Deduction deduceField(std::int16_t gridSize, int atomCount, std::span<const Observation> observations,
    SearchBudget& budget);

} // namespace orbalux
