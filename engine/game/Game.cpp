#include "game/Game.h"

#include "game/BorderCell.h"
#include "game/DeflectionLetter.h"
#include "game/PlaceAtoms.h"

#include <algorithm>
#include <cmath>

namespace orbalux {

namespace {

constexpr float kSecondsPerDay = 86400.0f;

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
    , m_dealComplaints(std::move(deal.complaints))
{
}

std::vector<Observation> Game::observations() const
{
    const std::int16_t n = m_board.fieldSize();
    std::vector<Observation> shown;
    for (int number = 1; number <= BorderCell::count(n); ++number) {
        const CellPos pos = BorderCell::at(n, number);
        const Cell& cell = m_board.cell(pos);
        if (cell.shot == Outcome::Hit || cell.shot == Outcome::Reflection)
            shown.push_back({pos, cell.shot, pos});
        else if (cell.shot == Outcome::Deflection && m_board.borderNumber(cell.partner) > m_board.borderNumber(pos))
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
        return Refusal{Refusal::Kind::NoGame};
    switch (m_board.kindOf(cell)) {
    case CellKind::Outside: return Ignored{};
    case CellKind::Field: return ToggleMark(cell);
    case CellKind::Corner: return Refusal{Refusal::Kind::Corner};
    case CellKind::Border: break;
    }
    return Shoot(cell, traceShots);
}

ShotResult Game::Shoot(CellPos entry, bool traceShots)
{
    LaserWalk walk = TraceLaser(m_atomMap, m_board.fieldSize(), entry);
    ShotResult shot{walk.outcome, entry, walk.finalCell, {}, 0, std::move(walk.trace)};
    m_shotsFired.push_back(entry);
    if (traceShots) {
        for (const TraceSegment& segment : shot.trace)
            Cheat(segment);
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
    const auto write = [this](CellPos pos, Outcome outcome, std::int16_t letter, CellPos partner) {
        Cell& cell = m_board.cell(pos);
        cell.shot = outcome;
        cell.letter = letter;
        cell.partner = partner;
    };
    if (shot.outcome == Outcome::Deflection) {
        shot.letter = deflectionLetter(m_nextDeflectionLetter);
        write(shot.entry, Outcome::Deflection, m_nextDeflectionLetter, shot.exit);
        write(shot.exit, Outcome::Deflection, m_nextDeflectionLetter, shot.entry);
        m_nextDeflectionLetter = std::min<std::int16_t>(
            static_cast<std::int16_t>(m_nextDeflectionLetter + 1), kLastDeflectionLetter);
    } else {
        write(shot.entry, shot.outcome, 0, {-1, -1});
    }
    shot.cost = charge(shot.outcome == Outcome::Deflection ? 2 : 1);
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
        return {SolveResult::Kind::WrongMarkCount, m_atomCount, 0, 0};
    m_gameInProgress = false;
    const int found = revealAtoms();
    if (found != m_atomCount)
        return {SolveResult::Kind::NotAllFound, m_atomCount, found, 0};
    return {SolveResult::Kind::AllFound, m_atomCount, found, elapsedSeconds(m_gameStartTime, now)};
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
