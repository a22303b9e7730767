#pragma once

#include <cstdint>

namespace orbalux {

/** How a shot ended; None only after a walk that found no way in. */
enum class Outcome : std::uint8_t { None, Hit, Reflection, Deflection };

} // namespace orbalux
