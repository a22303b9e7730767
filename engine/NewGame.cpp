#include "NewGame.h"

#include "DeflectionLetter.h"
#include "PlaceAtoms.h"

#include <algorithm>

namespace orbalux {

namespace {

void layOutBorderCell(Board& board, CellPos pos, bool showNumbers)
{
    Cell& cell = board.cell(pos);
    const std::int16_t n = board.fieldSize();
    cell.text = showNumbers ? std::to_string(borderNumber(pos, n)) : std::string();
    cell.background = Colour::Aqua;
    cell.alignment = Alignment::Centre;
}

void layOutBoard(Board& board, std::int16_t gridSize, bool showNumbers)
{
    const auto n = std::clamp<std::int16_t>(gridSize, 1, AtomLayout::kSide - 2);
    const auto edge = static_cast<std::int16_t>(n + 1);
    board.reset(static_cast<std::int16_t>(edge + 1), static_cast<std::int16_t>(edge + 1));
    for (std::int16_t i = 1; i <= n; ++i) {
        layOutBorderCell(board, {0, i}, showNumbers);
        layOutBorderCell(board, {edge, i}, showNumbers);
    }
    for (std::int16_t i = 1; i <= n; ++i) {
        layOutBorderCell(board, {i, 0}, showNumbers);
        layOutBorderCell(board, {i, edge}, showNumbers);
    }
    for (std::int16_t row = 1; row <= n; ++row) {
        for (std::int16_t column = 1; column <= n; ++column)
            board.cell({row, column}).alignment = Alignment::Centre;
    }
    for (CellPos corner : {CellPos{0, 0}, CellPos{0, edge}, CellPos{edge, 0}, CellPos{edge, edge}})
        board.cell(corner).background = Colour::Silver;
}

} // namespace

int borderNumber(CellPos pos, std::int16_t n)
{
    const int edge = n + 1;
    const bool rowInField = pos.row >= 1 && pos.row <= n;
    const bool columnInField = pos.column >= 1 && pos.column <= n;
    if (pos.row == 0 && columnInField)
        return pos.column;
    if (pos.column == edge && rowInField)
        return n + pos.row;
    if (pos.row == edge && columnInField)
        return 3 * n + 1 - pos.column;
    if (pos.column == 0 && rowInField)
        return 4 * n + 1 - pos.row;
    return 0;
}

std::string instructionText(bool showNumbers)
{
    return std::string("Click ") + (showNumbers ? "a number" : "a light blue square")
        + " on the edge of the field, or place/remove atoms on the field. "
          "Click Solved! when you think you have placed the atom correctly.";
}

void SetUpNewGame(GameState& state, RandomSource& random, Messenger& messenger)
{
    state.NextDeflectionLetter = kFirstDeflectionLetter;
    layOutBoard(state.board, state.GridSize, state.ShowNumbers);
    PlaceAtoms(state, random, messenger);
    state.MarkedCount = 0;
    state.Score = 0;
    state.GameInProgress = true;
    state.resultsText = instructionText(state.ShowNumbers);
}

void StartGameClock(GameState& state, const Clock& clock)
{
    state.GameStartTime = clock.secondsSinceMidnight();
}

} // namespace orbalux
