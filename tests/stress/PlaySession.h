#pragma once

#include "main/frmMain.h"
#include "MainWindowDriver.h"
#include "PlatformFakes.h"
#include "ScriptedMessenger.h"
#include "TestDoubles.h"
#include "WindowView.h"

#include <QPoint>

#include <cstdint>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace orbalux::testing {

/** How the player leaves the settings dialog. */
enum class DialogExit { OK, Cancel, Escape, CloseBox };

/** What the player does during one visit to the settings dialog, in this order. */
struct SettingsChoices {
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
 * A started main window that deals layouts of its own choosing, so the hidden atoms are known.
 * Every action goes through the window's controls, and afterwards what it did is checked
 * against properties that hold whatever the rules say in detail; whatever is wrong is collected.
 */
class PlaySession {
public:
    /** Starts the window with the shipped pictures; seed decides where the atoms hide. */
    explicit PlaySession(std::uint32_t seed);

    /** A click on (row, column): with the mouse on the board, reported by the board off it. */
    void click(CellPos pos);
    /** A real left click at point of the board widget, on a cell or beside them. */
    void clickPoint(QPoint point);
    /** "New Game" from the button or the menu, answering answer if asked. */
    void newGame(bool fromMenu, bool answer);
    /** File > Settings through the real modal dialog, answering answer if asked. */
    void visitSettings(const SettingsChoices& choices, bool answer);
    void pressSolved();
    /** Moves the clock on by seconds, past midnight too. */
    void letTimePass(int seconds);
    /** Paints the whole window, as the screen would. */
    void look();
    /** Deduce > Are My Shots Enough?, Check My Marks, and the Deal Only Decidable Fields tick. */
    void askWhetherShotsAreEnough();
    void checkMyMarks();
    void toggleDecidableDeals();
    /** Deduce > Show What My Shots Prove, ticked or unticked. */
    void toggleProof();

    WindowView view() const { return WindowView::of(m_play); }
    QSize gridSize() const { return m_play.grid().size(); }
    const AtomLayout& atoms() const { return m_atoms; }
    bool inGame() const { return m_inGame; }
    /** What went wrong so far; empty while every action did what it should. */
    const std::vector<std::string>& problems() const { return m_problems; }

private:
    /** What a shot from a border cell showed: "H", "R" or "D" with the cell it came out of. */
    struct Seen {
        QString kind;
        std::optional<CellPos> exit;
    };

    void deal(const GameSettings& settings);
    void checkClick(const WindowView& before, CellPos pos);
    void checkMark(const WindowView& before, CellPos pos);
    void checkShot(const WindowView& before, CellPos pos);
    void checkShotAgainstTheAtoms(const WindowView& now, CellPos pos, const Seen& seen);
    void rememberShot(CellPos pos, const Seen& seen);
    void checkSolved(const WindowView& before);
    void checkNewGame(const WindowView& before);
    void checkUntouched(const WindowView& before);
    std::string newMessage();
    void expectMessages(const std::vector<std::string>& shown, const std::vector<std::string>& asked);
    void audit();
    void fail(const std::string& what);
    bool dealFirstGame();
    FieldQuestions questions();
    void waitForProof(const QString& saidBefore);
    void checkProof();
    void review();
    void checkReview(const QStringList& lines);
    void checkNews(const QString& line);
    void checkPar(const QString& line);
    std::vector<CellPos> placesIn(const QString& list);

    ScriptedMessenger m_messenger;
    SequenceRandom m_random;
    FixedClock m_clock{43200.0f};
    FakePlatform m_platform;
    std::mt19937 m_layouts;

    GameSettings m_dealtFor;
    AtomLayout m_dealt;
    AtomLayout m_atoms;
    bool m_inGame = false;
    bool m_decidableOnly = false;
    long long m_secondsPlayed = 0;
    std::map<int, Seen> m_seen;
    std::size_t m_shownSeen = 0;
    std::size_t m_askedSeen = 0;
    std::vector<std::string> m_problems;
    bool m_proofTicked = false;
    // Every shot of the game in progress or just ended, in firing order.
    std::vector<CellPos> m_fired;
    // Made last, once the session has chosen the first game's atoms: the window starts it at once.
    bool m_firstDealt = dealFirstGame();
    frmMain m_window{{m_messenger, m_random, m_clock, m_platform.services(), assetFolders(), questions()}};
    MainWindowDriver m_play{m_window, m_messenger, m_random};
};

} // namespace orbalux::testing
