#include "grid/BoardLook.h"

#include "common/PlayerWords.h"
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

CellLook borderLook(const Board& board, CellPos pos)
{
    const Cell& cell = board.cell(pos);
    const QString description = PlayerWords::cellDescription(board, pos);
    switch (cell.shot) {
    case Outcome::Hit: return {QStringLiteral("H"), kRed, true, cell.trace, description};
    case Outcome::Reflection: return {QStringLiteral("R"), kYellow, true, cell.trace, description};
    case Outcome::Deflection:
        return {QString::fromStdString(deflectionLetter(cell.letter)), kLime, true, cell.trace, description};
    case Outcome::None: break;
    }
    const QString number = cell.number > 0 ? QString::number(cell.number) : QString();
    return {number, kAqua, true, cell.trace, description};
}

CellLook fieldLook(const Board& board, CellPos pos, const QColor& field)
{
    const Cell& cell = board.cell(pos);
    return {cell.marked ? QStringLiteral("O") : QString(), cell.atomRevealed ? kBlue : field, true, cell.trace,
        PlayerWords::cellDescription(board, pos)};
}

CellLook lookOf(const Board& board, CellPos pos, const QColor& field)
{
    switch (board.kindOf(pos)) {
    case CellKind::Corner: return {QString(), kSilver, true, SegmentKind::None, PlayerWords::cellDescription(board, pos)};
    case CellKind::Border: return borderLook(board, pos);
    case CellKind::Field: return fieldLook(board, pos, field);
    case CellKind::Outside: break;
    }
    return {};
}

void showProven(CellLook& look, Proven proven)
{
    look.proven = proven;
    look.description += proven == Proven::Atom ? PlayerWords::provenAtom() : PlayerWords::provenEmpty();
}

} // namespace

QColor shotColour(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Hit: return kRed;
    case Outcome::Reflection: return kYellow;
    case Outcome::Deflection: return kLime;
    case Outcome::None: break;
    }
    return kAqua;
}

QColor toolTipColour()
{
    const QColor desktop = QToolTip::palette().color(QPalette::ToolTipBase);
    return desktop.isValid() ? desktop : QColor(kPaleToolTip);
}

CellLook lookOf(const Board& board, CellPos pos)
{
    return lookOf(board, pos, toolTipColour());
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

std::vector<CellLook> looksOf(const Board& board, const FieldProof& proof)
{
    std::vector<CellLook> looks = looksOf(board);
    const std::int16_t side = board.side();
    for (std::int16_t row = 1; row + 1 < side; ++row) {
        for (std::int16_t column = 1; column + 1 < side; ++column) {
            CellLook& look = looks[static_cast<std::size_t>(row * side + column)];
            if (proof.provenAtoms.hasAtom(row, column))
                showProven(look, Proven::Atom);
            else if (proof.provenEmpty.hasAtom(row, column))
                showProven(look, Proven::Empty);
        }
    }
    return looks;
}

} // namespace orbalux
