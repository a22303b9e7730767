#pragma once

#include <cstdint>

namespace orbalux {

/** How a shot ended; None for no shot: a walk that found no way in, a cell never fired through. */
enum class Outcome : std::uint8_t { None, Hit, Reflection, Deflection };

} // namespace orbalux
