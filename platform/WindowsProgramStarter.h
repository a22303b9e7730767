#pragma once

#include "platform/ProgramStarter.h"

namespace orbalux {

/**
 * Programs started with CreateProcessA, no shell and no waiting, and documents opened with the
 * shell's "open"; built on Windows only.
 */
class WindowsProgramStarter : public ProgramStarter {
public:
    bool start(const std::string& program, const std::vector<std::string>& arguments) override;
    bool openDocument(const std::string& document) override;
};

} // namespace orbalux
