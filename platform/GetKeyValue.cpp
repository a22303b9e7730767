#include "platform/GetKeyValue.h"

#include <array>

namespace orbalux {

namespace {

// Bytes taken from the last to the first read as one little-endian number; two digits each,
// so that a byte below 0x10 cannot shift the ones after it.
std::string doubleWordText(const std::string& bytes)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text = "&h";
    for (auto byte = bytes.rbegin(); byte != bytes.rend(); ++byte) {
        const auto value = static_cast<unsigned char>(*byte);
        text += kDigits[value >> 4];
        text += kDigits[value & 0x0F];
    }
    return text;
}

std::optional<std::string> readValue(Registry& registry, RegistryKey key, const std::string& name)
{
    std::array<unsigned char, kKeyValueCapacity> buffer{};
    std::uint32_t type = 0;
    std::uint32_t size = kKeyValueCapacity;
    if (registry.queryValue(key, name, type, buffer.data(), size) != kRegSuccess)
        return std::nullopt;
    // Strings may be stored with or without their terminating zero; the zero is cut from
    // every type alike, so a double word whose top byte is zero reads one byte shorter.
    std::string bytes(reinterpret_cast<const char*>(buffer.data()), size);
    if (!bytes.empty() && bytes.back() == '\0')
        bytes.pop_back();
    if (type == kRegString)
        return bytes;
    if (type == kRegDoubleWord)
        return doubleWordText(bytes);
    // Readable but of a kind nobody here asks for: present, with nothing to show.
    return std::string();
}

} // namespace

std::optional<std::string> GetKeyValue(Registry& registry, RegistryKey root, const std::string& keyName,
                                       const std::string& valueName)
{
    RegistryKey key = 0;
    // Read rights are enough, and asking for more is refused on the machine-wide keys to
    // anyone who is not an administrator.
    if (registry.openKey(root, keyName, kKeyRead, key) != kRegSuccess)
        return std::nullopt;
    std::optional<std::string> text = readValue(registry, key, valueName);
    registry.closeKey(key);
    return text;
}

} // namespace orbalux
