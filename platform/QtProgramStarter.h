#pragma once

#include "platform/ProgramStarter.h"

#include <memory>

namespace orbalux {

/** Programs started through Qt, for the platforms without Win32. */
class QtProgramStarter : public ProgramStarter {
public:
    /** Started detached: nothing watches it. */
    bool start(const std::string& program, const std::vector<std::string>& arguments) override;
    /** Watched until it ends, on a process that neither this starter nor quitting the game ends. */
    bool startWatched(const std::string& program, const std::vector<std::string>& arguments,
                      std::function<void()> onLaterFailure) override;

    /** How many programs started watched have not yet been seen to end. */
    int watching() const;

private:
    std::shared_ptr<int> m_watching = std::make_shared<int>(0);
};

} // namespace orbalux
