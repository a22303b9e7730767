#include "BoardLook.h"

#include "DeflectionLetter.h"

#include <QStringList>
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

CellLook borderLook(const Cell& cell)
{
    switch (cell.shot) {
    case ShotMark::Hit: return {QStringLiteral("H"), kRed, true, cell.trace, QStringLiteral("hit")};
    case ShotMark::Reflection: return {QStringLiteral("R"), kYellow, true, cell.trace, QStringLiteral("reflection")};
    case ShotMark::Deflection:
        return {QString::fromStdString(DeflectionLetter(cell.letter)), kLime, true, cell.trace,
            QStringLiteral("deflection")};
    case ShotMark::None: break;
    }
    const QString number = cell.number > 0 ? QString::number(cell.number) : QString();
    return {number, kAqua, true, cell.trace, QStringLiteral("border")};
}

CellLook fieldLook(const Cell& cell)
{
    QStringList meaning;
    if (cell.atomRevealed)
        meaning << QStringLiteral("atom");
    if (cell.marked)
        meaning << QStringLiteral("marked");
    if (cell.trace != SegmentKind::None)
        meaning << QStringLiteral("laser path");
    if (meaning.isEmpty())
        meaning << QStringLiteral("field");
    return {cell.marked ? QStringLiteral("O") : QString(), cell.atomRevealed ? kBlue : toolTipColour(), true,
        cell.trace, meaning.join(QStringLiteral(", "))};
}

} // namespace

QColor toolTipColour()
{
    const QColor desktop = QToolTip::palette().color(QPalette::ToolTipBase);
    return desktop.isValid() ? desktop : QColor(kPaleToolTip);
}

CellLook lookOf(const Board& board, CellPos pos)
{
    switch (board.kindOf(pos)) {
    case CellKind::Corner: return {QString(), kSilver, true, SegmentKind::None, QStringLiteral("corner")};
    case CellKind::Border: return borderLook(board.cell(pos));
    case CellKind::Field: return fieldLook(board.cell(pos));
    case CellKind::Outside: break;
    }
    return {};
}

std::vector<CellLook> looksOf(const Board& board)
{
    std::vector<CellLook> looks;
    looks.reserve(static_cast<std::size_t>(board.side() * board.side()));
    for (std::int16_t row = 0; row < board.side(); ++row) {
        for (std::int16_t column = 0; column < board.side(); ++column)
            looks.push_back(lookOf(board, {row, column}));
    }
    return looks;
}

} // namespace orbalux
