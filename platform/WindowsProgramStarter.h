#pragma once

#include "platform/ProgramStarter.h"

namespace orbalux {

/** Programs started with CreateProcessA, no shell and no waiting; built on Windows only. */
class WindowsProgramStarter : public ProgramStarter {
public:
    bool start(const std::string& program, const std::vector<std::string>& arguments) override;
};

} // namespace orbalux
