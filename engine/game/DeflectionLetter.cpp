#include "game/DeflectionLetter.h"

#include <algorithm>

namespace orbalux {

namespace {

constexpr std::int16_t kLastAsciiCode = 126;
// Codes 127 to 160 are control characters or blanks, so the letters go on at U+00C0 instead.
constexpr char32_t kFirstLatinLetter = 0xC0;

std::string utf8(char32_t point)
{
    if (point < 0x80)
        return std::string(1, static_cast<char>(point));
    return {static_cast<char>(0xC0 | (point >> 6)), static_cast<char>(0x80 | (point & 0x3F))};
}

} // namespace

std::string deflectionLetter(std::int16_t code)
{
    const std::int16_t bounded = std::clamp<std::int16_t>(code, 33, kLastDeflectionLetter);
    if (bounded <= kLastAsciiCode)
        return utf8(static_cast<char32_t>(bounded));
    return utf8(kFirstLatinLetter + static_cast<char32_t>(bounded - kLastAsciiCode - 1));
}

} // namespace orbalux
