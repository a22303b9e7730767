#pragma once

#include <cstdint>

namespace orbalux {

/** The largest field the rules know: kMaxGridSize x kMaxGridSize playing cells. */
inline constexpr std::int16_t kMaxGridSize = 15;

} // namespace orbalux
