#include "ToggleMark.h"

namespace orbalux {

std::int16_t ToggleMark(GameState& state, CellPos cell)
{
    if (state.board.kindOf(cell) != CellKind::Field)
        return state.MarkedCount;
    std::string& text = state.board.cell(cell).text;
    if (text == "O") {
        text.clear();
        --state.MarkedCount;
    } else {
        text.assign(1, 'O'); // plain assignment trips a false -Wrestrict in GCC 12
        ++state.MarkedCount;
    }
    return state.MarkedCount;
}

} // namespace orbalux
