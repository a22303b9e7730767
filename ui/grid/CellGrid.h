#pragma once

#include "game/CellPos.h"
#include "grid/CellLook.h"

#include <QPixmap>
#include <QWidget>

#include <array>
#include <vector>

namespace orbalux {

class PictureStore;

/**
 * A painted table of cells: background, then the cell's trace picture, then its text, with thin
 * grid lines. Reports clicks; changes nothing itself. No headers, no scroll bars.
 * The keyboard moves a current cell with the arrows and clicks it with Space or Enter; screen
 * readers see a table whose cells are named by their text (CellGridAccessible).
 */
class CellGrid : public QWidget {
    Q_OBJECT

public:
    explicit CellGrid(QWidget* parent = nullptr);

    /**
     * Shows rows x columns cells given row by row (missing ones blank), repaints, refreshes the
     * size hint and tells screen readers what changed since the cells shown before.
     */
    void setCells(int rows, int columns, std::vector<CellLook> cells);
    /** Where cell pictures come from; nullptr draws none. */
    void setPictureStore(const PictureStore* store);

    /** One height for every row, in device-independent pixels. */
    void setRowHeight(int height);
    /** One width for every column; drops widths set per column. */
    void setColumnWidth(int width);
    /** The width of one column; the others keep theirs. */
    void setColumnWidth(int column, int width);

    int rowHeight() const { return m_rowHeight; }
    int columnWidth(int column) const;

    /** Where cell (row, column) is drawn, in widget coordinates. */
    QRect cellRect(int row, int column) const;
    /** The cell under point, or (-1, -1) off the cells. */
    CellPos cellAt(QPoint point) const;

    int rows() const { return m_rows; }
    int columns() const { return m_columns; }
    /** The look of cell (row, column), or nullptr off the grid. */
    const CellLook* look(int row, int column) const;

    /** The cell the keyboard acts on, kept on the board; (-1, -1) when there are no cells. */
    CellPos currentCell() const;
    /** Makes (row, column) the current cell; ignored off the board. */
    void setCurrentCell(int row, int column);

    /** The size that shows every cell of the board and the frame around them. */
    QSize sizeHint() const override;

signals:
    /** The player clicked cell (row, column) of the board. */
    void cellClicked(int row, int column);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    int columnLeft(int column) const;
    int rowTop(int row) const;
    int rowAt(int y) const;
    int columnAt(int x) const;
    void paintCell(QPainter& painter, const QRect& rect, const CellLook& cell);
    const QPixmap& scaledPicture(SegmentKind kind, QSize deviceSize);
    void paintFocus(QPainter& painter) const;
    void moveCurrentCell(int rowStep, int columnStep);
    bool clickCurrentCell(bool repeated);
    void announceChanges(const std::vector<CellLook>& before, int columnsBefore);

    int m_rows = 0;
    int m_columns = 0;
    std::vector<CellLook> m_cells;
    const PictureStore* m_pictures = nullptr;
    int m_rowHeight = 27;
    int m_defaultColumnWidth = 27;
    std::vector<int> m_columnWidths;
    CellPos m_pressed{-1, -1};
    CellPos m_current{0, 0};

    // Smooth scaling is the dearest part of a paint, so each picture is scaled once per cell size.
    struct ScaledPicture {
        qint64 source = 0;
        QPixmap pixmap;
    };
    std::array<ScaledPicture, kSegmentKindCount> m_scaled;
    QSize m_scaledSize;
};

} // namespace orbalux
