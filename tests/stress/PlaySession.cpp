#include "PlaySession.h"

#include "DeflectionLetter.h"
#include "GameStateAudit.h"
#include "LaserWalk.h"
#include "NewGame.h"
#include "NumberText.h"
#include "Shot.h"
#include "frmOptions.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>
#include <cmath>
#include <random>
#include <tuple>

namespace orbalux::testing {

namespace {

const std::string kQuestion = "You are already in a game.  Do you want to start a new game?";
const std::string kRefused = "Cheating Zindra? You can't make any changes until you start a new game.";
const std::string kCorner = "Don't select corner cells, silly!";
const std::string kAgain = " seconds!  Click New Game to go again...";

std::vector<float> numbersFrom(std::uint32_t seed)
{
    std::mt19937 engine(seed);
    std::vector<float> numbers(4096);
    for (float& number : numbers)
        number = static_cast<float>(engine() >> 8) * (1.0f / 16777216.0f);
    return numbers;
}

// What belongs to the running game rather than to the settings.
auto gameOf(const GameState& state)
{
    return std::tie(state.board, state.AtomMap, state.atomsInGame, state.Score, state.MarkedCount,
        state.NextDeflectionLetter, state.GameInProgress, state.GameStartTime, state.resultsText, state.BestScore);
}

std::string joined(const std::vector<std::string>& texts)
{
    std::string all = "[";
    for (const std::string& text : texts)
        all += "\"" + text + "\" ";
    return all + "]";
}

std::string at(CellPos pos)
{
    return "(" + std::to_string(pos.row) + "," + std::to_string(pos.column) + ")";
}

void pressArrows(QWidget* bar, int steps)
{
    const Qt::Key key = steps > 0 ? Qt::Key_Right : Qt::Key_Left;
    for (int i = 0; i < std::abs(steps); ++i) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(bar, &press);
    }
}

void leave(frmOptions& dialog, DialogExit exit)
{
    switch (exit) {
    case DialogExit::OK: dialog.cmdOK()->click(); break;
    case DialogExit::Cancel: dialog.cmdCancel()->click(); break;
    case DialogExit::Escape: {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&dialog, &escape);
        break;
    }
    case DialogExit::CloseBox: dialog.close(); break;
    }
}

void play(frmOptions& dialog, const SettingsVisit& visit)
{
    if (visit.gridValue)
        dialog.hsGrid()->setValue(*visit.gridValue);
    pressArrows(dialog.hsGrid(), visit.gridSteps);
    if (visit.atomValue)
        dialog.hsAtoms()->setValue(*visit.atomValue);
    pressArrows(dialog.hsAtoms(), visit.atomSteps);
    if (visit.clickNumbers)
        dialog.cbNumbers()->click();
    if (visit.clickTrace)
        dialog.cbTrace()->click();
    leave(dialog, visit.exit);
}

int barValueAfter(int start, std::optional<int> value, int steps, int minimum, int maximum)
{
    const int set = value ? std::clamp(*value, minimum, maximum) : start;
    return std::clamp(set + steps, minimum, maximum);
}

// True when text goes on from start with a whole number of seconds within one day and the close.
bool endsWithSaneSeconds(const std::string& text, std::size_t start)
{
    if (text.size() < start + kAgain.size() || text.compare(text.size() - kAgain.size(), kAgain.size(), kAgain) != 0)
        return false;
    const std::string seconds = text.substr(start, text.size() - start - kAgain.size());
    return !seconds.empty() && seconds.size() <= 5
        && std::all_of(seconds.begin(), seconds.end(), [](char c) { return c >= '0' && c <= '9'; })
        && std::stoi(seconds) < 86400;
}

void paint(Cell& cell, const std::string& text, Colour colour)
{
    cell.text = text;
    cell.background = colour;
}

} // namespace

PlaySession::PlaySession(std::uint32_t seed)
    : m_random(numbersFrom(seed))
{
    if (!m_window.startUp(QStringLiteral(ORBALUX_ASSET_DIR)))
        fail("start-up failed");
    expectMessages({}, {});
    audit();
}

void PlaySession::clickCell(int row, int column)
{
    const GameState before = m_state;
    m_window.msfGrid_Click(row, column);
    checkClick(before, {static_cast<std::int16_t>(row), static_cast<std::int16_t>(column)});
    audit();
}

