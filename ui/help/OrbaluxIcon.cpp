#include "OrbaluxIcon.h"

#include <QColor>
#include <QImage>
#include <QPainter>

namespace orbalux {

namespace {

constexpr int kSize = 32;
constexpr int kCell = 6;

// The centre of cell (row, column) of the icon's five-by-five field.
QPoint cellCentre(int row, int column)
{
    return {1 + column * kCell + kCell / 2, 1 + row * kCell + kCell / 2};
}

void drawField(QPainter& painter)
{
    painter.fillRect(0, 0, kSize, kSize, QColor(0xC0, 0xC0, 0xC0));
    painter.setPen(QColor(0x80, 0x80, 0x80));
    for (int line = kCell; line < kSize - kCell / 2; line += kCell) {
        painter.drawLine(line, 0, line, kSize - 1);
        painter.drawLine(0, line, kSize - 1, line);
    }
    painter.setPen(QColor(0x00, 0x00, 0x80));
    painter.drawRect(0, 0, kSize - 1, kSize - 1);
}

// Fired from the left, the laser meets the atom diagonally ahead and turns away, downwards.
void drawLaser(QPainter& painter)
{
    const QPoint bend = cellCentre(3, 2);
    painter.setPen(QPen(QColor(0xFF, 0x00, 0x00), 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawPolyline(QPolygon({QPoint(0, bend.y()), bend, QPoint(bend.x(), kSize)}));
}

void drawAtom(QPainter& painter)
{
    const QPoint centre = cellCentre(2, 3);
    painter.setPen(QColor(0x00, 0x00, 0x80));
    painter.setBrush(QColor(0x00, 0x00, 0xFF));
    painter.drawEllipse(centre, 4, 4);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x00, 0xFF, 0xFF));
    painter.drawRect(centre.x() - 2, centre.y() - 2, 2, 2);
}

} // namespace

QPixmap orbaluxIcon()
{
    // Drawn without smoothing so that every pixel keeps a colour of the palette.
    QImage image(kSize, kSize, QImage::Format_RGB32);
    QPainter painter(&image);
    drawField(painter);
    drawLaser(painter);
    drawAtom(painter);
    painter.end();
    return QPixmap::fromImage(image);
}

} // namespace orbalux
