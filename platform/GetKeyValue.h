#pragma once

#include "Registry.h"

#include <string>

namespace orbalux {

/** The most a registry value may hold to be read. */
inline constexpr std::uint32_t kKeyValueCapacity = 1024;

/**
 * Reads value SubKeyRef of key KeyName below KeyRoot as text into KeyVal: a string as stored
 * (without its terminating zero), a double word as "&h" and its hexadecimal digits, any other
 * type leaves KeyVal as it was. False, with KeyVal empty, when the key or value cannot be read
 * or the value is longer than kKeyValueCapacity bytes. The key is always closed again.
 */
bool GetKeyValue(Registry& registry, RegistryKey KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal);

} // namespace orbalux
