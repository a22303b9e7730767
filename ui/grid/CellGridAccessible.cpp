#include "grid/CellGridAccessible.h"

#include "grid/CellGrid.h"
#include "grid/CellGridCellAccessible.h"

namespace orbalux {

namespace {

void announceCell(CellGrid& grid, int index, QAccessible::Event change)
{
    QAccessibleEvent event(&grid, change);
    event.setChild(index);
    QAccessible::updateAccessibility(&event);
}

} // namespace

CellGridAccessible::CellGridAccessible(CellGrid* grid) : QAccessibleWidget(grid, QAccessible::Table)
{
}

CellGridAccessible::~CellGridAccessible()
{
    dropCells();
}

QAccessibleInterface* CellGridAccessible::create(const QString& className, QObject* object)
{
    if (className != QLatin1String(CellGrid::staticMetaObject.className()))
        return nullptr;
    auto* grid = qobject_cast<CellGrid*>(object);
    return grid ? new CellGridAccessible(grid) : nullptr;
}

void CellGridAccessible::announceReset(CellGrid& grid)
{
    QAccessibleTableModelChangeEvent reset(&grid, QAccessibleTableModelChangeEvent::ModelReset);
    QAccessible::updateAccessibility(&reset);
}

void CellGridAccessible::announceChange(CellGrid& grid, int index, const CellLook& before, const CellLook& after)
{
    if (before.text != after.text)
        announceCell(grid, index, QAccessible::NameChanged);
    if (before.description != after.description)
        announceCell(grid, index, QAccessible::DescriptionChanged);
}

void CellGridAccessible::announceFocus(CellGrid& grid, CellPos cell)
{
    if (grid.look(cell.row, cell.column))
        announceCell(grid, cell.row * grid.columns() + cell.column, QAccessible::Focus);
}

CellGrid* CellGridAccessible::grid() const
{
    return static_cast<CellGrid*>(widget());
}

void CellGridAccessible::dropCells()
{
    for (const auto& [cell, id] : m_cells)
        QAccessible::deleteAccessibleInterface(id);
    m_cells.clear();
}

void* CellGridAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

int CellGridAccessible::childCount() const
{
    return rowCount() * columnCount();
}

QAccessibleInterface* CellGridAccessible::child(int index) const
{
    const int columns = columnCount();
    if (index < 0 || index >= childCount())
        return nullptr;
    return cellAt(index / columns, index % columns);
}

int CellGridAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    if (!child || child->parent() != this)
        return -1;
    const auto* cell = const_cast<QAccessibleInterface*>(child)->tableCellInterface();
    return cell ? cell->rowIndex() * columnCount() + cell->columnIndex() : -1;
}

QAccessibleInterface* CellGridAccessible::childAt(int x, int y) const
{
    const CellPos cell = grid()->cellAt(grid()->mapFromGlobal(QPoint(x, y)));
    return cellAt(cell.row, cell.column);
}

QAccessibleInterface* CellGridAccessible::focusChild() const
{
    if (!grid()->hasFocus())
        return QAccessibleWidget::focusChild();
    const CellPos current = grid()->currentCell();
    return cellAt(current.row, current.column);
}

QAccessibleInterface* CellGridAccessible::caption() const
{
    return nullptr;
}

QAccessibleInterface* CellGridAccessible::summary() const
{
    return nullptr;
}

QAccessibleInterface* CellGridAccessible::cellAt(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return nullptr;
    const auto key = std::pair(row, column);
    if (const auto known = m_cells.find(key); known != m_cells.end())
        return QAccessible::accessibleInterface(known->second);
    auto* cell = new CellGridCellAccessible(
        grid(), CellPos{static_cast<std::int16_t>(row), static_cast<std::int16_t>(column)});
    m_cells.emplace(key, QAccessible::registerAccessibleInterface(cell));
    return cell;
}

int CellGridAccessible::selectedCellCount() const
{
    return 0;
}

QList<QAccessibleInterface*> CellGridAccessible::selectedCells() const
{
    return {};
}

QString CellGridAccessible::columnDescription(int) const
{
    return {};
}

QString CellGridAccessible::rowDescription(int) const
{
    return {};
}

int CellGridAccessible::selectedColumnCount() const
{
    return 0;
}

int CellGridAccessible::selectedRowCount() const
{
    return 0;
}

int CellGridAccessible::columnCount() const
{
    return grid()->columns();
}

int CellGridAccessible::rowCount() const
{
    return grid()->rows();
}

QList<int> CellGridAccessible::selectedColumns() const
{
    return {};
}

QList<int> CellGridAccessible::selectedRows() const
{
    return {};
}

bool CellGridAccessible::isColumnSelected(int) const
{
    return false;
}

bool CellGridAccessible::isRowSelected(int) const
{
    return false;
}

// Selection means nothing in the game; a screen reader cannot make one.
bool CellGridAccessible::selectRow(int)
{
    return false;
}

bool CellGridAccessible::selectColumn(int)
{
    return false;
}

bool CellGridAccessible::unselectRow(int)
{
    return false;
}

bool CellGridAccessible::unselectColumn(int)
{
    return false;
}

// Cells are made afresh on demand, so after a new layout the old ones go.
void CellGridAccessible::modelChange(QAccessibleTableModelChangeEvent*)
{
    dropCells();
}

} // namespace orbalux
