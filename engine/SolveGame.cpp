#include "SolveGame.h"

#include "NumberText.h"

#include <cmath>

namespace orbalux {

namespace {

constexpr float kSecondsPerDay = 86400.0f;

int revealAtoms(GameState& state)
{
    int found = 0;
    const std::int16_t n = state.board.fieldSize();
    for (std::int16_t row = 1; row <= n; ++row) {
        for (std::int16_t column = 1; column <= n; ++column) {
            if (!state.AtomMap.hasAtom(row, column))
                continue;
            Cell& cell = state.board.cell({row, column});
            cell.background = Colour::Blue;
            if (cell.text == "O")
                ++found;
        }
    }
    return found;
}

} // namespace

long long elapsedSeconds(float start, float now)
{
    float elapsed = now - start;
    // The clock starts again at midnight; a negative span means the game ran past it.
    if (elapsed < 0.0f)
        elapsed += kSecondsPerDay;
    if (!(elapsed >= 0.0f))
        return 0;
    return static_cast<long long>(std::floor(elapsed));
}

SolveResult SolveGame(GameState& state, const Clock& clock)
{
    const std::int16_t atoms = state.atomsInGame;
    if (state.MarkedCount != atoms)
        return {SolveResult::Kind::WrongMarkCount,
            "You do not have exactly " + signPadded(atoms) + " atoms marked.", false};

    state.GameInProgress = false;
    const int found = revealAtoms(state);
    const long long seconds = elapsedSeconds(state.GameStartTime, clock.secondsSinceMidnight());
    SolveResult result;
    if (found == atoms) {
        result.kind = SolveResult::Kind::AllFound;
        result.text = "Groovy! You found all " + signPadded(atoms) + " atoms in" + signPadded(seconds)
            + " seconds!  Click New Game to go again...";
        if (state.BestScore > state.Score) {
            state.BestScore = state.Score;
            result.bestScoreChanged = true;
        }
    } else {
        result.kind = SolveResult::Kind::NotAllFound;
        result.text = "Rats! You only found " + signPadded(found) + " of the atoms!  Click New Game to go again...";
    }
    state.resultsText = result.text;
    return result;
}

} // namespace orbalux
