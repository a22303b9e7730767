#pragma once

#include "Messenger.h"
#include "PlatformServices.h"

class QWidget;

namespace orbalux {

/** Help > About: a fresh About box, shown modally; returns once it is closed and gone. */
void showAbout(const PlatformServices& platform, Messenger& messenger, QWidget& owner);

} // namespace orbalux
