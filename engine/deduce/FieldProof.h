#pragma once

#include "deduce/SearchBudget.h"
#include "game/AtomLayout.h"
#include "game/Observation.h"

#include <cstdint>
#include <span>

namespace orbalux {

/** What the shots on the border prove about each field cell; nothing is ever a guess. */
struct FieldProof {
    /** Field cells that every layout fitting the shots fills. */
    AtomLayout provenAtoms;
    /** Field cells that no layout fitting the shots fills. */
    AtomLayout provenEmpty;
    /** True when every field cell was settled one way or the other, or shown open (both occur). */
    bool complete = false;
};

/**
 * Settles, for each cell of the gridSize field, whether every, no, or only some layouts of atomCount
 * atoms giving every observation fill it. A cell is put in provenAtoms or provenEmpty only once its
 * proof is finished; when budget refuses, the cells not yet settled stay in neither and complete
 * is false. When no layout fits, nothing is proven. Same preconditions as deduceField.
 */
FieldProof proveField(std::int16_t gridSize, int atomCount, std::span<const Observation> observations,
    SearchBudget& budget);

} // namespace orbalux
