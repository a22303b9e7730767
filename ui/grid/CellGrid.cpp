#include "grid/CellGrid.h"

#include "grid/CellGridAccessible.h"
#include "grid/PictureStore.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMetaMethod>
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

// The focus frame: a dark band inside the cell's edge and a light line inside that, so it
// stands out on every cell colour.
constexpr int kFocusDark = 2;
constexpr int kFocusLight = 1;

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(&CellGridAccessible::create);
        return true;
    }();
    Q_UNUSED(installed);
}

void drawFrame(QPainter& painter, const QRect& rect, int width, const QColor& colour)
{
    painter.fillRect(rect.left(), rect.top(), rect.width(), width, colour);
    painter.fillRect(rect.left(), rect.bottom() - width + 1, rect.width(), width, colour);
    painter.fillRect(rect.left(), rect.top(), width, rect.height(), colour);
    painter.fillRect(rect.right() - width + 1, rect.top(), width, rect.height(), colour);
}

// A proven atom is a dark disc, like the atom it must be, with the text drawn light on it; a
// proven empty cell is a square ring of eight small grey dots, like nothing else on the board,
// whose middle is left free so that a mark's "O" stands clear in it. Shapes rather than colours,
// so they read in grey too.
const QColor kProvenAtom(0x20, 0x20, 0x20);
const QColor kProvenEmpty(0x70, 0x70, 0x70);
constexpr qreal kDiscShare = 0.72;
constexpr qreal kDotShare = 0.11;
constexpr int kDotsPerSide = 3;

void paintProvenAtom(QPainter& painter, const QRectF& rect)
{
    const qreal diameter = kDiscShare * std::min(rect.width(), rect.height());
    QRectF disc(0, 0, diameter, diameter);
    disc.moveCenter(rect.center());
    painter.setBrush(kProvenAtom);
    painter.drawEllipse(disc);
}

void paintProvenEmpty(QPainter& painter, const QRectF& rect)
{
    const qreal dot = std::max(kDotShare * std::min(rect.width(), rect.height()), 2.0);
    painter.setBrush(kProvenEmpty);
    for (int row = 0; row < kDotsPerSide; ++row) {
        for (int column = 0; column < kDotsPerSide; ++column) {
            if (row == kDotsPerSide / 2 && column == kDotsPerSide / 2)
                continue;
            // At a sixth, a half and five sixths of the way across and down.
            const QPointF centre(rect.left() + rect.width() * (2 * column + 1) / (2 * kDotsPerSide),
                rect.top() + rect.height() * (2 * row + 1) / (2 * kDotsPerSide));
            painter.drawEllipse(centre, dot / 2, dot / 2);
        }
    }
}

void paintProven(QPainter& painter, const QRect& rect, Proven proven)
{
    if (proven == Proven::No)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    if (proven == Proven::Atom)
        paintProvenAtom(painter, QRectF(rect));
    else
        paintProvenEmpty(painter, QRectF(rect));
    painter.restore();
}

} // namespace

CellGrid::CellGrid(QWidget* parent) : QWidget(parent)
{
    installAccessibility();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void CellGrid::setCells(int rows, int columns, std::vector<CellLook> cells)
{
    const int columnsBefore = m_columns;
    const bool resized = rows != m_rows || columns != m_columns;
    m_rows = std::max(rows, 0);
    m_columns = std::max(columns, 0);
    cells.resize(static_cast<std::size_t>(m_rows * m_columns));
    std::swap(m_cells, cells);
    if (resized) {
        m_pressed = kNoCell;
        updateGeometry();
    }
    update();
    announceChanges(cells, resized ? -1 : columnsBefore);
}

const CellLook* CellGrid::look(int row, int column) const
{
    if (row < 0 || row >= m_rows || column < 0 || column >= m_columns)
        return nullptr;
    return &m_cells[static_cast<std::size_t>(row * m_columns + column)];
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

CellPos CellGrid::currentCell() const
{
    if (rows() == 0 || columns() == 0)
        return kNoCell;
    // The board may have shrunk since the cell was chosen.
    return {std::min<std::int16_t>(m_current.row, static_cast<std::int16_t>(rows() - 1)),
            std::min<std::int16_t>(m_current.column, static_cast<std::int16_t>(columns() - 1))};
}

void CellGrid::setCurrentCell(int row, int column)
{
    if (row < 0 || row >= rows() || column < 0 || column >= columns())
        return;
    const CellPos before = currentCell();
    m_current = {static_cast<std::int16_t>(row), static_cast<std::int16_t>(column)};
    if (m_current == before)
        return;
    update(cellRect(before.row, before.column));
    update(cellRect(row, column));
    if (hasFocus())
        CellGridAccessible::announceFocus(*this, m_current);
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
                paintCell(painter, rect, *look(row, column));
        }
    }
    if (hasFocus())
        paintFocus(painter);
}

