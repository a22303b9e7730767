#include "platform/WindowsCommandLine.h"

namespace orbalux {

namespace {

bool needsQuotes(const std::string& argument)
{
    return argument.empty() || argument.find_first_of(" \t\n\v\"") != std::string::npos;
}

// Backslashes are literal unless a quote follows them, so only those runs are doubled.
std::string quoted(const std::string& argument)
{
    std::string text = "\"";
    std::size_t backslashes = 0;
    for (const char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        text.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        text += c;
        backslashes = 0;
    }
    text.append(backslashes * 2, '\\');
    return text + "\"";
}

} // namespace

std::string windowsCommandLine(const std::string& program, const std::vector<std::string>& arguments)
{
    // The program name is read up to its closing quote with no escapes at all.
    std::string line = "\"" + program + "\"";
    for (const std::string& argument : arguments)
        line += " " + (needsQuotes(argument) ? quoted(argument) : argument);
    return line;
}

} // namespace orbalux
