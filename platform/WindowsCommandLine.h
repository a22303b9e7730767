#pragma once

#include <string>
#include <vector>

namespace orbalux {

/**
 * The single command line Windows hands a new process, built so that the C runtime's parser
 * gives back program and each argument exactly: quoted where needed, quotes and the
 * backslashes before them escaped. program must not contain a quote.
 */
std::string windowsCommandLine(const std::string& program, const std::vector<std::string>& arguments);

} // namespace orbalux
