#include "platform/OpenInstructions.h"

#include <exception>
#include <utility>

namespace orbalux {

ProgramCommand instructionsCommand(const std::string& document)
{
#ifdef _WIN32
    return {"C:\\Program Files\\Accessories\\WORDPAD.EXE", {document}};
#else
    return {"xdg-open", {document}};
#endif
}

bool openInstructions(ProgramStarter& programs, const std::string& document, std::function<void()> onLaterFailure)
{
    const ProgramCommand command = instructionsCommand(document);
    try {
        if (programs.startWatched(command.program, command.arguments, std::move(onLaterFailure)))
            return true;
#ifdef _WIN32
        // No current Windows keeps the word processor at that path, and the newest has none at
        // all; whatever the player opens such documents with reads the instructions as well.
        return programs.openDocument(document);
#endif
    } catch (const std::exception&) {
    }
    return false;
}

} // namespace orbalux
