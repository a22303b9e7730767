#pragma once

#include "game/CellPos.h"

#include <QAccessibleWidget>

#include <map>
#include <utility>

namespace orbalux {

class CellGrid;
struct CellLook;

/**
 * A CellGrid as screen readers see it: a table of rows x columns cells, each named by the text
 * it shows and described by what its colour, mark and picture mean. Cells have no
 * selection and no headers. Made by create(), which CellGrid installs as an accessibility factory.
 */
class CellGridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    /** The table of grid. */
    explicit CellGridAccessible(CellGrid* grid);
    ~CellGridAccessible() override;

    /** The factory for QAccessible::installFactory: an interface for every CellGrid, else nullptr. */
    static QAccessibleInterface* create(const QString& className, QObject* object);
    /** Tells screen readers that grid holds a table of another shape. */
    static void announceReset(CellGrid& grid);
    /** Tells screen readers what changed in the cell at index (row by row) from before to after. */
    static void announceChange(CellGrid& grid, int index, const CellLook& before, const CellLook& after);
    /** Tells screen readers that cell of grid has the keyboard focus. */
    static void announceFocus(CellGrid& grid, CellPos cell);

    // As an accessible object: its children are the cells, row by row; the focus is on the current one.
    void* interface_cast(QAccessible::InterfaceType type) override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // As a table: the board's rows and columns; no caption, headers or selection.
    QAccessibleInterface* caption() const override;
    QAccessibleInterface* summary() const override;
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override;
    int selectedRowCount() const override;
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override;
    QList<int> selectedRows() const override;
    bool isColumnSelected(int column) const override;
    bool isRowSelected(int row) const override;
    bool selectRow(int row) override;
    bool selectColumn(int column) override;
    bool unselectRow(int row) override;
    bool unselectColumn(int column) override;
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

private:
    CellGrid* grid() const;
    void dropCells();

    // Cell interfaces belong to Qt's accessibility cache once registered; these are their ids.
    mutable std::map<std::pair<int, int>, QAccessible::Id> m_cells;
};

} // namespace orbalux
