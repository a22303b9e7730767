#pragma once

#include "deduce/DeductionSolver.h"
#include "deduce/PartialField.h"
#include "deduce/SearchBudget.h"
#include "game/AtomLayout.h"
#include "game/Observation.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace orbalux {

/** A shot a searched layout must answer: as seen, or, when different is set, in any other way. */
struct ShotDemand {
    Observation seen;
    bool different = false;
};

/** Layouts found together: the decided cells, plus any freeAtoms of the cells left undecided. */
struct LayoutFamily {
    PartialField field;
    int freeAtoms = 0;

    /** How many layouts the family holds, counted up to limit (>= 1). */
    std::int64_t size(std::int64_t limit) const;
    /** The family's first layout, or, for second, another one; size(2) == 2 for second. */
    AtomLayout example(bool second = false) const;
};

/** What a layout search found before it stopped. */
struct LayoutSearchResult {
    std::vector<LayoutFamily> families;
    bool outOfBudget = false;

    /** How many layouts were found, counted up to limit. */
    std::int64_t layouts(std::int64_t limit) const;
};

/** Observations made into demands, one per entry cell, or the verdict they settle at once. */
struct ShotQuestion {
    std::optional<Verdict> settled;
    std::vector<ShotDemand> demands;
};

/** Checks a question of deduceField and keeps one observation per entry cell; same preconditions. */
ShotQuestion readShots(std::int16_t gridSize, int atomCount, std::span<const Observation> observations);

/**
 * Searches the layouts of atomCount atoms in start's field that agree with its decided cells and
 * meet every demand (distinct entries, border cells other than corners), until it has found
 * enough (>= 1) layouts or shown there are no more. Asks budget before every search step.
 */
LayoutSearchResult searchLayouts(const PartialField& start, int atomCount, std::span<const ShotDemand> demands,
    std::int64_t enough, SearchBudget& budget);

} // namespace orbalux
