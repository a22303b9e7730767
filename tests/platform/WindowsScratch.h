#pragma once

#include <filesystem>
#include <string>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace orbalux::testing {

/** A fresh folder under the user's temporary folder, removed with everything in it at the end. */
class WindowsScratch {
public:
    WindowsScratch()
    {
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~WindowsScratch() { std::filesystem::remove_all(path); }
    WindowsScratch(const WindowsScratch&) = delete;
    WindowsScratch& operator=(const WindowsScratch&) = delete;

    const std::filesystem::path path = std::filesystem::temp_directory_path()
        / ("orbalux-test-" + std::to_string(GetCurrentProcessId()));
};

/** The folder this test program was started from, as Windows names it. */
inline std::filesystem::path programFolder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path();
}

} // namespace orbalux::testing
