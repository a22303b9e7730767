#pragma once

#include "platform/Registry.h"

namespace orbalux {

/** The system registry through advapi32's ANSI calls; built on Windows only. */
class WindowsRegistry : public Registry {
public:
    long openKey(RegistryKey root, const std::string& path, std::uint32_t access, RegistryKey& key) override;
    long queryValue(RegistryKey key, const std::string& name, std::uint32_t& type, unsigned char* data,
                    std::uint32_t& size) override;
    void closeKey(RegistryKey key) override;
};

} // namespace orbalux
