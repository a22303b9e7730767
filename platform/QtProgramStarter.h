#pragma once

#include "platform/ProgramStarter.h"

namespace orbalux {

/** Programs started detached through Qt, for the platforms without Win32. */
class QtProgramStarter : public ProgramStarter {
public:
    bool start(const std::string& program, const std::vector<std::string>& arguments) override;
};

} // namespace orbalux
