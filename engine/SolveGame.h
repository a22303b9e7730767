#pragma once

#include "Clock.h"
#include "GameState.h"

#include <string>

namespace orbalux {

/** What "Solved!" found. */
struct SolveResult {
    enum class Kind { WrongMarkCount, AllFound, NotAllFound };
    Kind kind = Kind::WrongMarkCount;
    /** The message for WrongMarkCount, else the new results line. */
    std::string text;
    bool bestScoreChanged = false;
};

/**
 * Evaluates the board in use: refuses unless exactly atomsInGame cells are marked, else ends
 * the game, turns atom cells blue, counts the found atoms, reports the whole seconds since
 * GameStartTime (a game past midnight counts on) and lowers BestScore after a full solution.
 */
SolveResult SolveGame(GameState& state, const Clock& clock);

/** Whole seconds from start to now on a time-of-day clock, across midnight too. */
long long elapsedSeconds(float start, float now);

} // namespace orbalux
