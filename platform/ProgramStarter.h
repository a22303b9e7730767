#pragma once

#include <functional>
#include <string>
#include <vector>

namespace orbalux {

/** Starts other programs without waiting for them and without a shell in between. */
class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;

    /**
     * Starts program with arguments, each handed over as it stands, in a normal window that
     * takes the focus and in this program's working directory. False when it could not start;
     * never throws.
     */
    virtual bool start(const std::string& program, const std::vector<std::string>& arguments) = 0;

    /**
     * As start(); where the platform can watch the program, onLaterFailure is also called once,
     * on this thread's event loop, if the program started but then ends in failure. Elsewhere
     * only a failure to start counts.
     */
    virtual bool startWatched(const std::string& program, const std::vector<std::string>& arguments,
                              std::function<void()> onLaterFailure)
    {
        static_cast<void>(onLaterFailure);
        return start(program, arguments);
    }

    /**
     * Opens document, named as it stands, with the program the system associates with its kind,
     * as the desktop's "open" does. False when nothing could open it, or where the platform
     * leaves that to a program of its own; never throws.
     */
    virtual bool openDocument(const std::string& document)
    {
        static_cast<void>(document);
        return false;
    }
};

} // namespace orbalux
