#pragma once

#include "GameState.h"
#include "Messenger.h"

#include <functional>

namespace orbalux {

class frmOptions;

/**
 * File > Settings: runs visit, which must return once the dialog is hidden again; then, if a
 * confirmed change meets a running game, asks whether to start a new game. Yes clears
 * GameInProgress and calls startNewGame, which then asks nothing. Never clears SettingsChanged.
 */
void RunSettingsCommand(GameState& state, Messenger& messenger, const std::function<void()>& visit,
                        const std::function<void()>& startNewGame);

/** File > Settings with dialog shown modally: the visit is dialog.exec(). */
void RunSettingsCommand(frmOptions& dialog, GameState& state, Messenger& messenger,
                        const std::function<void()>& startNewGame);

} // namespace orbalux
