#pragma once

#include "Cell.h"

#include <QString>

namespace orbalux {

/**
 * What a cell's colour, mark and picture tell the player, in words for a screen reader:
 * "hit", "reflection", "deflection", "atom", "corner", "border", "field", "marked",
 * "laser path", joined by ", " when several apply; empty for a cell whose text says it all.
 */
QString cellMeaning(const Cell& cell);

} // namespace orbalux
