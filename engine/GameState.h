#pragma once

#include "AtomLayout.h"
#include "Board.h"
#include "Outcome.h"

#include <cstdint>
#include <string>

namespace orbalux {

inline constexpr std::int16_t kMinGridSize = 4;
inline constexpr std::int16_t kMaxGridSize = 15;
inline constexpr std::int16_t kMinAtomCount = 1;
inline constexpr std::int16_t kMaxAtomCount = 15;

/** Everything the game knows; the program keeps exactly one, tests make their own. */
struct GameState {
    AtomLayout AtomMap;
    Outcome ShotOutcome = Outcome::None;
    bool GameInProgress = false;
    bool SettingsChanged = false;
    std::int16_t LaserRow = 0;
    std::int16_t LaserCol = 0;
    std::int16_t NextDeflectionLetter = 0;
    std::int16_t Score = 0;
    std::int16_t MarkedCount = 0;
    std::int16_t AtomCount = 0;
    std::int16_t GridSize = 0;
    std::int16_t EdgeIndex = 0;
    float GameStartTime = 0.0f;
    std::int16_t BestScore = 0;
    bool ShowNumbers = false;
    bool TraceShots = false;

    // The settings may change while a game runs on a board laid out for the old ones, so a
    // game keeps its own board and atom count and every rule reads those, never the settings.
    Board board;
    std::int16_t atomsInGame = 0;

    /** The line under the buttons: instructions, the latest shot's meaning, or the result. */
    std::string resultsText;
};

/** Sets GridSize to n clamped to 4..15, and EdgeIndex to GridSize + 1. */
void setGridSize(GameState& state, int n);
/** Sets AtomCount to n clamped to 1..15. */
void setAtomCount(GameState& state, int n);

} // namespace orbalux
