#include "SettingsCommand.h"

#include "frmOptions.h"

namespace orbalux {

void RunSettingsCommand(GameState& state, Messenger& messenger, const std::function<void()>& visit,
                        const std::function<void()>& startNewGame)
{
    visit();
    if (!state.SettingsChanged || !state.GameInProgress)
        return;
    if (!messenger.askYesNo("You are already in a game.  Do you want to start a new game?"))
        return;
    // With no game in progress the new game starts without asking the same question again.
    state.GameInProgress = false;
    startNewGame();
}

void RunSettingsCommand(frmOptions& dialog, GameState& state, Messenger& messenger,
                        const std::function<void()>& startNewGame)
{
    RunSettingsCommand(state, messenger, [&dialog] { dialog.exec(); }, startNewGame);
}

} // namespace orbalux
