#pragma once

#include "game/AtomLayout.h"
#include "game/Board.h"
#include "game/GameSettings.h"
#include "game/Observation.h"
#include "game/PlaceAtoms.h"
#include "game/RandomSource.h"
#include "game/TraceLaser.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orbalux {

/** The highest score a game can reach; later shots are free rather than overflow. */
inline constexpr std::int16_t kScoreCeiling = 9999;

/** What a shot did. */
struct ShotResult {
    Outcome outcome = Outcome::None;
    CellPos entry;
    /** Where the laser came out: the entry cell for a reflection, the border cell it stopped by for a hit. */
    CellPos exit;
    /** The deflection's letter, empty for other outcomes. */
    std::string letter;
    /** What the shot added to Score: 1, 2 for a deflection, less at the ceiling. */
    std::int16_t cost = 0;
    std::vector<TraceSegment> trace;
    /** What the outcome means, for the line under the buttons. */
    std::string explanation;
    /** Guard messages of a walk that found no way in; empty for every shot the board allows. */
    std::vector<std::string> complaints;
};

/** What a click on a field cell did. */
struct MarkResult {
    CellPos cell;
    bool marked = false;
    std::int16_t MarkedCount = 0;
};

/** What a click on the board did. */
struct ClickResult {
    enum class Effect { Refused, Corner, Marked, Shot, Ignored };
    Effect effect = Effect::Ignored;
    /** The refusal to show, for Refused and Corner. */
    std::string message;
    std::optional<ShotResult> shot;
    std::optional<MarkResult> mark;
};

/** What "Solved!" found. */
struct SolveResult {
    enum class Kind { WrongMarkCount, AllFound, NotAllFound };
    Kind kind = Kind::WrongMarkCount;
    /** The message for WrongMarkCount, else the new results line. */
    std::string text;
    /** Atoms under a mark, for AllFound and NotAllFound. */
    int found = 0;
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
    float GameStartTime() const { return m_gameStartTime; }
    bool GameInProgress() const { return m_gameInProgress; }
    /** Whether the border shows numbers, as the board was laid out. */
    bool showsNumbers() const { return m_showsNumbers; }
    /** "Bad #1"/"Bad #2" from dealing the atoms; empty for a sound random source. */
    const std::vector<std::string>& dealComplaints() const { return m_dealComplaints; }
    /** The instructions shown when the game starts. */
    std::string instructionText() const;
    /**
     * The shots the border shows, in the order of the border numbers: each "H" and "R" once,
     * each pair of deflection letters once, entered at its lower-numbered end.
     */
    std::vector<Observation> observations() const;
    /** The field cells marked "O", as a layout. */
    AtomLayout marks() const;

    /** Starts the game clock at now, seconds since midnight: the last step of a new game. */
    void startClock(float now) { m_gameStartTime = now; }

    /** A click on cell: refused between games, a mark on the field, refused on a corner, else a shot. */
    ClickResult click(CellPos cell, bool traceShots);
    /** Fires from border cell entry, drawing the path when traceShots is on. */
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
    bool m_showsNumbers = false;
    std::vector<std::string> m_dealComplaints;
};

/** Whole seconds from start to now on a time-of-day clock, across midnight too. */
long long elapsedSeconds(float start, float now);

} // namespace orbalux
