#ifdef _WIN32

#include "platform/WindowsProgramStarter.h"

#include "platform/WindowsCommandLine.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace orbalux {

bool WindowsProgramStarter::start(const std::string& program, const std::vector<std::string>& arguments)
{
    // Naming the program separately keeps Windows from guessing where a path with blanks ends.
    std::string line = windowsCommandLine(program, arguments);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

} // namespace orbalux

#endif
