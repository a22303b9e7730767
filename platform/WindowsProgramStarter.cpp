#ifdef _WIN32

#include "platform/WindowsProgramStarter.h"

#include "platform/WindowsCommandLine.h"

#include <string>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <shellapi.h>

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

// The name comes in the system's 8-bit character set, as CreateProcessA takes it.
bool WindowsProgramStarter::openDocument(const std::string& document)
{
    const int length = MultiByteToWideChar(CP_ACP, 0, document.c_str(), -1, nullptr, 0);
    if (length == 0)
        return false;
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, document.c_str(), -1, wide.data(), length);
    SHELLEXECUTEINFOW open{};
    open.cbSize = sizeof open;
    // The player hears of a failure from the game itself, not from a dialog of the shell's.
    open.fMask = SEE_MASK_FLAG_NO_UI;
    open.lpVerb = L"open";
    open.lpFile = wide.c_str();
    open.nShow = SW_SHOWNORMAL;
    return ShellExecuteExW(&open) != FALSE;
}

} // namespace orbalux

#endif
