#include "deduce/PartialWalk.h"

#include <array>

namespace orbalux {

namespace {

enum class Heading : std::uint8_t { Down, Up, Right, Left };

// Offsets of the cells looked at, in the index of PartialField, and where each answer turns
// the laser; the same table as TraceLaser's, so both walks meet the same atoms in the same order.
struct Look {
    int ahead, first, second;
    Heading firstTurn, secondTurn, reversed;
};

constexpr int kRow = AtomLayout::kSide;
using enum Heading;
constexpr std::array<Look, 4> kLooks{{
    {kRow, kRow - 1, kRow + 1, Right, Left, Up},
    {-kRow, -kRow - 1, -kRow + 1, Right, Left, Down},
    {1, kRow + 1, -kRow + 1, Up, Down, Left},
    {-1, kRow - 1, -kRow - 1, Up, Down, Right},
}};

const Look& lookTowards(std::uint8_t heading)
{
    return kLooks[heading];
}

// A walk visits each cell at most once per heading; beyond that it could only be circling.
constexpr int kMaxSteps = 4 * PartialField::kCells;

std::uint8_t headingFrom(CellPos entry, int gridSize)
{
    Heading heading = entry.column == 0 ? Right : Left;
    if (entry.row == 0)
        heading = Down;
    else if (entry.row == gridSize + 1)
        heading = Up;
    return static_cast<std::uint8_t>(heading);
}

} // namespace

struct PartialWalk::Lookup {
    const PartialField& field;
    int assumed;
    CellState assumedState;

    CellState operator()(int index) const { return index == assumed ? assumedState : field.at(index); }
};

PartialWalk::PartialWalk(int gridSize, CellPos entry)
    : m_gridSize(static_cast<std::int8_t>(gridSize)), m_row(static_cast<std::int8_t>(entry.row)),
      m_column(static_cast<std::int8_t>(entry.column)), m_heading(headingFrom(entry, gridSize)),
      m_entryRow(m_row), m_entryColumn(m_column)
{
}

WalkStop PartialWalk::advance(const PartialField& field, int assumed, CellState assumedState)
{
    const Lookup cellAt{field, assumed, assumedState};
    int blocked = -1;
    while (!m_finished && blocked < 0)
        blocked = step(cellAt);
    return stop(blocked);
}

// One move or turn; returns the undecided cell that holds it up, or -1.
int PartialWalk::step(const Lookup& cellAt)
{
    const Look& look = lookTowards(m_heading);
    if (onLastLine()) {
        moveAhead();
        finish(Outcome::Deflection);
        return -1;
    }
    const int here = PartialField::indexOf(m_row, m_column);
    const CellState ahead = cellAt(here + look.ahead);
    if (ahead != CellState::Empty) {
        if (ahead == CellState::Atom)
            finish(Outcome::Hit);
        return ahead == CellState::Atom ? -1 : here + look.ahead;
    }
    const CellState first = cellAt(here + look.first);
    const CellState second = cellAt(here + look.second);
    if (onEntryBorder() && (first == CellState::Atom || second == CellState::Atom)) {
        finish(Outcome::Reflection);
        return -1;
    }
    if (first == CellState::Unknown)
        return here + look.first;
    if (second == CellState::Unknown)
        return here + look.second;
    if (++m_steps > kMaxSteps)
        finish(Outcome::None);
    else
        turnOrMove(first == CellState::Atom, second == CellState::Atom);
    return -1;
}

void PartialWalk::turnOrMove(bool firstAtom, bool secondAtom)
{
    const Look& look = lookTowards(m_heading);
    Heading heading = firstAtom ? look.firstTurn : look.secondTurn;
    if (onEntryBorder() || (!firstAtom && !secondAtom)) {
        moveAhead();
        return;
    }
    if (firstAtom && secondAtom)
        heading = look.reversed;
    m_heading = static_cast<std::uint8_t>(heading);
}

void PartialWalk::moveAhead()
{
    const int ahead = lookTowards(m_heading).ahead;
    m_row = static_cast<std::int8_t>(m_row + ahead / kRow);
    m_column = static_cast<std::int8_t>(m_column + ahead % kRow);
}

bool PartialWalk::onLastLine() const
{
    switch (static_cast<Heading>(m_heading)) {
    case Down: return m_row == m_gridSize;
    case Up: return m_row == 1;
    case Right: return m_column == m_gridSize;
    default: return m_column == 1;
    }
}

bool PartialWalk::onEntryBorder() const
{
    switch (static_cast<Heading>(m_heading)) {
    case Down: return m_row == 0;
    case Up: return m_row == m_gridSize + 1;
    case Right: return m_column == 0;
    default: return m_column == m_gridSize + 1;
    }
}

void PartialWalk::finish(Outcome outcome)
{
    m_finished = true;
    const bool backAtEntry = m_row == m_entryRow && m_column == m_entryColumn;
    m_outcome = outcome == Outcome::Deflection && backAtEntry ? Outcome::Reflection : outcome;
}

WalkStop PartialWalk::stop(int blockedCell) const
{
    if (!m_finished)
        return {false, blockedCell, Outcome::None, {}};
    return {true, -1, m_outcome, {m_row, m_column}};
}

} // namespace orbalux
