#include "platform/OpenInstructions.h"

#include <exception>

namespace orbalux {

ProgramCommand instructionsCommand(const std::string& document)
{
#ifdef _WIN32
    return {"C:\\Program Files\\Accessories\\WORDPAD.EXE", {document}};
#else
    return {"xdg-open", {document}};
#endif
}

bool openInstructions(ProgramStarter& programs, const std::string& document)
{
    const ProgramCommand command = instructionsCommand(document);
    bool started = false;
    try {
        started = programs.start(command.program, command.arguments);
    } catch (const std::exception&) {
        started = false;
    }
    return started;
}

} // namespace orbalux
