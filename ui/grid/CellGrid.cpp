#include "CellGrid.h"

#include "CellColours.h"
#include "PictureStore.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <utility>

namespace orbalux {

namespace {

// Grid lines and the frame are one pixel wide; every cell starts one line after the last.
constexpr int kLine = 1;
constexpr int kTextPadding = 3;
constexpr int kUnsetWidth = -1;
const QColor kLineColour(0x80, 0x80, 0x80);

constexpr CellPos kNoCell{-1, -1};

} // namespace

CellGrid::CellGrid(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CellGrid::setBoard(const Board* board)
{
    m_board = board;
    m_pressed = kNoCell;
    updateGeometry();
    update();
}

void CellGrid::setPictureStore(const PictureStore* store)
{
    m_pictures = store;
    update();
}

void CellGrid::setRowHeight(int height)
{
    m_rowHeight = std::max(height, 0);
    updateGeometry();
    update();
}

void CellGrid::setColumnWidth(int width)
{
    m_defaultColumnWidth = std::max(width, 0);
    m_columnWidths.clear();
    updateGeometry();
    update();
}

void CellGrid::setColumnWidth(int column, int width)
{
    if (column < 0)
        return;
    const auto index = static_cast<std::size_t>(column);
    if (index >= m_columnWidths.size())
        m_columnWidths.resize(index + 1, kUnsetWidth);
    m_columnWidths[index] = std::max(width, 0);
    updateGeometry();
    update();
}

int CellGrid::columnWidth(int column) const
{
    const auto index = static_cast<std::size_t>(column);
    if (column >= 0 && index < m_columnWidths.size() && m_columnWidths[index] != kUnsetWidth)
        return m_columnWidths[index];
    return m_defaultColumnWidth;
}

int CellGrid::rows() const
{
    return m_board ? m_board->rows() : 0;
}

int CellGrid::columns() const
{
    return m_board ? m_board->columns() : 0;
}

int CellGrid::columnLeft(int column) const
{
    int left = kLine;
    for (int c = 0; c < column; ++c)
        left += columnWidth(c) + kLine;
    return left;
}

int CellGrid::rowTop(int row) const
{
    return kLine + row * (m_rowHeight + kLine);
}

QRect CellGrid::cellRect(int row, int column) const
{
    if (row < 0 || row >= rows() || column < 0 || column >= columns())
        return {};
    return {columnLeft(column), rowTop(row), columnWidth(column), m_rowHeight};
}

CellPos CellGrid::cellAt(QPoint point) const
{
    const int row = rowAt(point.y());
    const int column = columnAt(point.x());
    if (row < 0 || column < 0)
        return kNoCell;
    return {static_cast<std::int16_t>(row), static_cast<std::int16_t>(column)};
}

int CellGrid::rowAt(int y) const
{
    const int offset = y - kLine;
    if (offset < 0 || m_rowHeight <= 0)
        return -1;
    const int row = offset / (m_rowHeight + kLine);
    const bool onCell = offset % (m_rowHeight + kLine) < m_rowHeight;
    return onCell && row < rows() ? row : -1;
}

int CellGrid::columnAt(int x) const
{
    int left = kLine;
    for (int c = 0; c < columns(); ++c) {
        const int width = columnWidth(c);
        if (x >= left && x < left + width)
            return c;
        left += width + kLine;
    }
    return -1;
}

QSize CellGrid::sizeHint() const
{
    const int width = std::max(columnLeft(columns()), 2 * kLine);
    const int height = std::max(rowTop(rows()), 2 * kLine);
    return {width, height};
}

void CellGrid::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().window());
    // The lines are what the cells leave uncovered of this rectangle.
    painter.fillRect(QRect(QPoint(0, 0), sizeHint()), kLineColour);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setPen(Qt::black);
    for (int row = 0; row < rows(); ++row) {
        for (int column = 0; column < columns(); ++column) {
            const QRect rect = cellRect(row, column);
            if (rect.intersects(event->rect()))
                paintCell(painter, rect, m_board->cell(CellPos{static_cast<std::int16_t>(row),
                                                               static_cast<std::int16_t>(column)}));
        }
    }
}

void CellGrid::paintCell(QPainter& painter, const QRect& rect, const Cell& cell) const
{
    painter.fillRect(rect, cellColour(cell.background));
    if (m_pictures && cell.picture != SegmentKind::None) {
        const QPixmap& picture = m_pictures->picture(cell.picture);
        if (!picture.isNull())
            painter.drawPixmap(QRectF(rect), picture, QRectF(picture.rect()));
    }
    if (cell.text.empty())
        return;
    if (cell.alignment == Alignment::Centre)
        painter.drawText(rect, Qt::AlignCenter, QString::fromStdString(cell.text));
    else
        painter.drawText(rect.adjusted(kTextPadding, 0, -kTextPadding, 0),
                         Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(cell.text));
}

void CellGrid::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton ? cellAt(event->position().toPoint()) : kNoCell;
}

void CellGrid::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const CellPos released = cellAt(event->position().toPoint());
    const CellPos pressed = std::exchange(m_pressed, kNoCell);
    if (released == pressed && released != kNoCell)
        emit cellClicked(released.row, released.column);
}

} // namespace orbalux
