#pragma once

#include "Colour.h"

#include <QColor>

namespace orbalux {

/** The screen colour of a palette entry; ToolTip is the desktop's tool-tip background. */
QColor cellColour(Colour colour);

} // namespace orbalux
