#pragma once

#include "platform/Registry.h"

#include <optional>
#include <string>

namespace orbalux {

/** The most a registry value may hold to be read. */
inline constexpr std::uint32_t kKeyValueCapacity = 1024;

/**
 * Value valueName of key keyName below root, as text: a string as stored (without its
 * terminating zero), a double word as "&h" and two hexadecimal digits per byte from the last,
 * any other type an empty string. Nothing when the key or value cannot be read or the value
 * is longer than kKeyValueCapacity bytes. The key is opened for reading only and always closed.
 */
std::optional<std::string> GetKeyValue(Registry& registry, RegistryKey root, const std::string& keyName,
                                       const std::string& valueName);

} // namespace orbalux
