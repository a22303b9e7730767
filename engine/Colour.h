#pragma once

#include <cstdint>

namespace orbalux {

/** Entries 0..15 of the classic 16-colour palette, plus the desktop's tool-tip background. */
enum class Colour : std::uint8_t {
    Black,
    Navy,
    Green,
    Teal,
    Maroon,
    Purple,
    Olive,
    Silver,
    Grey,
    Blue,
    Lime,
    Aqua,
    Red,
    Fuchsia,
    Yellow,
    White,
    ToolTip,
};

} // namespace orbalux
