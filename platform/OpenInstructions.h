#pragma once

#include "Messenger.h"
#include "ProgramStarter.h"

#include <string>
#include <vector>

namespace orbalux {

/** The instructions document, looked for in the working directory. */
inline const std::string kInstructionsFile = "Instruct.doc";

/** What the player is told when nothing could be started to open the instructions. */
inline const std::string kInstructionsHint =
    "Open the file 'Instruct.doc' for detailed information about using this product.";

/** A program and the arguments it is started with. */
struct ProgramCommand {
    std::string program;
    std::vector<std::string> arguments;
};

/** The word processor on Windows, the desktop's own opener elsewhere, with document. */
ProgramCommand instructionsCommand(const std::string& document = kInstructionsFile);

/** Starts instructionsCommand(document) each time; shows kInstructionsHint when it cannot start. */
void openInstructions(ProgramStarter& programs, Messenger& messenger, const std::string& document = kInstructionsFile);

} // namespace orbalux
