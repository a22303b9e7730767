#pragma once

#include <cstdint>
#include <string>

namespace orbalux {

/** The first letter of a game: "a". */
inline constexpr std::int16_t kFirstDeflectionLetter = 97;
/** The last code with a glyph of its own; later deflections keep it rather than overflow. */
inline constexpr std::int16_t kLastDeflectionLetter = 526;

/**
 * The UTF-8 text of a deflection letter code: the character itself up to 126 ("~"), then
 * printable Latin letters from U+00C0 on, so every code up to kLastDeflectionLetter is visible.
 */
std::string deflectionLetter(std::int16_t code);

} // namespace orbalux
