#include "grid/CellGridCellAccessible.h"

#include "grid/CellGrid.h"

#include <QWindow>

namespace orbalux {

CellGridCellAccessible::CellGridCellAccessible(CellGrid* grid, CellPos cell) : m_grid(grid), m_pos(cell)
{
}

const CellLook* CellGridCellAccessible::cell() const
{
    return m_grid ? m_grid->look(m_pos.row, m_pos.column) : nullptr;
}

bool CellGridCellAccessible::isValid() const
{
    return cell() != nullptr;
}

// A cell is no object of its own; the grid is.
QObject* CellGridCellAccessible::object() const
{
    return nullptr;
}

QWindow* CellGridCellAccessible::window() const
{
    return m_grid ? m_grid->window()->windowHandle() : nullptr;
}

QAccessibleInterface* CellGridCellAccessible::parent() const
{
    return m_grid ? QAccessible::queryAccessibleInterface(m_grid) : nullptr;
}

QString CellGridCellAccessible::text(QAccessible::Text t) const
{
    const CellLook* shown = cell();
    if (!shown)
        return {};
    switch (t) {
    case QAccessible::Name: return shown->text;
    case QAccessible::Description: return shown->description;
    default: return {};
    }
}

// The board changes only through the game, never through a screen reader.
void CellGridCellAccessible::setText(QAccessible::Text, const QString&)
{
}

QRect CellGridCellAccessible::rect() const
{
    if (!isValid())
        return {};
    const QRect local = m_grid->cellRect(m_pos.row, m_pos.column);
    return {m_grid->mapToGlobal(local.topLeft()), local.size()};
}

QAccessible::Role CellGridCellAccessible::role() const
{
    return QAccessible::Cell;
}

QAccessible::State CellGridCellAccessible::state() const
{
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    state.focusable = true;
    state.focused = m_grid->hasFocus() && m_grid->currentCell() == m_pos;
    state.active = m_grid->currentCell() == m_pos;
    state.invisible = !m_grid->isVisible();
    return state;
}

void* CellGridCellAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableCellInterface)
        return static_cast<QAccessibleTableCellInterface*>(this);
    return nullptr;
}

bool CellGridCellAccessible::isSelected() const
{
    return false;
}

QList<QAccessibleInterface*> CellGridCellAccessible::columnHeaderCells() const
{
    return {};
}

QList<QAccessibleInterface*> CellGridCellAccessible::rowHeaderCells() const
{
    return {};
}

int CellGridCellAccessible::columnIndex() const
{
    return m_pos.column;
}

int CellGridCellAccessible::rowIndex() const
{
    return m_pos.row;
}

int CellGridCellAccessible::columnExtent() const
{
    return 1;
}

int CellGridCellAccessible::rowExtent() const
{
    return 1;
}

QAccessibleInterface* CellGridCellAccessible::table() const
{
    return parent();
}

} // namespace orbalux
