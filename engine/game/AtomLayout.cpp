#include "game/AtomLayout.h"

#include <algorithm>

namespace orbalux {

void AtomLayout::place(CellPos pos)
{
    if (inside(pos.row, pos.column))
        m_atoms[index(pos.row, pos.column)] = true;
}

int AtomLayout::count() const
{
    return static_cast<int>(std::count(m_atoms.begin(), m_atoms.end(), true));
}

} // namespace orbalux
