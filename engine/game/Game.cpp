#include "game/Game.h"

#include "game/BorderCell.h"
#include "game/DeflectionLetter.h"
#include "game/PlaceAtoms.h"

#include <algorithm>
#include <cmath>

namespace orbalux {

namespace {

constexpr float kSecondsPerDay = 86400.0f;

// A blank before a number that is not negative, as the result messages show numbers.
std::string signPadded(long long n)
{
    if (n < 0)
        return std::to_string(n);
    // Appended rather than prepended: GCC 12 at -O3 misreads " " + string as an overlapping copy.
    std::string padded(1, ' ');
    padded += std::to_string(n);
    return padded;
}

std::string explanationOf(Outcome outcome, const std::string& letter)
{
    switch (outcome) {
    case Outcome::Hit: return "H means your laser Hit an atom.";
    case Outcome::Reflection:
        return "R means either your laser was unable to go in because of an adjacent atom "
               "or it came out the same place it went in.";
    case Outcome::Deflection: return "\"" + letter + "\" means your laser went in one place and out another.";
    case Outcome::None: break;
    }
    return {};
}

} // namespace

Game::Game(const GameSettings& settings, RandomSource& random)
    : Game(settings, PlaceAtoms(settings.GridSize, settings.AtomCount, random))
{
}

Game::Game(const GameSettings& settings, AtomDeal deal)
    : m_board(settings.GridSize, settings.ShowNumbers)
    , m_atomMap(deal.AtomMap)
    , m_atomCount(deal.placed)
    , m_nextDeflectionLetter(kFirstDeflectionLetter)
    , m_gameInProgress(true)
    , m_showsNumbers(settings.ShowNumbers)
    , m_dealComplaints(std::move(deal.complaints))
{
}

std::string Game::instructionText() const
{
    return std::string("Click ") + (m_showsNumbers ? "a number" : "a light blue square")
        + " on the edge of the field, or place/remove atoms on the field. "
          "Click Solved! when you think you have placed the atom correctly.";
}

std::vector<Observation> Game::observations() const
{
    const std::int16_t n = m_board.fieldSize();
    std::vector<Observation> shown;
    for (int number = 1; number <= BorderCell::count(n); ++number) {
        const CellPos pos = BorderCell::at(n, number);
        const Cell& cell = m_board.cell(pos);
        if (cell.shot == ShotMark::Hit || cell.shot == ShotMark::Reflection)
            shown.push_back({pos, cell.shot == ShotMark::Hit ? Outcome::Hit : Outcome::Reflection, pos});
        else if (cell.shot == ShotMark::Deflection && m_board.borderNumber(cell.partner) > m_board.borderNumber(pos))
            shown.push_back({pos, Outcome::Deflection, cell.partner});
    }
    return shown;
}

AtomLayout Game::marks() const
{
    AtomLayout marks;
    const std::int16_t n = m_board.fieldSize();
    for (std::int16_t row = 1; row <= n; ++row) {
        for (std::int16_t column = 1; column <= n; ++column) {
            if (m_board.cell({row, column}).marked)
                marks.place({row, column});
        }
    }
    return marks;
}

ClickResult Game::click(CellPos cell, bool traceShots)
{
    if (!m_gameInProgress)
        return {ClickResult::Effect::Refused,
            "Cheating Zindra? You can't make any changes until you start a new game.", {}, {}};
    switch (m_board.kindOf(cell)) {
    case CellKind::Outside: return {};
    case CellKind::Field: return {ClickResult::Effect::Marked, {}, {}, ToggleMark(cell)};
    case CellKind::Corner: return {ClickResult::Effect::Corner, "Don't select corner cells, silly!", {}, {}};
    case CellKind::Border: break;
    }
    return {ClickResult::Effect::Shot, {}, Shoot(cell, traceShots), {}};
}

ShotResult Game::Shoot(CellPos entry, bool traceShots)
{
    LaserWalk walk = TraceLaser(m_atomMap, m_board.fieldSize(), entry);
    ShotResult shot{walk.outcome, entry, walk.finalCell, {}, 0, std::move(walk.trace), {}, {}};
    if (traceShots) {
        for (const TraceSegment& segment : shot.trace)
            Cheat(segment);
    }
    if (shot.outcome == Outcome::None) {
        // Without a heading the walk cannot take a single step, so every guard on the way fires.
        shot.complaints = {"Bad logic #1 in Shoot()", "Bad logic #2 in Shoot()", "Bad logic #3 in Shoot()"};
        return shot;
    }
    writeOutcome(shot);
    return shot;
}

// Tracing shows the player the path, which gives the atoms away: hence the name.
void Game::Cheat(const TraceSegment& segment)
{
    if (m_board.kindOf(segment.cell) == CellKind::Field)
        m_board.cell(segment.cell).trace = segment.kind;
}

void Game::writeOutcome(ShotResult& shot)
{
    const auto write = [this](CellPos pos, ShotMark mark, std::int16_t letter, CellPos partner) {
        if (m_board.kindOf(pos) != CellKind::Border)
            return;
        Cell& cell = m_board.cell(pos);
        cell.shot = mark;
        cell.letter = letter;
        cell.partner = partner;
    };
    if (shot.outcome == Outcome::Deflection) {
        shot.letter = deflectionLetter(m_nextDeflectionLetter);
        write(shot.entry, ShotMark::Deflection, m_nextDeflectionLetter, shot.exit);
        write(shot.exit, ShotMark::Deflection, m_nextDeflectionLetter, shot.entry);
        m_nextDeflectionLetter = std::min<std::int16_t>(
            static_cast<std::int16_t>(m_nextDeflectionLetter + 1), kLastDeflectionLetter);
    } else {
        write(shot.entry, shot.outcome == Outcome::Hit ? ShotMark::Hit : ShotMark::Reflection, 0, {-1, -1});
    }
    shot.cost = charge(shot.outcome == Outcome::Deflection ? 2 : 1);
    shot.explanation = explanationOf(shot.outcome, shot.letter);
}

std::int16_t Game::charge(std::int16_t cost)
{
    const std::int16_t before = m_score;
    m_score = static_cast<std::int16_t>(std::min<int>(m_score + cost, kScoreCeiling));
    return static_cast<std::int16_t>(m_score - before);
}

MarkResult Game::ToggleMark(CellPos pos)
{
    if (m_board.kindOf(pos) != CellKind::Field)
        return {pos, false, m_markedCount};
    Cell& cell = m_board.cell(pos);
    cell.marked = !cell.marked;
    m_markedCount = static_cast<std::int16_t>(m_markedCount + (cell.marked ? 1 : -1));
    return {pos, cell.marked, m_markedCount};
}

SolveResult Game::SolveGame(float now)
{
    if (m_markedCount != m_atomCount)
        return {SolveResult::Kind::WrongMarkCount,
            "You do not have exactly " + signPadded(m_atomCount) + " atoms marked.", 0};
    m_gameInProgress = false;
    const int found = revealAtoms();
    if (found != m_atomCount)
        return {SolveResult::Kind::NotAllFound,
            "Rats! You only found " + signPadded(found) + " of the atoms!  Click New Game to go again...", found};
    const long long seconds = elapsedSeconds(m_gameStartTime, now);
    return {SolveResult::Kind::AllFound,
        "Groovy! You found all " + signPadded(m_atomCount) + " atoms in" + signPadded(seconds)
            + " seconds!  Click New Game to go again...",
        found};
}

int Game::revealAtoms()
{
    int found = 0;
    const std::int16_t n = m_board.fieldSize();
    for (std::int16_t row = 1; row <= n; ++row) {
        for (std::int16_t column = 1; column <= n; ++column) {
            if (!m_atomMap.hasAtom(row, column))
                continue;
            Cell& cell = m_board.cell({row, column});
            cell.atomRevealed = true;
            found += cell.marked ? 1 : 0;
        }
    }
    return found;
}

long long elapsedSeconds(float start, float now)
{
    float elapsed = now - start;
    // The clock starts again at midnight; a negative span means the game ran past it.
    if (elapsed < 0.0f)
        elapsed += kSecondsPerDay;
    if (!(elapsed >= 0.0f))
        return 0;
    return static_cast<long long>(std::floor(elapsed));
}

} // namespace orbalux
