#pragma once

#include "GameState.h"
#include "Messenger.h"
#include "RandomSource.h"

namespace orbalux {

/**
 * Empties AtomMap, reseeds random and hides min(AtomCount, GridSize squared) atoms in distinct
 * cells of the GridSize field (GridSize clamped to 1..15); records the number in atomsInGame.
 * A draw outside the field reports "Bad #1" (row) or "Bad #2" (column) and is discarded.
 */
void PlaceAtoms(GameState& state, RandomSource& random, Messenger& messenger);

} // namespace orbalux
