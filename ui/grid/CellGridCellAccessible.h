#pragma once

#include "game/CellPos.h"

#include "grid/ChildlessAccessible.h"

#include <QAccessibleInterface>
#include <QPointer>

namespace orbalux {

struct CellLook;
class CellGrid;

/**
 * One cell of a CellGrid for screen readers: named by its text, described by its meaning.
 * Reads the grid live, so it always tells what the grid shows now; invalid once its cell
 * is off the board or the grid is gone.
 */
class CellGridCellAccessible : public ChildlessAccessible<QAccessibleInterface>,
                               public QAccessibleTableCellInterface {
public:
    /** Cell cell of grid; the grid may go away first. */
    CellGridCellAccessible(CellGrid* grid, CellPos cell);

    // As an accessible object: no object or children of its own; its rectangle is on screen.
    bool isValid() const override;
    QObject* object() const override;
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString& text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // As a table cell: one row and one column at its place, never selected, no headers.
    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override;
    int columnIndex() const override;
    int rowIndex() const override;
    int columnExtent() const override;
    int rowExtent() const override;
    QAccessibleInterface* table() const override;

private:
    const CellLook* cell() const;

    QPointer<CellGrid> m_grid;
    CellPos m_pos;
};

} // namespace orbalux
