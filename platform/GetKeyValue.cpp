#include "GetKeyValue.h"

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

bool readValue(Registry& registry, RegistryKey key, const std::string& name, std::string& text)
{
    std::array<unsigned char, kKeyValueCapacity> buffer{};
    std::uint32_t type = 0;
    std::uint32_t size = kKeyValueCapacity;
    if (registry.queryValue(key, name, type, buffer.data(), size) != kRegSuccess || size > buffer.size())
        return false;
    std::string bytes(reinterpret_cast<const char*>(buffer.data()), size);
    if (!bytes.empty() && bytes.back() == '\0')
        bytes.pop_back();
    if (type == kRegString)
        text = bytes;
    else if (type == kRegDoubleWord)
        text = doubleWordText(bytes);
    return true;
}

// Closes the key however the reading ends, a throwing registry included.
class OpenKey {
public:
    OpenKey(Registry& registry, RegistryKey key) : m_registry(registry), m_key(key) {}
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    ~OpenKey() { m_registry.closeKey(m_key); }

private:
    Registry& m_registry;
    RegistryKey m_key;
};

} // namespace

bool GetKeyValue(Registry& registry, RegistryKey KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal)
{
    RegistryKey key = 0;
    // Read rights are enough, and asking for more is refused on the machine-wide keys to
    // anyone who is not an administrator.
    if (registry.openKey(KeyRoot, KeyName, kKeyRead, key) != kRegSuccess) {
        KeyVal.clear();
        return false;
    }
    const OpenKey open(registry, key);
    const bool read = readValue(registry, key, SubKeyRef, KeyVal);
    if (!read)
        KeyVal.clear();
    return read;
}

} // namespace orbalux
