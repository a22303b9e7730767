#pragma once

#include "TestDoubles.h"
#include "frmMain.h"

#include <QPoint>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orbalux::testing {

/** How the player leaves the settings dialog. */
enum class DialogExit { OK, Cancel, Escape, CloseBox };

/** What the player does during one visit to the settings dialog, in this order. */
struct SettingsVisit {
    /** Put on the bar as the program would, possibly outside the bar's range. */
    std::optional<int> gridValue;
    /** Arrow key presses on the bar after that: Right for positive, Left for negative. */
    int gridSteps = 0;
    std::optional<int> atomValue;
    int atomSteps = 0;
    bool clickNumbers = false;
    bool clickTrace = false;
    DialogExit exit = DialogExit::OK;
};

/**
 * A freshly started main window on scripted answers, atoms drawn from seed and a settable clock.
 * Every action goes through the window as the player's own would, and afterwards both what it
 * must have done and every invariant of the game are checked; whatever is wrong is collected.
 */
class PlaySession {
public:
    /** Starts the window with the shipped pictures; seed decides where the atoms hide. */
    explicit PlaySession(std::uint32_t seed);

    /** The board reports a click on (row, column), which may lie off the board in use. */
    void clickCell(int row, int column);
    /** A real left click at point of the board widget, on a cell or beside them. */
    void clickPoint(QPoint point);
    /** "New Game" from the button or the menu, answering answer if asked. */
    void newGame(bool fromMenu, bool answer);
    /** File > Settings through the real modal dialog, answering answer if asked. */
    void visitSettings(const SettingsVisit& visit, bool answer);
    /** The "Solved!" button. */
    void pressSolved();
    /** Moves the clock on by seconds, past midnight too. */
    void letTimePass(float seconds);
    /** Paints the whole window, as the screen would. */
    void look();

    const GameState& state() const { return m_state; }
    const frmMain& window() const { return m_window; }
    /** What went wrong so far; empty while every action did what it should. */
    const std::vector<std::string>& problems() const { return m_problems; }

private:
    void checkClick(const GameState& before, CellPos pos);
    void checkMark(const GameState& before, CellPos pos);
    void checkShot(const GameState& before, CellPos pos);
    void checkSolved(const GameState& before);
    void checkNewGame(const GameState& before);
    void checkUntouched(const GameState& before);
    void checkSettings(const GameState& before, const SettingsVisit& visit);
    void expectMessages(const std::vector<std::string>& shown, const std::vector<std::string>& asked);
    void audit();
    void fail(const std::string& what);

    GameState m_state;
    ScriptedMessenger m_messenger;
    SequenceRandom m_random;
    FixedClock m_clock{43200.0f};
    frmMain m_window{m_state, m_messenger, m_random, m_clock};
    std::size_t m_shownSeen = 0;
    std::size_t m_askedSeen = 0;
    std::vector<std::string> m_problems;
};

} // namespace orbalux::testing
