#pragma once

#include <QIcon>

namespace orbalux {

/** The game's icon in every size it ships, from the program's own resources. */
QIcon appIcon();

} // namespace orbalux
