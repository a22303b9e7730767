#include "PlaySession.h"

#include "common/PlayerWords.h"
#include "deduce/DecidableDeal.h"
#include "deduce/DeductionSolver.h"
#include "deduce/StepBudget.h"
#include "game/BorderCell.h"
#include "game/DeflectionLetter.h"
#include "grid/Announcer.h"
#include "main/ReviewDialog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QDeadlineTimer>
#include <QStringList>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>

namespace orbalux::testing {

namespace {

const std::string kQuestion = "You are already in a game.  Do you want to start a new game?";
const std::string kRefused = PlayerWords::refusal(Refusal::Kind::NoGame).toStdString();
const std::string kCorner = PlayerWords::refusal(Refusal::Kind::Corner).toStdString();
const QString kLastLetter = QString::fromStdString(deflectionLetter(kLastDeflectionLetter));

std::string joined(const std::vector<std::string>& texts)
{
    std::string all = "[";
    for (const std::string& text : texts)
        all += "\"" + text + "\" ";
    return all + "]";
}

std::string solvedText(SolveResult::Kind kind, int atoms, int found, long long seconds)
{
    return PlayerWords::solved({kind, atoms, found, seconds}).toStdString();
}

// Check My Marks answers agreement or how many shots disagree, listing at most ten, then the
// marks and atoms on a line of their own when they differ.
bool answerCheckingMarks(const QString& answer, int gridSize, int marks, int atoms)
{
    const QStringList lines = answer.split(QLatin1Char('\n'));
    const QStringList agreeing = PlayerWords::marksCheck({}, gridSize, marks, atoms).split(QLatin1Char('\n'));
    if (lines.front() == agreeing.front())
        return lines == agreeing;
    for (int shots = 1; shots <= 4 * gridSize; ++shots) {
        const std::vector<MarkDisagreement> disagreements(static_cast<std::size_t>(shots));
        if (lines.front() != PlayerWords::marksCheck(disagreements, gridSize, 0, 0).section(QLatin1Char('\n'), 0, 0))
            continue;
        const QStringList counts = agreeing.mid(1);
        return lines.size() == 1 + std::min(shots, 10) + counts.size() && lines.mid(lines.size() - counts.size()) == counts;
    }
    return false;
}

void pressArrows(QWidget* bar, int steps)
{
    const Qt::Key key = steps > 0 ? Qt::Key_Right : Qt::Key_Left;
    for (int i = 0; i < std::abs(steps); ++i)
        QTest::keyClick(bar, key);
}

void leave(frmOptions& dialog, DialogExit exit)
{
    switch (exit) {
    case DialogExit::OK: dialog.findChild<QPushButton*>("cmdOK")->click(); break;
    case DialogExit::Cancel: dialog.findChild<QPushButton*>("cmdCancel")->click(); break;
    case DialogExit::Escape: QTest::keyClick(&dialog, Qt::Key_Escape); break;
    case DialogExit::CloseBox: dialog.close(); break;
    }
}

void choose(frmOptions& dialog, const SettingsChoices& choices)
{
    auto* grid = dialog.findChild<QScrollBar*>("hsGrid");
    auto* atoms = dialog.findChild<QScrollBar*>("hsAtoms");
    if (choices.gridValue)
        grid->setValue(*choices.gridValue);
    pressArrows(grid, choices.gridSteps);
    if (choices.atomValue)
        atoms->setValue(*choices.atomValue);
    pressArrows(atoms, choices.atomSteps);
    if (choices.clickNumbers)
        dialog.findChild<QCheckBox*>("cbNumbers")->click();
    if (choices.clickTrace)
        dialog.findChild<QCheckBox*>("cbTrace")->click();
    leave(dialog, choices.exit);
}

// The first field cell a shot from border cell entry reaches, and the cell straight across.
struct Lane {
    CellPos first;
    CellPos across;
    bool alongRow;
};

Lane laneOf(CellPos entry, int edge)
{
    const auto pos = [](int row, int column) {
        return CellPos{static_cast<std::int16_t>(row), static_cast<std::int16_t>(column)};
    };
    if (entry.row == 0 || entry.row == edge)
        return {pos(entry.row == 0 ? 1 : edge - 1, entry.column), pos(edge - entry.row, entry.column), false};
    return {pos(entry.row, entry.column == 0 ? 1 : edge - 1), pos(entry.row, edge - entry.column), true};
}

// No atom in the lane or beside it, anywhere across the field.
bool laneIsClear(const AtomLayout& atoms, const Lane& lane, int n)
{
    const int line = lane.alongRow ? lane.first.row : lane.first.column;
    for (int beside = line - 1; beside <= line + 1; ++beside) {
        for (int along = 1; along <= n; ++along) {
            const bool atom = lane.alongRow ? atoms.hasAtom(static_cast<std::int16_t>(beside), static_cast<std::int16_t>(along))
                                            : atoms.hasAtom(static_cast<std::int16_t>(along), static_cast<std::int16_t>(beside));
            if (atom)
                return false;
        }
    }
    return true;
}

int key(CellPos pos)
{
    return pos.row * 32 + pos.column;
}

// Long enough for any answer the capped engine gives; the session fails only if none ever comes.
constexpr int kPatience = 30000;
// Thousands of games are played, so the engine's answers are capped in steps as well as time;
// within the cap they are as exact as ever, and past it they say what they could not settle.
// The sanitizer build checks the window's side of them; the engine's own tests check it exactly.
#ifndef ORBALUX_PLAY_STEP_DIVISOR
#define ORBALUX_PLAY_STEP_DIVISOR 1
#endif
constexpr std::int64_t kProofSteps = 2'000 / ORBALUX_PLAY_STEP_DIVISOR;
constexpr std::int64_t kReviewSteps = 2'000 / ORBALUX_PLAY_STEP_DIVISOR;
constexpr std::int64_t kSolverSteps = 500'000 / ORBALUX_PLAY_STEP_DIVISOR;

class CappedBudget : public SearchBudget {
public:
    CappedBudget(SearchBudget& outer, std::int64_t steps) : m_outer(outer), m_steps(steps) {}
    bool allowsStep() override { return m_steps.allowsStep() && m_outer.allowsStep(); }

private:
    SearchBudget& m_outer;
    StepBudget m_steps;
};

// Waits for done without sleeping: the window's thread wakes as soon as the worker posts to it.
bool waitUntil(const std::function<bool()>& done)
{
    const QDeadlineTimer patience(kPatience);
    QTimer wake;
    wake.start(kPatience);
    while (!done() && !patience.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return done();
}

int cost(Outcome outcome)
{
    return outcome == Outcome::Deflection ? 2 : 1;
}

// The line of review at index, for a review of n shots on board.
QString reviewLine(const FieldReview& review, const Board& board, int index, int score = 0, int atoms = 0)
{
    return PlayerWords::review(review, board, score, atoms).split(QLatin1Char('\n')).value(index);
}

// What line says in place of the sample's list of places, when it is worded as sample is.
std::optional<QString> listIn(const QString& line, const QString& sample, const QString& samplePlaces)
{
    const auto at = sample.indexOf(samplePlaces);
    const QString before = sample.left(at);
    const QString after = sample.mid(at + samplePlaces.size());
    if (at < 0 || !line.startsWith(before) || !line.endsWith(after) || line.size() < before.size() + after.size())
        return std::nullopt;
    return line.mid(before.size(), line.size() - before.size() - after.size());
}

} // namespace

PlaySession::PlaySession(std::uint32_t seed)
    : m_layouts(seed)
{
    if (!m_window.startedUp())
        fail("start-up failed");
    expectMessages({}, {});
    checkNewGame(view());
    audit();
}

bool PlaySession::dealFirstGame()
{
    deal(GameSettings{});
    return true;
}

// Queues the draws of a layout chosen here, so that the next game hides atoms the test knows.
// With decidable deals on, the game takes the first layout that every border shot decides, so
// the session offers one. Crowded fields are seldom decidable; when none turns up, the player
// unticks the item, so that the game's own search for one never deals atoms the test cannot know.
void PlaySession::deal(const GameSettings& settings)
{
    const int n = settings.GridSize;
    std::vector<int> cells(static_cast<std::size_t>(n * n));
    std::iota(cells.begin(), cells.end(), 0);
    bool decidable = false;
    for (int attempt = 0; attempt < 100 && !decidable; ++attempt) {
        std::shuffle(cells.begin(), cells.end(), m_layouts);
        m_dealt.clear();
        for (int i = 0; i < settings.AtomCount; ++i)
            m_dealt.place({static_cast<std::int16_t>(cells[i] / n + 1), static_cast<std::int16_t>(cells[i] % n + 1)});
        if (!m_decidableOnly)
            break;
        StepBudget steps(5000);
        const auto shots = observeEveryBorderCell(m_dealt, settings.GridSize);
        decidable = deduceField(settings.GridSize, settings.AtomCount, shots, steps).verdict == Verdict::Unique;
    }
    if (m_decidableOnly && !decidable) {
        m_decidableOnly = false;
        m_play.trigger("mnDecidableOnly");
    }
    m_dealtFor = settings;
    m_random.queue(drawsPlacing(m_dealt, n));
}

void PlaySession::click(CellPos pos)
{
    const WindowView before = view();
    const QString said = m_window.findChild<Announcer*>()->text();
    if (before.placeOf(pos) == Place::Outside)
        m_play.reportClick(pos.row, pos.column);
    else
        m_play.click(pos.row, pos.column);
    checkClick(before, pos);
    if (m_inGame && m_proofTicked && before.placeOf(pos) == Place::Border)
        waitForProof(said);
    audit();
}

void PlaySession::clickPoint(QPoint point)
{
    const WindowView before = view();
    const CellPos target = m_play.grid().cellAt(point);
    const QString said = m_window.findChild<Announcer*>()->text();
    QTest::mouseClick(&m_play.grid(), Qt::LeftButton, Qt::NoModifier, point);
    if (before.placeOf(target) == Place::Outside) {
        expectMessages({}, {});
        checkUntouched(before);
    } else {
        checkClick(before, target);
    }
    if (m_inGame && m_proofTicked && before.placeOf(target) == Place::Border)
        waitForProof(said);
    audit();
}

void PlaySession::newGame(bool fromMenu, bool answer)
{
    const WindowView before = view();
    deal(m_play.settingsInForce());
    m_messenger.answers = {answer};
    if (fromMenu)
        m_play.trigger("mnNewGame");
    else
        m_play.press("cmdNewGame");
    m_messenger.answers.clear();
    expectMessages({}, m_inGame ? std::vector{kQuestion} : std::vector<std::string>{});
    if (m_inGame && !answer)
        checkUntouched(before);
    else
        checkNewGame(before);
    audit();
}

void PlaySession::visitSettings(const SettingsChoices& choices, bool answer)
{
    const WindowView before = view();
    m_messenger.answers = {answer};
    m_play.visitSettings([this, &choices](frmOptions& dialog) {
        choose(dialog, choices);
        // Never leave the test waiting in exec() for a dialog that failed to close.
        if (dialog.isVisible()) {
            fail("the settings dialog stayed open");
            dialog.done(QDialog::Rejected);
        }
        // Closed, the dialog shows the settings that a game started now is dealt with.
        deal(m_play.settingsInForce());
    });
    m_messenger.answers.clear();
    const bool asked = m_messenger.asked.size() > m_askedSeen;
    if (asked && (!m_inGame || choices.exit != DialogExit::OK))
        fail("the settings dialog asked about a new game though it was left without OK or between games");
    expectMessages({}, asked ? std::vector{kQuestion} : std::vector<std::string>{});
    if (asked && answer)
        checkNewGame(before);
    else
        checkUntouched(before);
    audit();
}

void PlaySession::pressSolved()
{
    const WindowView before = view();
    const bool wasInGame = m_inGame;
    m_play.press("cmdSolved");
    checkSolved(before);
    audit();
    if (wasInGame && !m_inGame)
        review();
}

void PlaySession::letTimePass(int seconds)
{
    const WindowView before = view();
    m_clock.now = std::fmod(m_clock.now + static_cast<float>(seconds), 86400.0f);
    m_secondsPlayed += seconds;
    checkUntouched(before);
    audit();
}

void PlaySession::look()
{
    const WindowView before = view();
    QCoreApplication::processEvents();
    // Paints every control; a fault in painting shows up in the sanitizer build.
    m_window.grab();
    expectMessages({}, {});
    checkUntouched(before);
    audit();
}

// The one message an action showed since the last one checked, or a problem.
std::string PlaySession::newMessage()
{
    const std::vector<std::string> newShown(m_messenger.shown.begin() + static_cast<std::ptrdiff_t>(m_shownSeen),
        m_messenger.shown.end());
    m_shownSeen = m_messenger.shown.size();
    if (newShown.size() != 1) {
        fail("showed " + joined(newShown) + " instead of one answer");
        return {};
    }
    return newShown.front();
}

void PlaySession::askWhetherShotsAreEnough()
{
    const WindowView before = view();
    m_play.trigger("mnShotsEnough");
    const std::string answer = newMessage();
    const auto is = [&](Verdict verdict) {
        return answer == PlayerWords::shotsEnough(verdict, m_atoms.count()).toStdString();
    };
    if (!is(Verdict::Unique) && !is(Verdict::Several) && !is(Verdict::Unknown))
        fail("Are My Shots Enough? answered \"" + answer + "\"");
    expectMessages({}, {});
    checkUntouched(before);
    audit();
}

void PlaySession::checkMyMarks()
{
    const WindowView before = view();
    m_play.trigger("mnCheckMarks");
    const std::string answer = newMessage();
    AtomLayout marks;
    for (const CellPos pos : before.marks())
        marks.place(pos);
    // Marks on exactly the hidden atoms fire every shot as the atoms did.
    const int n = before.side - 2;
    const QString agreeing = PlayerWords::marksCheck({}, n, marks.count(), m_atoms.count());
    if (marks == m_atoms && answer != agreeing.toStdString())
        fail("marks on the atoms were told \"" + answer + "\"");
    if (!answerCheckingMarks(QString::fromStdString(answer), n, marks.count(), m_atoms.count()))
        fail("Check My Marks answered \"" + answer + "\"");
    expectMessages({}, {});
    checkUntouched(before);
    audit();
}

void PlaySession::toggleDecidableDeals()
{
    const WindowView before = view();
    m_decidableOnly = !m_decidableOnly;
    m_play.trigger("mnDecidableOnly");
    if (m_play.child<QAction>("mnDecidableOnly")->isChecked() != m_decidableOnly)
        fail("the Deal Only Decidable Fields tick did not follow the click");
    deal(m_play.settingsInForce());
    expectMessages({}, {});
    checkUntouched(before);
    audit();
}

FieldQuestions PlaySession::questions()
{
    FieldQuestions asked;
    asked.prove = [](const Game& game, SearchBudget& budget) {
        CappedBudget capped(budget, kProofSteps);
        return proveField(game, capped);
    };
    asked.review = [](const Game& game, SearchBudget& budget) {
        CappedBudget capped(budget, kReviewSteps);
        return reviewGame(game, capped);
    };
    return asked;
}

void PlaySession::toggleProof()
{
    const WindowView before = view();
    m_proofTicked = !m_proofTicked;
    m_play.trigger("mnShowProof");
    if (m_play.child<QAction>("mnShowProof")->isChecked() != m_proofTicked)
        fail("the Show What My Shots Prove tick did not follow the click");
    QCoreApplication::processEvents();
    expectMessages({}, {});
    checkUntouched(before);
    audit();
}

// After a shot with the proof ticked, its announcement waits for the proof; once it is said,
// the proof is on the board.
void PlaySession::waitForProof(const QString& saidBefore)
{
    const auto* announcer = m_window.findChild<Announcer*>();
    if (!waitUntil([&] { return announcer->text() != saidBefore; }))
        fail("the shot was never announced with its proof");
}

// Every label the board shows must hold for the atoms dealt, whatever else the proof left open.
void PlaySession::checkProof()
{
    if (m_play.child<QAction>("mnShowProof")->isChecked() != m_proofTicked)
        fail("the Show What My Shots Prove tick changed by itself");
    const int side = m_play.grid().rows();
    for (std::int16_t row = 1; row + 1 < side; ++row) {
        for (std::int16_t column = 1; column + 1 < side; ++column) {
            const CellLook& look = m_play.cell(row, column);
            if (look.proven == Proven::No)
                continue;
            const bool atom = look.proven == Proven::Atom;
            if (!m_inGame || !m_proofTicked)
                fail("the board shows a proof at " + at({row, column}) + " with no game or the item unticked");
            if (atom != m_atoms.hasAtom(row, column))
                fail(std::string("the board shows a proven ") + (atom ? "atom" : "empty cell") + " at " + at({row, column}));
            if (!look.description.endsWith(atom ? PlayerWords::provenAtom() : PlayerWords::provenEmpty()))
                fail("the proven cell " + at({row, column}) + " is described as " + look.description.toStdString());
        }
    }
}

void PlaySession::review()
{
    auto* item = m_play.child<QAction>("mnReview");
    if (!item->isEnabled())
        return fail("Review This Field is not offered after Solved!");
    item->trigger();
    ReviewDialog* dialog = nullptr;
    const bool shown = waitUntil([&] {
        dialog = m_window.findChild<ReviewDialog*>();
        return dialog && dialog->isVisible();
    });
    if (!shown)
        return fail("the review never came");
    checkReview(dialog->text().split(QLatin1Char('\n')));
    QTest::keyClick(dialog, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (m_window.findChild<ReviewDialog*>())
        fail("Escape left the review open");
    if (m_window.cursor().shape() != Qt::ArrowCursor)
        fail("the pointer stayed busy after the review");
}

// The border cells that list names, in its order, or a problem for a name no border cell has.
std::vector<CellPos> PlaySession::placesIn(const QString& list)
{
    const Board board(static_cast<std::int16_t>(m_play.grid().rows() - 2), false);
    std::vector<CellPos> places;
    for (const QString& name : list.split(QStringLiteral(", "))) {
        const auto count = BorderCell::count(board.fieldSize());
        int number = 1;
        while (number <= count && PlayerWords::cellPlace(board, BorderCell::at(board.fieldSize(), number)) != name)
            ++number;
        if (number > count) {
            fail("the review names \"" + name.toStdString() + "\" as a border cell");
            return {};
        }
        places.push_back(BorderCell::at(board.fieldSize(), number));
    }
    return places;
}

void PlaySession::checkReview(const QStringList& lines)
{
    const Board board(static_cast<std::int16_t>(m_play.grid().rows() - 2), false);
    const int atoms = m_atoms.count();
    if (lines.size() != 4)
        return fail("the review has " + std::to_string(lines.size()) + " lines");
    FieldReview review;
    review.shots = static_cast<int>(m_fired.size());
    if (lines[0] != reviewLine(review, board, 0, view().score.toInt(), atoms))
        fail("the review begins \"" + lines[0].toStdString() + "\"");
    bool decisionKnown = false;
    for (const auto decision : {FieldReview::Decision::BeforeFirstShot, FieldReview::Decision::Never, FieldReview::Decision::Unknown}) {
        review.decision = decision;
        decisionKnown = decisionKnown || lines[1] == reviewLine(review, board, 1, 0, atoms);
    }
    review.decision = FieldReview::Decision::AtShot;
    for (review.decidingShot = 1; review.decidingShot <= review.shots; ++review.decidingShot)
        decisionKnown = decisionKnown || lines[1] == reviewLine(review, board, 1, 0, atoms);
    if (!decisionKnown)
        fail("the review's second line is \"" + lines[1].toStdString() + "\"");
    checkNews(lines[2]);
    checkPar(lines[3]);
}

// The shots that told nothing new are shots fired, in firing order.
void PlaySession::checkNews(const QString& line)
{
    const Board board(static_cast<std::int16_t>(m_play.grid().rows() - 2), false);
    FieldReview review;
    if (line == reviewLine(review, board, 2))
        return;
    review.informationKnown = true;
    if (line == reviewLine(review, board, 2))
        return;
    review.toldNothingNew = {BorderCell::at(board.fieldSize(), 1)};
    const std::optional<QString> list = listIn(line, reviewLine(review, board, 2),
        PlayerWords::cellPlace(board, review.toldNothingNew[0]));
    if (!list)
        return fail("the review's third line is \"" + line.toStdString() + "\"");
    std::size_t next = 0;
    for (const CellPos place : placesIn(*list)) {
        while (next < m_fired.size() && !(m_fired[next] == place))
            ++next;
        if (next++ >= m_fired.size())
            return fail("the review lists " + at(place) + " among the shots that told nothing new, out of order or never fired");
    }
}

// The cheapest set the review names must, fired on the atoms dealt, cost what it says, agree with
// the board, and leave the solver one layout.
void PlaySession::checkPar(const QString& line)
{
    const Board board(static_cast<std::int16_t>(m_play.grid().rows() - 2), false);
    const std::int16_t n = board.fieldSize();
    const int atoms = m_atoms.count();
    FieldReview review;
    if (line == reviewLine(review, board, 3, 0, atoms))
        return;
    review.par = FieldReview::Par::Impossible;
    if (line == reviewLine(review, board, 3, 0, atoms)) {
        StepBudget budget(kSolverSteps);
        if (deduceField(n, atoms, observeEveryBorderCell(m_atoms, n), budget).verdict == Verdict::Unique)
            fail("the review finds no deciding shots though every border cell decides the field");
        return;
    }
    // The number and the places of a sample line mark where they stand in any other.
    std::optional<std::pair<int, std::vector<CellPos>>> par;
    for (const auto kind : {FieldReview::Par::Found, FieldReview::Par::BestSoFar}) {
        review.par = kind;
        review.parPoints = 7777;
        review.parEntries = {BorderCell::at(n, 1)};
        const QString sample = reviewLine(review, board, 3, 0, atoms);
        const QString place = PlayerWords::cellPlace(board, review.parEntries[0]);
        const auto number = sample.indexOf(QStringLiteral("7777"));
        const auto named = sample.indexOf(place, number);
        const QString between = sample.mid(number + 4, named - number - 4);
        const std::optional<QString> rest = listIn(line, sample, sample.mid(number, named + place.size() - number));
        const auto split = rest ? rest->indexOf(between) : -1;
        bool isNumber = false;
        const int points = split > 0 ? rest->left(split).toInt(&isNumber) : 0;
        if (isNumber)
            par = std::pair(points, placesIn(rest->mid(split + between.size())));
    }
    if (!par)
        return fail("the review's fourth line is \"" + line.toStdString() + "\"");
    std::vector<Observation> shots;
    int points = 0;
    int lastNumber = 0;
    for (const CellPos entry : par->second) {
        const LaserWalk walk = TraceLaser(m_atoms, n, entry);
        shots.push_back({entry, walk.outcome, walk.finalCell});
        points += cost(walk.outcome);
        const int number = BorderCell::numberOf(n, entry);
        if (number <= lastNumber)
            fail("the review's deciding shots are not in border-number order at " + at(entry));
        if (walk.outcome == Outcome::Deflection && BorderCell::numberOf(n, walk.finalCell) < number)
            fail("the review names the deflection from " + at(entry) + " by its higher-numbered end");
        const auto seen = m_seen.find(key(entry));
        const QString kind = walk.outcome == Outcome::Hit ? "H" : walk.outcome == Outcome::Reflection ? "R" : "D";
        if (seen != m_seen.end() && seen->second.kind != kind)
            fail("the review's shot from " + at(entry) + " would not give what the board shows");
        lastNumber = number;
    }
    if (points != par->first)
        fail("the review's deciding shots cost " + std::to_string(points) + ", not " + std::to_string(par->first));
    StepBudget budget(kSolverSteps);
    const Verdict verdict = deduceField(n, atoms, shots, budget).verdict;
    if (verdict != Verdict::Unique && verdict != Verdict::Unknown)
        fail("the review's deciding shots do not decide the field");
}

void PlaySession::checkClick(const WindowView& before, CellPos pos)
{
    if (!m_inGame) {
        expectMessages({kRefused}, {});
        checkUntouched(before);
        return;
    }
    switch (before.placeOf(pos)) {
    case Place::Field: expectMessages({}, {}); return checkMark(before, pos);
    case Place::Border: expectMessages({}, {}); return checkShot(before, pos);
    case Place::Corner: expectMessages({kCorner}, {}); break;
    case Place::Outside: expectMessages({}, {}); break;
    }
    checkUntouched(before);
}

void PlaySession::checkMark(const WindowView& before, CellPos pos)
{
    WindowView now = view();
    const bool wasMarked = before.at(pos).text == "O";
    if (now.at(pos).text != (wasMarked ? "" : "O"))
        fail("a click on " + at(pos) + " did not toggle its mark");
    // Only the clicked cell and the count of marks may differ.
    now.cells[static_cast<std::size_t>(pos.row * now.side + pos.column)] = before.at(pos);
    now.marked = before.marked;
    if (now != before)
        fail("a mark at " + at(pos) + " changed more than its own cell");
}

void PlaySession::checkShot(const WindowView& before, CellPos pos)
{
    const WindowView now = view();
    const int scoreBefore = before.score.toInt();
    const int rise = now.score.toInt() - scoreBefore;
    if (!(rise == 1 || rise == 2 || (now.score.toInt() == kScoreCeiling && rise >= 0 && rise <= 2)))
        fail("the shot from " + at(pos) + " raised the score by " + std::to_string(rise));

    const QString shown = now.at(pos).text;
    Seen seen{shown == "H" || shown == "R" ? shown : QStringLiteral("D"), std::nullopt};
    std::vector<CellPos> others;
    for (const CellPos cell : now.cellsOf(Place::Border)) {
        if (!(cell == pos) && now.at(cell).text == shown && now.at(cell) != before.at(cell))
            others.push_back(cell);
        else if (!(cell == pos) && now.at(cell) != before.at(cell))
            fail("the shot from " + at(pos) + " changed the border cell " + at(cell));
    }
    if (seen.kind == "D" && others.size() == 1)
        seen.exit = others[0];
    else if (!others.empty() || (seen.kind == "D" && shown != kLastLetter))
        fail("the deflection from " + at(pos) + " came out at " + std::to_string(others.size()) + " cells");

    const bool traced = m_play.settingsInForce().TraceShots;
    for (const CellPos cell : now.cellsOf(Place::Field)) {
        const CellLook& was = before.at(cell);
        const CellLook& is = now.at(cell);
        if (is.text != was.text || is.background != was.background || (!traced && is != was))
            fail("the shot from " + at(pos) + " changed the field cell " + at(cell));
    }
    const QString named = seen.kind == "D" ? "\"" + shown + "\"" : shown;
    if (!now.results.startsWith(named + " means"))
        fail("the shot from " + at(pos) + " is explained as \"" + now.results.toStdString() + "\"");
    checkShotAgainstTheAtoms(now, pos, seen);
    rememberShot(pos, seen);
}

// Facts of any laser: straight through where nothing is near, stopped by an atom in front.
void PlaySession::checkShotAgainstTheAtoms(const WindowView& now, CellPos pos, const Seen& seen)
{
    const Lane lane = laneOf(pos, now.edge());
    if (m_atoms.hasAtom(lane.first) && seen.kind != "H")
        fail("the shot from " + at(pos) + " passed the atom in front of it");
    if (laneIsClear(m_atoms, lane, now.side - 2) && seen.kind == "D" && seen.exit && !(*seen.exit == lane.across))
        fail("the shot from " + at(pos) + " bent in a lane without atoms");
    if (laneIsClear(m_atoms, lane, now.side - 2) && seen.kind != "D")
        fail("the shot from " + at(pos) + " did not cross a lane without atoms");
    const auto earlier = m_seen.find(key(pos));
    if (earlier == m_seen.end())
        return;
    if (earlier->second.kind != seen.kind)
        fail("a second shot from " + at(pos) + " gave " + seen.kind.toStdString() + " after "
            + earlier->second.kind.toStdString());
    else if (earlier->second.exit && seen.exit && !(*earlier->second.exit == *seen.exit))
        fail("a second shot from " + at(pos) + " came out elsewhere");
}

// A deflection's exit, fired from, must come out at the entry.
void PlaySession::rememberShot(CellPos pos, const Seen& seen)
{
    m_fired.push_back(pos);
    m_seen[key(pos)] = seen;
    if (seen.exit)
        m_seen[key(*seen.exit)] = Seen{seen.kind, pos};
}

void PlaySession::checkSolved(const WindowView& before)
{
    const std::vector<CellPos> marks = before.marks();
    if (static_cast<int>(marks.size()) != m_atoms.count()) {
        expectMessages({solvedText(SolveResult::Kind::WrongMarkCount, m_atoms.count(), 0, 0)}, {});
        checkUntouched(before);
        return;
    }
    expectMessages({}, {});
    m_inGame = false;
    const WindowView now = view();
    for (std::size_t i = 0; i < now.cells.size(); ++i) {
        if (now.cells[i].text != before.cells[i].text || now.cells[i].picture != before.cells[i].picture)
            fail("Solved! changed what a cell shows at " + at({static_cast<std::int16_t>(i / now.side),
                static_cast<std::int16_t>(i % now.side)}));
    }
    const auto found = std::count_if(marks.begin(), marks.end(), [this](CellPos pos) { return m_atoms.hasAtom(pos); });
    const std::string expected = found == m_atoms.count()
        ? solvedText(SolveResult::Kind::AllFound, m_atoms.count(), static_cast<int>(found), m_secondsPlayed % 86400)
        : solvedText(SolveResult::Kind::NotAllFound, m_atoms.count(), static_cast<int>(found), 0);
    if (now.results.toStdString() != expected)
        fail("Solved! wrote \"" + now.results.toStdString() + "\", not \"" + expected + "\"");
    const bool bestRose = now.best.toInt() > before.best.toInt();
    const bool bestMoved = now.best != before.best;
    if (now.score != before.score || bestRose || (bestMoved && found != m_atoms.count()))
        fail("Solved! changed the score or the best score wrongly: " + now.best.toStdString());
}

void PlaySession::checkNewGame(const WindowView& before)
{
    m_atoms = m_dealt;
    m_inGame = true;
    m_secondsPlayed = 0;
    m_seen.clear();
    m_fired.clear();
    const WindowView now = view();
    if (now.side != m_dealtFor.GridSize + 2 || now.atomsInGame != QString::number(m_dealtFor.AtomCount))
        fail("the new game is not laid out for the settings the dialog shows");
    for (const CellPos pos : now.cellsOf(Place::Field)) {
        if (!now.at(pos).text.isEmpty() || now.at(pos).picture != SegmentKind::None)
            fail("the new field is not blank at " + at(pos));
    }
    for (const CellPos pos : now.cellsOf(Place::Border)) {
        if (now.at(pos).text.isEmpty() == m_dealtFor.ShowNumbers)
            fail("the new border is not " + std::string(m_dealtFor.ShowNumbers ? "numbered" : "blank") + " at " + at(pos));
    }
    if (now.score != "0" || now.best != before.best || !now.results.startsWith("Click "))
        fail("the new game did not start afresh");
}

void PlaySession::checkUntouched(const WindowView& before)
{
    if (view() != before)
        fail("the game on screen changed");
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
    checkProof();
    if (m_play.child<QAction>("mnReview")->isEnabled() == m_inGame)
        fail("Review This Field is offered during a game or not after one");
    for (const std::string& problem : auditView(view(), m_atoms, !m_inGame))
        fail(problem);
    if (!m_window.isVisible())
        fail("the main window is hidden");
    if (m_play.grid().size() != m_play.grid().sizeHint())
        fail("msfGrid is not sized to its board");
    if (QApplication::overrideCursor())
        fail("the busy pointer is still showing");
    if (const auto* dialog = m_window.findChild<frmOptions*>(QStringLiteral("frmOptions")); dialog && dialog->isVisible())
        fail("the settings dialog is still showing");
}

void PlaySession::fail(const std::string& what)
{
    m_problems.push_back(what);
}

} // namespace orbalux::testing
