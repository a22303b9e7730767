#include "grid/BoardLook.h"

#include "game/DeflectionLetter.h"

#include <QToolTip>

namespace orbalux {

namespace {

const QColor kSilver(0xC0C0C0);
const QColor kBlue(0x0000FF);
const QColor kLime(0x00FF00);
const QColor kAqua(0x00FFFF);
const QColor kRed(0xFF0000);
const QColor kYellow(0xFFFF00);

// Some desktops (and the offscreen platform) report no tool-tip colour at all.
constexpr QRgb kPaleToolTip = 0xFFFFE1;

QLatin1String sideOf(const Board& board, CellPos pos)
{
    switch (board.sideOf(pos).value_or(Side::Left)) {
    case Side::Top: return QLatin1String("top");
    case Side::Right: return QLatin1String("right");
    case Side::Bottom: return QLatin1String("bottom");
    case Side::Left: break;
    }
    return QLatin1String("left");
}

// Counted along the side from the top or the left, as the player moves along it.
int placeAlongSide(const Board& board, CellPos pos)
{
    const std::optional<Side> side = board.sideOf(pos);
    return side == Side::Top || side == Side::Bottom ? pos.column : pos.row;
}

QString borderResult(const Board& board, const Cell& cell)
{
    switch (cell.shot) {
    case ShotMark::Hit: return QStringLiteral(", hit");
    case ShotMark::Reflection: return QStringLiteral(", reflection");
    case ShotMark::Deflection:
        return QStringLiteral(", deflection ") + QString::fromStdString(deflectionLetter(cell.letter))
            + QStringLiteral(", comes out at ") + cellPlace(board, cell.partner);
    case ShotMark::None: break;
    }
    return {};
}

CellLook borderLook(const Board& board, CellPos pos)
{
    const Cell& cell = board.cell(pos);
    const QString description = sideOf(board, pos) + QLatin1String(" border ")
        + QString::number(placeAlongSide(board, pos)) + borderResult(board, cell);
    switch (cell.shot) {
    case ShotMark::Hit: return {QStringLiteral("H"), kRed, true, cell.trace, description};
    case ShotMark::Reflection: return {QStringLiteral("R"), kYellow, true, cell.trace, description};
    case ShotMark::Deflection:
        return {QString::fromStdString(deflectionLetter(cell.letter)), kLime, true, cell.trace, description};
    case ShotMark::None: break;
    }
    const QString number = cell.number > 0 ? QString::number(cell.number) : QString();
    return {number, kAqua, true, cell.trace, description};
}

// Every board redraw describes every cell, so the words are put together without formatting.
CellLook fieldLook(const Board& board, CellPos pos, const QColor& field)
{
    const Cell& cell = board.cell(pos);
    QString description = cellPlace(board, pos);
    if (cell.atomRevealed)
        description += QLatin1String(", atom");
    if (cell.marked)
        description += QLatin1String(", marked");
    if (cell.trace != SegmentKind::None)
        description += QLatin1String(", laser path");
    return {cell.marked ? QStringLiteral("O") : QString(), cell.atomRevealed ? kBlue : field, true, cell.trace,
        description};
}

CellLook lookOf(const Board& board, CellPos pos, const QColor& field)
{
    switch (board.kindOf(pos)) {
    case CellKind::Corner: return {QString(), kSilver, true, SegmentKind::None, cellPlace(board, pos)};
    case CellKind::Border: return borderLook(board, pos);
    case CellKind::Field: return fieldLook(board, pos, field);
    case CellKind::Outside: break;
    }
    return {};
}

} // namespace

QColor toolTipColour()
{
    const QColor desktop = QToolTip::palette().color(QPalette::ToolTipBase);
    return desktop.isValid() ? desktop : QColor(kPaleToolTip);
}

CellLook lookOf(const Board& board, CellPos pos)
{
    return lookOf(board, pos, toolTipColour());
}

QString cellPlace(const Board& board, CellPos pos)
{
    switch (board.kindOf(pos)) {
    case CellKind::Field:
        return QLatin1String("row ") + QString::number(pos.row) + QLatin1String(", column ") + QString::number(pos.column);
    case CellKind::Corner:
        return (pos.row == 0 ? QLatin1String("top ") : QLatin1String("bottom "))
            + (pos.column == 0 ? QLatin1String("left corner") : QLatin1String("right corner"));
    case CellKind::Border: return sideOf(board, pos) + QLatin1Char(' ') + QString::number(placeAlongSide(board, pos));
    case CellKind::Outside: break;
    }
    return {};
}

std::vector<CellLook> looksOf(const Board& board)
{
    const QColor field = toolTipColour();
    std::vector<CellLook> looks;
    looks.reserve(static_cast<std::size_t>(board.side() * board.side()));
    for (std::int16_t row = 0; row < board.side(); ++row) {
        for (std::int16_t column = 0; column < board.side(); ++column)
            looks.push_back(lookOf(board, {row, column}, field));
    }
    return looks;
}

} // namespace orbalux
