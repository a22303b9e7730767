#include "TraceLaser.h"

namespace orbalux {

LaserWalk TraceLaser(GameState& state, Messenger& messenger)
{
    const CellPos entry{state.LaserRow, state.LaserCol};
    LaserWalk walk = WalkLaser(state.AtomMap, state.board.fieldSize(), entry);
    if (walk.outcome == Outcome::None) {
        // Without a heading the walk cannot take a single step, so both guards fire and it ends.
        messenger.showMessage("Bad logic #1 in Shoot()");
        messenger.showMessage("Bad logic #2 in Shoot()");
    }
    state.LaserRow = walk.finalCell.row;
    state.LaserCol = walk.finalCell.column;
    state.ShotOutcome = walk.outcome;
    return walk;
}

} // namespace orbalux
