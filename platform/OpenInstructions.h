#pragma once

#include "platform/ProgramStarter.h"

#include <functional>
#include <string>
#include <vector>

namespace orbalux {

/** The instructions document, looked for in the working directory. */
inline const std::string kInstructionsFile = "Instruct.doc";

/** A program and the arguments it is started with. */
struct ProgramCommand {
    std::string program;
    std::vector<std::string> arguments;
};

/** The word processor on Windows, the desktop's own opener elsewhere, with document. */
ProgramCommand instructionsCommand(const std::string& document = kInstructionsFile);

/**
 * Starts instructionsCommand(document) each time; on Windows, when the word processor is not
 * there, opens document with the program associated with it instead. False when neither starts.
 * Where the opener can be watched, onLaterFailure is called when it starts but then fails.
 */
bool openInstructions(ProgramStarter& programs, const std::string& document = kInstructionsFile,
                      std::function<void()> onLaterFailure = {});

} // namespace orbalux
