#include "deduce/PartialField.h"

namespace orbalux {

PartialField::PartialField(int gridSize) : m_gridSize(gridSize)
{
    m_cells.fill(CellState::Empty);
    for (int row = 1; row <= gridSize; ++row) {
        for (int column = 1; column <= gridSize; ++column)
            m_cells[static_cast<std::size_t>(indexOf(row, column))] = CellState::Unknown;
    }
    for (int index = 0; index < kCells; ++index)
        m_decided[static_cast<std::size_t>(index)] = at(index) != CellState::Unknown;
    m_undecided = gridSize * gridSize;
}

void PartialField::decide(int index, CellState state)
{
    m_cells[static_cast<std::size_t>(index)] = state;
    m_decided.set(static_cast<std::size_t>(index));
    --m_undecided;
    if (state == CellState::Atom)
        ++m_atoms;
}

void PartialField::decideRest(CellState state)
{
    for (CellState& cell : m_cells) {
        if (cell == CellState::Unknown)
            cell = state;
    }
    m_decided.set();
    if (state == CellState::Atom)
        m_atoms += m_undecided;
    m_undecided = 0;
}

std::vector<int> PartialField::undecidedCells() const
{
    std::vector<int> cells;
    for (int index = 0; index < kCells; ++index) {
        if (at(index) == CellState::Unknown)
            cells.push_back(index);
    }
    return cells;
}

AtomLayout PartialField::layoutWith(const std::vector<int>& extraAtoms) const
{
    AtomLayout layout;
    for (int index = 0; index < kCells; ++index) {
        if (at(index) == CellState::Atom)
            layout.place(posOf(index));
    }
    for (int index : extraAtoms)
        layout.place(posOf(index));
    return layout;
}

} // namespace orbalux
