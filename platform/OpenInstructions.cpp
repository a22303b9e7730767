#include "OpenInstructions.h"

#include <exception>

namespace orbalux {

ProgramCommand instructionsCommand()
{
#ifdef _WIN32
    return {"C:\\Program Files\\Accessories\\WORDPAD.EXE", {kInstructionsFile}};
#else
    return {"xdg-open", {kInstructionsFile}};
#endif
}

void openInstructions(ProgramStarter& programs, Messenger& messenger)
{
    const ProgramCommand command = instructionsCommand();
    bool started = false;
    try {
        started = programs.start(command.program, command.arguments);
    } catch (const std::exception&) {
        started = false;
    }
    if (!started)
        messenger.showMessage(kInstructionsHint);
}

} // namespace orbalux
