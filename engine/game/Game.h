#pragma once

#include "game/AtomLayout.h"
#include "game/Board.h"
#include "game/ClickResult.h"
#include "game/GameSettings.h"
#include "game/Observation.h"
#include "game/PlaceAtoms.h"
#include "game/RandomSource.h"
#include "game/TraceLaser.h"

#include <cstdint>
#include <vector>

namespace orbalux {

/** The highest score a game can reach; later shots are free rather than overflow. */
inline constexpr std::int16_t kScoreCeiling = 9999;

/** What "Solved!" found, with the numbers the player is told. */
struct SolveResult {
    enum class Kind : std::uint8_t { WrongMarkCount, AllFound, NotAllFound };
    Kind kind = Kind::WrongMarkCount;
    /** The game's AtomCount. */
    int atoms = 0;
    /** Atoms under a mark, for AllFound and NotAllFound. */
    int found = 0;
    /** Whole seconds the game took, for AllFound. */
    long long seconds = 0;

    friend bool operator==(const SolveResult&, const SolveResult&) = default;
};

/**
 * One game: the board the player sees, the atoms hidden under it and the counters. Its methods
 * are the rules; each returns what happened. A game keeps the board and atom count it was dealt,
 * whatever the settings say later.
 */
class Game {
public:
    /** No game: an empty board that refuses every click. */
    Game() = default;
    /** Lays out a board for settings, hides the atoms and starts the game; the clock is not read. */
    Game(const GameSettings& settings, RandomSource& random);
    /** The same with the atoms already dealt for settings' grid size. */
    Game(const GameSettings& settings, AtomDeal deal);

    const Board& board() const { return m_board; }
    const AtomLayout& AtomMap() const { return m_atomMap; }
    /** The number of atoms this game hid. */
    std::int16_t AtomCount() const { return m_atomCount; }
    std::int16_t Score() const { return m_score; }
    std::int16_t MarkedCount() const { return m_markedCount; }
    std::int16_t NextDeflectionLetter() const { return m_nextDeflectionLetter; }
    bool GameInProgress() const { return m_gameInProgress; }
    /** The draws that dealing the atoms discarded, in order; empty for a sound random source. */
    const std::vector<BadDraw>& dealComplaints() const { return m_dealComplaints; }
    /**
     * The shots the border shows, in the order of the border numbers: each "H" and "R" once,
     * each pair of deflection letters once, entered at its lower-numbered end.
     */
    std::vector<Observation> observations() const;
    /** The field cells marked "O", as a layout. */
    AtomLayout marks() const;
    /** The entry of every shot fired, in firing order, repeats included. */
    const std::vector<CellPos>& shotsFired() const { return m_shotsFired; }

    /** Starts the game clock at now, seconds since midnight: the last step of a new game. */
    void startClock(float now) { m_gameStartTime = now; }

    /**
     * A click on cell: refused between games, ignored off the board, a mark on the field,
     * refused on a corner, else a shot.
     */
    ClickResult click(CellPos cell, bool traceShots);
    /** Fires from entry, a border cell other than a corner, drawing the path when traceShots is on. */
    ShotResult Shoot(CellPos entry, bool traceShots);
    /** Puts "O" on field cell or takes it off; other cells change nothing. */
    MarkResult ToggleMark(CellPos cell);
    /**
     * Refuses unless exactly AtomCount cells are marked; else ends the game, reveals the atoms,
     * counts those found and reports the whole seconds from GameStartTime to now (past midnight too).
     */
    SolveResult SolveGame(float now);

private:
    /** Shows segment's picture in its field cell. */
    void Cheat(const TraceSegment& segment);
    void writeOutcome(ShotResult& shot);
    /** Adds cost to Score up to the ceiling; returns what was added. */
    std::int16_t charge(std::int16_t cost);
    int revealAtoms();

    Board m_board;
    AtomLayout m_atomMap;
    std::int16_t m_atomCount = 0;
    std::int16_t m_score = 0;
    std::int16_t m_markedCount = 0;
    std::int16_t m_nextDeflectionLetter = 0;
    float m_gameStartTime = 0.0f;
    bool m_gameInProgress = false;
    std::vector<BadDraw> m_dealComplaints;
    std::vector<CellPos> m_shotsFired;
};

/** Whole seconds from start to now on a time-of-day clock, across midnight too. */
long long elapsedSeconds(float start, float now);

} // namespace orbalux
