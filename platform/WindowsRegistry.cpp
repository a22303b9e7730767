#ifdef _WIN32

#include "platform/WindowsRegistry.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace orbalux {

namespace {

HKEY handle(RegistryKey key)
{
    return reinterpret_cast<HKEY>(key);
}

} // namespace

long WindowsRegistry::openKey(RegistryKey root, const std::string& path, std::uint32_t access, RegistryKey& key)
{
    HKEY opened = nullptr;
    const LSTATUS status = RegOpenKeyExA(handle(root), path.c_str(), 0, access, &opened);
    if (status == ERROR_SUCCESS)
        key = reinterpret_cast<RegistryKey>(opened);
    return status;
}

long WindowsRegistry::queryValue(RegistryKey key, const std::string& name, std::uint32_t& type,
                                 unsigned char* data, std::uint32_t& size)
{
    DWORD valueType = 0;
    DWORD valueSize = size;
    const LSTATUS status = RegQueryValueExA(handle(key), name.c_str(), nullptr, &valueType, data, &valueSize);
    type = valueType;
    size = valueSize;
    return status;
}

void WindowsRegistry::closeKey(RegistryKey key)
{
    RegCloseKey(handle(key));
}

} // namespace orbalux

#endif
