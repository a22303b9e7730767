#include "CellMeaning.h"

#include <QStringList>

namespace orbalux {

QString cellMeaning(const Cell& cell)
{
    QStringList meaning;
    switch (cell.background) {
    case Colour::Red: meaning << QStringLiteral("hit"); break;
    case Colour::Yellow: meaning << QStringLiteral("reflection"); break;
    case Colour::Lime: meaning << QStringLiteral("deflection"); break;
    case Colour::Blue: meaning << QStringLiteral("atom"); break;
    case Colour::Silver: meaning << QStringLiteral("corner"); break;
    case Colour::Aqua: meaning << QStringLiteral("border"); break;
    default: break;
    }
    if (cell.text == "O")
        meaning << QStringLiteral("marked");
    if (cell.picture != SegmentKind::None)
        meaning << QStringLiteral("laser path");
    // A plain cell with words on it (the legend's captions) needs no meaning beyond its text.
    if (meaning.isEmpty() && cell.text.empty() && cell.background == Colour::ToolTip)
        meaning << QStringLiteral("field");
    return meaning.join(QStringLiteral(", "));
}

} // namespace orbalux
