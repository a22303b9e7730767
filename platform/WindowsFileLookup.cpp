#ifdef _WIN32

#include "platform/WindowsFileLookup.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace orbalux {

bool WindowsFileLookup::isFile(const std::string& path) const
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES
        && (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0;
}

} // namespace orbalux

#endif
