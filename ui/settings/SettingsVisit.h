#pragma once

#include "game/GameSettings.h"

namespace orbalux {

/** What one visit to the settings dialog left. */
struct SettingsVisit {
    /** The check boxes as last clicked; the bars as OK confirmed them, else as they were. */
    GameSettings settings;
    /** Left through OK rather than Cancel, Escape or the close box. */
    bool accepted = false;
    /** A click on "Show numbers on border", or OK with a bar on a new value. */
    bool changed = false;
};

} // namespace orbalux
