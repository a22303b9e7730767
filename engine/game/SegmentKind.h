#pragma once

#include <cstdint>

namespace orbalux {

/** A trace picture; the value is its row in the picture store (0 holds no picture). */
enum class SegmentKind : std::uint8_t {
    None = 0,
    VBar = 1,
    HBar = 2,
    CrossBar = 3,
    NWBar = 4,
    NEBar = 5,
    SWBar = 6,
    SEBar = 7,
};

inline constexpr int kSegmentKindCount = 8;

} // namespace orbalux
