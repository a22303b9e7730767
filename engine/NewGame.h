#pragma once

#include "Clock.h"
#include "GameState.h"
#include "Messenger.h"
#include "RandomSource.h"

#include <cstdint>
#include <string>

namespace orbalux {

/** The number of border cell pos on an n x n field, 1..4n clockwise from the top left; 0 elsewhere. */
int borderNumber(CellPos pos, std::int16_t n);

/** The instructions shown when a game starts. */
std::string instructionText(bool showNumbers);

/**
 * Lays out a fresh board for GridSize (numbered when ShowNumbers is on), hides the atoms,
 * zeroes the counters, starts the game and writes the instructions. The clock is not read.
 */
void SetUpNewGame(GameState& state, RandomSource& random, Messenger& messenger);

/** Starts the game clock: the last step of a new game. */
void StartGameClock(GameState& state, const Clock& clock);

} // namespace orbalux
