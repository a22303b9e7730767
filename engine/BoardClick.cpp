#include "BoardClick.h"

#include "Shot.h"
#include "ToggleMark.h"

namespace orbalux {

ClickEffect ClickBoardCell(GameState& state, CellPos cell, Messenger& messenger)
{
    if (!state.GameInProgress) {
        messenger.showMessage("Cheating Zindra? You can't make any changes until you start a new game.");
        return ClickEffect::Refused;
    }
    const CellKind kind = state.board.kindOf(cell);
    if (kind == CellKind::Outside)
        return ClickEffect::Ignored;
    state.LaserRow = cell.row;
    state.LaserCol = cell.column;
    switch (kind) {
    case CellKind::Field:
        ToggleMark(state, cell);
        return ClickEffect::Marked;
    case CellKind::Corner:
        messenger.showMessage("Don't select corner cells, silly!");
        return ClickEffect::Corner;
    default:
        Shoot(state, messenger);
        return ClickEffect::Shot;
    }
}

} // namespace orbalux