void CellGrid::paintFocus(QPainter& painter) const
{
    const CellPos current = currentCell();
    const QRect rect = cellRect(current.row, current.column);
    if (rect.width() <= 2 * (kFocusDark + kFocusLight) || rect.height() <= 2 * (kFocusDark + kFocusLight))
        return;
    drawFrame(painter, rect, kFocusDark, Qt::black);
    drawFrame(painter, rect.adjusted(kFocusDark, kFocusDark, -kFocusDark, -kFocusDark), kFocusLight, Qt::white);
}

// Nobody listens while accessibility is off. A grid of another shape is a new table altogether.
void CellGrid::announceChanges(const std::vector<CellLook>& before, int columnsBefore)
{
    if (!QAccessible::isActive())
        return;
    if (columnsBefore != m_columns) {
        CellGridAccessible::announceReset(*this);
        return;
    }
    for (std::size_t index = 0; index < m_cells.size(); ++index)
        CellGridAccessible::announceChange(*this, static_cast<int>(index), before[index], m_cells[index]);
}

const QPixmap& CellGrid::scaledPicture(SegmentKind kind, QSize deviceSize)
{
    if (deviceSize != m_scaledSize) {
        m_scaled = {};
        m_scaledSize = deviceSize;
    }
    const QPixmap& source = m_pictures->picture(kind);
    ScaledPicture& scaled = m_scaled[static_cast<std::size_t>(kind)];
    if (scaled.source != source.cacheKey()) {
        scaled.source = source.cacheKey();
        scaled.pixmap = source.scaled(deviceSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return scaled.pixmap;
}

void CellGrid::paintCell(QPainter& painter, const QRect& rect, const CellLook& cell)
{
    painter.fillRect(rect, cell.background);
    if (m_pictures && cell.picture != SegmentKind::None && !m_pictures->picture(cell.picture).isNull()) {
        const qreal ratio = painter.device()->devicePixelRatioF();
        const QPixmap& picture = scaledPicture(cell.picture, (QSizeF(rect.size()) * ratio).toSize());
        painter.drawPixmap(QRectF(rect), picture, QRectF(picture.rect()));
    }
    paintProven(painter, rect, cell.proven);
    if (cell.text.isEmpty())
        return;
    const QPen pen = painter.pen();
    if (cell.proven == Proven::Atom)
        painter.setPen(Qt::white);
    if (cell.centred)
        painter.drawText(rect, Qt::AlignCenter, cell.text);
    else
        painter.drawText(rect.adjusted(kTextPadding, 0, -kTextPadding, 0), Qt::AlignLeft | Qt::AlignVCenter, cell.text);
    painter.setPen(pen);
}

void CellGrid::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton ? cellAt(event->position().toPoint()) : kNoCell;
    if (m_pressed != kNoCell)
        setCurrentCell(m_pressed.row, m_pressed.column);
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

// The second press of a double-click is no click of its own: a player who double-clicks by habit
// fires one shot, not two, and a mark does not come and go at once.
void CellGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    m_pressed = kNoCell;
    event->accept();
}

void CellGrid::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    bool handled = modifiers == Qt::NoModifier;
    if (handled) {
        switch (event->key()) {
        case Qt::Key_Left: moveCurrentCell(0, -1); break;
        case Qt::Key_Right: moveCurrentCell(0, 1); break;
        case Qt::Key_Up: moveCurrentCell(-1, 0); break;
        case Qt::Key_Down: moveCurrentCell(1, 0); break;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter: handled = clickCurrentCell(event->isAutoRepeat()); break;
        default: handled = false; break;
        }
    }
    if (handled)
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

void CellGrid::moveCurrentCell(int rowStep, int columnStep)
{
    const CellPos current = currentCell();
    if (current == kNoCell)
        return;
    setCurrentCell(std::clamp(current.row + rowStep, 0, rows() - 1),
                   std::clamp(current.column + columnStep, 0, columns() - 1));
}

// A key held down would fire shot after shot, so only a fresh press clicks. A grid whose clicks
// nobody hears (the legend) lets Enter through to its window's default button.
bool CellGrid::clickCurrentCell(bool repeated)
{
    const CellPos current = currentCell();
    if (current == kNoCell || !isSignalConnected(QMetaMethod::fromSignal(&CellGrid::cellClicked)))
        return false;
    if (!repeated)
        emit cellClicked(current.row, current.column);
    return true;
}

void CellGrid::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    // Qt tells screen readers of the grid's own focus after this handler, and a screen reader
    // reads the last object focused; so the current cell's focus follows on the next turn of
    // the event loop, and the player hears the cell rather than "table".
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (hasFocus())
                CellGridAccessible::announceFocus(*this, currentCell());
        },
        Qt::QueuedConnection);
}

} // namespace orbalux
