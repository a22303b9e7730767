#pragma once

#include "common/Messenger.h"
#include "deduce/GameDeduction.h"
#include "game/Clock.h"
#include "game/RandomSource.h"
#include "platform/PlatformServices.h"

#include <filesystem>
#include <functional>
#include <vector>

namespace orbalux {

/**
 * What the Deduce menu's proof and review ask of a copy of the game, on the worker's thread:
 * the engine's answers, unless a test stands in for them.
 */
struct FieldQuestions {
    std::function<FieldProof(const Game&, SearchBudget&)> prove = [](const Game& game, SearchBudget& budget) {
        return proveField(game, budget);
    };
    std::function<FieldReview(const Game&, SearchBudget&)> review = [](const Game& game, SearchBudget& budget) {
        return reviewGame(game, budget);
    };
};

/** What the program hands its main window; the references must outlive the window. */
struct MainWindowServices {
    Messenger& messenger;
    RandomSource& random;
    const Clock& clock;
    PlatformServices platform;
    /** Where the trace pictures and the instructions are looked for, first folder first. */
    std::vector<std::filesystem::path> dataFolders;
    FieldQuestions questions = {};
};

} // namespace orbalux
