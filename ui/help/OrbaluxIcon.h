#pragma once

#include <QPixmap>

namespace orbalux {

/** The game's 32 x 32 icon in the 16-colour palette: a laser bent away from an atom. */
QPixmap orbaluxIcon();

} // namespace orbalux
