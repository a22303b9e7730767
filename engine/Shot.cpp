#include "Shot.h"

#include "DeflectionLetter.h"
#include "TraceLaser.h"

#include <algorithm>

namespace orbalux {

namespace {

void markBorder(Board& board, CellPos cell, const std::string& text, Colour colour)
{
    if (board.kindOf(cell) != CellKind::Border)
        return;
    Cell& target = board.cell(cell);
    target.text = text;
    target.background = colour;
}

void charge(GameState& state, int cost)
{
    state.Score = static_cast<std::int16_t>(std::min<int>(state.Score + cost, kScoreCeiling));
}

void showOutcome(GameState& state, const LaserWalk& walk, CellPos entry, Messenger& messenger)
{
    switch (walk.outcome) {
    case Outcome::Hit:
        markBorder(state.board, entry, "H", Colour::Red);
        charge(state, 1);
        state.resultsText = "H means your laser Hit an atom.";
        return;
    case Outcome::Reflection:
        markBorder(state.board, entry, "R", Colour::Yellow);
        charge(state, 1);
        state.resultsText = "R means either your laser was unable to go in because of an adjacent atom "
                            "or it came out the same place it went in.";
        return;
    case Outcome::Deflection: {
        const std::string letter = DeflectionLetter(state.NextDeflectionLetter);
        markBorder(state.board, entry, letter, Colour::Lime);
        markBorder(state.board, walk.finalCell, letter, Colour::Lime);
        charge(state, 2);
        state.resultsText = "\"" + letter + "\" means your laser went in one place and out another.";
        state.NextDeflectionLetter = std::min<std::int16_t>(
            static_cast<std::int16_t>(state.NextDeflectionLetter + 1), kLastDeflectionLetter);
        return;
    }
    case Outcome::None:
        break;
    }
    messenger.showMessage("Bad logic #3 in Shoot()");
}

} // namespace

void Cheat(Board& board, SegmentKind kind, std::int16_t row, std::int16_t column)
{
    if (board.contains({row, column}))
        board.cell({row, column}).picture = kind;
}

LaserWalk Shoot(GameState& state, Messenger& messenger)
{
    const CellPos entry{state.LaserRow, state.LaserCol};
    LaserWalk walk = TraceLaser(state, messenger);
    for (const TraceSegment& segment : walk.trace) {
        if (state.TraceShots)
            Cheat(state.board, segment.kind, segment.cell.row, segment.cell.column);
    }
    showOutcome(state, walk, entry, messenger);
    return walk;
}

} // namespace orbalux
