#pragma once

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
};

} // namespace orbalux
