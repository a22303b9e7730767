#pragma once

#include "game/Game.h"

#include <QString>

namespace orbalux {

/**
 * What the player hears after shot on board: the outcome, where the laser went in and, for a
 * deflection, where it came out, and the score: "Deflection a: in at top 3, out at right 3. Score 2."
 */
QString shotAnnouncement(const Board& board, const ShotResult& shot, std::int16_t score);

/** What the player hears after marking or unmarking a field cell: "Marked row 2, column 3. 1 of 5 marked." */
QString markAnnouncement(const Board& board, const MarkResult& mark, std::int16_t atoms);

/** What the player hears when a game starts or ends: the results line and the counters. */
QString gameAnnouncement(const QString& results, const Game& game, std::int16_t bestScore);

} // namespace orbalux
