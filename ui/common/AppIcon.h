#pragma once

#include <QIcon>

namespace orbalux {

/** The game's icon in the sizes it ships up to largest pixels, from the program's own resources. */
QIcon appIcon(int largest = 256);

} // namespace orbalux