void PlaySession::clickPoint(QPoint point)
{
    const GameState before = m_state;
    CellGrid* grid = m_window.msfGrid();
    const CellPos target = grid->cellAt(point);
    const QPoint global = grid->mapToGlobal(point);
    QMouseEvent press(QEvent::MouseButtonPress, point, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, point, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(grid, &press);
    QApplication::sendEvent(grid, &release);
    if (target.row < 0) {
        expectMessages({}, {});
        checkUntouched(before);
    } else {
        checkClick(before, target);
    }
    audit();
}

void PlaySession::newGame(bool fromMenu, bool answer)
{
    const GameState before = m_state;
    m_messenger.answers = {answer};
    if (fromMenu)
        m_window.mnNewGame_Click();
    else
        m_window.cmdNewGame()->click();
    m_messenger.answers.clear();
    expectMessages({}, before.GameInProgress ? std::vector{kQuestion} : std::vector<std::string>{});
    if (before.GameInProgress && !answer)
        checkUntouched(before);
    else
        checkNewGame(before);
    audit();
}

void PlaySession::visitSettings(const SettingsVisit& visit, bool answer)
{
    const GameState before = m_state;
    frmOptions* dialog = m_window.settingsDialog();
    QMetaObject::invokeMethod(
        dialog,
        [this, dialog, visit] {
            play(*dialog, visit);
            // Never leave the test waiting in exec() for a dialog that failed to close.
            if (dialog->isVisible()) {
                fail("the settings dialog stayed open");
                dialog->done(QDialog::Rejected);
            }
        },
        Qt::QueuedConnection);
    m_messenger.answers = {answer};
    m_window.mnSettings_Click();
    m_messenger.answers.clear();
    checkSettings(before, visit);
    const bool asked = m_state.SettingsChanged && before.GameInProgress;
    expectMessages({}, asked ? std::vector{kQuestion} : std::vector<std::string>{});
    if (asked && answer)
        checkNewGame(before);
    else
        checkUntouched(before);
    audit();
}

void PlaySession::pressSolved()
{
    const GameState before = m_state;
    m_window.cmdSolved()->click();
    checkSolved(before);
    audit();
}

void PlaySession::letTimePass(float seconds)
{
    const GameState before = m_state;
    m_clock.now = std::fmod(m_clock.now + seconds, 86400.0f);
    checkUntouched(before);
    audit();
}

void PlaySession::look()
{
    QCoreApplication::processEvents();
    if (m_window.grab().isNull())
        fail("the window could not be painted");
    expectMessages({}, {});
    audit();
}

void PlaySession::checkClick(const GameState& before, CellPos pos)
{
    if (!before.GameInProgress) {
        expectMessages({kRefused}, {});
        checkUntouched(before);
        return;
    }
    switch (before.board.kindOf(pos)) {
    case CellKind::Field: expectMessages({}, {}); checkMark(before, pos); return;
    case CellKind::Border: expectMessages({}, {}); checkShot(before, pos); return;
    case CellKind::Corner: expectMessages({kCorner}, {}); break;
    case CellKind::Outside: expectMessages({}, {}); break;
    }
    checkUntouched(before);
}

void PlaySession::checkMark(const GameState& before, CellPos pos)
{
    Board expected = before.board;
    std::string& text = expected.cell(pos).text;
    const bool wasMarked = text == "O";
    text = wasMarked ? "" : "O";
    if (m_state.board != expected)
        fail("a mark at " + at(pos) + " changed more than its own cell");
    if (m_state.MarkedCount != before.MarkedCount + (wasMarked ? -1 : 1))
        fail("a mark at " + at(pos) + " miscounted");
    if (m_state.Score != before.Score)
        fail("a mark cost points");
}

void PlaySession::checkShot(const GameState& before, CellPos pos)
{
    const LaserWalk walk = WalkLaser(before.AtomMap, before.board.fieldSize(), pos);
    Board expected = before.board;
    for (const TraceSegment& segment : walk.trace) {
        if (before.TraceShots)
            expected.cell(segment.cell).picture = segment.kind;
    }
    int cost = 1;
    int nextLetter = before.NextDeflectionLetter;
    switch (walk.outcome) {
    case Outcome::Hit: paint(expected.cell(pos), "H", Colour::Red); break;
    case Outcome::Reflection: paint(expected.cell(pos), "R", Colour::Yellow); break;
    case Outcome::Deflection:
        paint(expected.cell(pos), DeflectionLetter(before.NextDeflectionLetter), Colour::Lime);
        paint(expected.cell(walk.finalCell), DeflectionLetter(before.NextDeflectionLetter), Colour::Lime);
        cost = 2;
        nextLetter = std::min<int>(nextLetter + 1, kLastDeflectionLetter);
        break;
    case Outcome::None: fail("the border cell " + at(pos) + " gave no outcome"); return;
    }
    if (m_state.board != expected || m_state.ShotOutcome != walk.outcome)
        fail("the shot from " + at(pos) + " does not show its outcome");
    if (m_state.Score != std::min<int>(before.Score + cost, kScoreCeiling) || m_state.NextDeflectionLetter != nextLetter)
        fail("the shot from " + at(pos) + " was charged or lettered wrongly");
}

void PlaySession::checkSolved(const GameState& before)
{
    const std::int16_t atoms = before.atomsInGame;
    if (before.MarkedCount != atoms) {
        expectMessages({"You do not have exactly " + signPadded(atoms) + " atoms marked."}, {});
        checkUntouched(before);
        return;
    }
    expectMessages({}, {});
    Board expected = before.board;
    int found = 0;
    for (std::int16_t row = 1; row <= expected.fieldSize(); ++row) {
        for (std::int16_t column = 1; column <= expected.fieldSize(); ++column) {
            if (!before.AtomMap.hasAtom(row, column))
                continue;
            expected.cell({row, column}).background = Colour::Blue;
            found += expected.cell({row, column}).text == "O" ? 1 : 0;
        }
    }
    if (m_state.GameInProgress || m_state.board != expected)
        fail("Solved! with exactly enough marks did not end the game showing every atom");
    const bool all = found == atoms;
    const int best = all ? std::min(before.Score, before.BestScore) : before.BestScore;
    if (m_state.BestScore != best || m_state.Score != before.Score)
        fail("Solved! kept the wrong best score");
    const std::string lead = all ? "Groovy! You found all " + signPadded(atoms) + " atoms in "
                                 : "Rats! You only found " + signPadded(found) + " of the atoms!  Click New Game to go again...";
    const std::string& text = m_state.resultsText;
    if (text.rfind(lead, 0) != 0 || (all && !endsWithSaneSeconds(text, lead.size())))
        fail("Solved! wrote \"" + text + "\"");
}

void PlaySession::checkNewGame(const GameState& before)
{
    const Board& board = m_state.board;
    if (board.fieldSize() != m_state.GridSize || m_state.atomsInGame != m_state.AtomCount)
        fail("the new game is not laid out for the settings in force");
    if (!m_state.GameInProgress || m_state.Score != 0 || m_state.MarkedCount != 0
        || m_state.NextDeflectionLetter != kFirstDeflectionLetter || m_state.BestScore != before.BestScore)
        fail("the new game did not start afresh");
    if (m_state.GameStartTime != m_clock.now || m_state.resultsText != instructionText(m_state.ShowNumbers))
        fail("the new game did not start its clock or its instructions");
    for (std::int16_t row = 0; row < board.rows(); ++row) {
        for (std::int16_t column = 0; column < board.columns(); ++column) {
            const Cell& cell = board.cell({row, column});
            const bool numbered = board.kindOf({row, column}) == CellKind::Border && m_state.ShowNumbers;
            if (cell.picture != SegmentKind::None || cell.text.empty() == numbered)
                fail("the new board is not blank at " + at({row, column}));
        }
    }
}

void PlaySession::checkUntouched(const GameState& before)
{
    if (gameOf(m_state) != gameOf(before))
        fail("the running game changed");
}

void PlaySession::checkSettings(const GameState& before, const SettingsVisit& visit)
{
    const bool ok = visit.exit == DialogExit::OK;
    const int grid = barValueAfter(before.GridSize, visit.gridValue, visit.gridSteps, kMinGridSize, kMaxGridSize);
    const int atoms = barValueAfter(before.AtomCount, visit.atomValue, visit.atomSteps, kMinAtomCount, kMaxAtomCount);
    const bool changed = ok && (before.SettingsChanged || visit.clickNumbers || grid != before.GridSize
                                   || atoms != before.AtomCount);
    if (m_state.GridSize != (ok ? grid : before.GridSize) || m_state.AtomCount != (ok ? atoms : before.AtomCount))
        fail("the settings dialog set the wrong grid size or atom count");
    if (m_state.ShowNumbers != (before.ShowNumbers != visit.clickNumbers)
        || m_state.TraceShots != (before.TraceShots != visit.clickTrace))
        fail("the check boxes did not take effect");
    if (m_state.SettingsChanged != changed)
        fail("SettingsChanged is wrong after the dialog");
}

void PlaySession::expectMessages(const std::vector<std::string>& shown, const std::vector<std::string>& asked)
{
    const std::vector<std::string> newShown(m_messenger.shown.begin() + static_cast<std::ptrdiff_t>(m_shownSeen),
        m_messenger.shown.end());
    const std::vector<std::string> newAsked(m_messenger.asked.begin() + static_cast<std::ptrdiff_t>(m_askedSeen),
        m_messenger.asked.end());
    if (newShown != shown)
        fail("showed " + joined(newShown) + " instead of " + joined(shown));
    if (newAsked != asked)
        fail("asked " + joined(newAsked) + " instead of " + joined(asked));
    m_shownSeen = m_messenger.shown.size();
    m_askedSeen = m_messenger.asked.size();
}

void PlaySession::audit()
{
    for (const std::string& problem : auditGame(m_state, m_window))
        fail(problem);
}

void PlaySession::fail(const std::string& what)
{
    m_problems.push_back(what);
}

} // namespace orbalux::testing
