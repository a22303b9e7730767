#pragma once

#include <cstdint>
#include <string>

namespace orbalux {

/** An open registry key, or one of the predefined roots; opaque to callers. */
using RegistryKey = std::intptr_t;

/** HKEY_LOCAL_MACHINE, sign-extended the way the platform defines it. */
inline constexpr RegistryKey kLocalMachine = static_cast<std::int32_t>(0x80000002u);

/** Value types as the registry reports them. */
inline constexpr std::uint32_t kRegString = 1;
inline constexpr std::uint32_t kRegDoubleWord = 4;

/** Results of the calls below: 0 is success, anything else a platform error code. */
inline constexpr long kRegSuccess = 0;
inline constexpr long kRegNotFound = 2;
inline constexpr long kRegMoreData = 234;

/** Read rights only: standard read control, query values, enumerate, notify. */
inline constexpr std::uint32_t kKeyRead = 0x20019;

/** The read side of the system registry, call for call like advapi32's ANSI functions. None throws. */
class Registry {
public:
    virtual ~Registry() = default;

    /** Opens path below root with access rights; on kRegSuccess key holds the open handle. */
    virtual long openKey(RegistryKey root, const std::string& path, std::uint32_t access, RegistryKey& key) = 0;

    /**
     * Reads value name of key into data, which holds size bytes. On kRegSuccess type and size
     * say what was stored, never more than size bytes; kRegMoreData when it does not fit, with
     * the size it needs.
     */
    virtual long queryValue(RegistryKey key, const std::string& name, std::uint32_t& type,
                            unsigned char* data, std::uint32_t& size) = 0;

    /** Closes a key that openKey opened. */
    virtual void closeKey(RegistryKey key) = 0;
};

} // namespace orbalux
