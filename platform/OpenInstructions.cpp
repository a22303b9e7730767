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
    bool started = false;
    try {
        started = programs.startWatched(command.program, command.arguments, std::move(onLaterFailure));
    } catch (const std::exception&) {
        started = false;
    }
    return started;
}

} // namespace orbalux
