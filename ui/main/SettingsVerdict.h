#pragma once

#include "settings/SettingsVisit.h"

namespace orbalux {

/** What the main window makes of a visit to the settings dialog. */
struct SettingsVerdict {
    /** A change still waits for the question whether to start a new game. */
    bool SettingsChanged = false;
    /** Ask now: a change meets a game in progress. */
    bool askNewGame = false;
};

/**
 * OK keeps a change that is still waiting and adds the visit's own; Cancel drops both, even
 * when a check box was clicked. The question comes only when a change meets a running game.
 */
SettingsVerdict judgeSettingsVisit(bool changedBefore, const SettingsVisit& visit, bool gameInProgress);

} // namespace orbalux
