#include "deduce/PartialWalk.h"

#include "game/BorderCell.h"

#include <array>

namespace orbalux {

namespace {

// The cells of the laser's look as offsets in the index of PartialField, worked out once.
struct FlatLook {
    int ahead, first, second;
};

constexpr int flat(CellOffset offset)
{
    return offset.row * AtomLayout::kSide + offset.column;
}

constexpr std::array<FlatLook, 4> kFlatLooks = [] {
    std::array<FlatLook, 4> looks{};
    for (std::size_t i = 0; i < looks.size(); ++i)
        looks[i] = {flat(kLaserLooks[i].ahead), flat(kLaserLooks[i].first), flat(kLaserLooks[i].second)};
    return looks;
}();

const FlatLook& flatLook(Heading heading)
{
    return kFlatLooks[static_cast<std::size_t>(heading)];
}

// A walk visits each cell at most once per heading; beyond that it could only be circling.
constexpr int kMaxSteps = 4 * PartialField::kCells;

Heading headingInto(int gridSize, CellPos entry)
{
    // An entry off the border breaks the contract; any heading will do for it.
    return headingFrom(BorderCell::sideOf(static_cast<std::int16_t>(gridSize), entry).value_or(Side::Left));
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
      m_column(static_cast<std::int8_t>(entry.column)), m_heading(headingInto(gridSize, entry)),
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
    const FlatLook& look = flatLook(m_heading);
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
    const LaserLook& look = laserLook(m_heading);
    Heading heading = firstAtom ? look.firstTurn.heading : look.secondTurn.heading;
    if (onEntryBorder() || (!firstAtom && !secondAtom)) {
        moveAhead();
        return;
    }
    if (firstAtom && secondAtom)
        heading = look.reversed;
    m_heading = heading;
}

void PartialWalk::moveAhead()
{
    const CellOffset ahead = laserLook(m_heading).ahead;
    m_row = static_cast<std::int8_t>(m_row + ahead.row);
    m_column = static_cast<std::int8_t>(m_column + ahead.column);
}

bool PartialWalk::onLastLine() const
{
    return orbalux::onLastLine(m_heading, m_row, m_column, m_gridSize);
}

bool PartialWalk::onEntryBorder() const
{
    return orbalux::onEntryBorder(m_heading, m_row, m_column, m_gridSize);
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
