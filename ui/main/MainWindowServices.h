#pragma once

#include "common/Messenger.h"
#include "game/Clock.h"
#include "game/RandomSource.h"
#include "platform/PlatformServices.h"

#include <filesystem>
#include <vector>

namespace orbalux {

/** What the program hands its main window; the references must outlive the window. */
struct MainWindowServices {
    Messenger& messenger;
    RandomSource& random;
    const Clock& clock;
    PlatformServices platform;
    /** Where the trace pictures and the instructions are looked for, first folder first. */
    std::vector<std::filesystem::path> dataFolders;
};

} // namespace orbalux
