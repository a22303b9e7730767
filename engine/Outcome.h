#pragma once

#include <cstdint>
#include <string_view>

namespace orbalux {

/** How a shot ended; None only before the first shot or after a broken walk. */
enum class Outcome : std::uint8_t { None, Hit, Reflection, Deflection };

/** "H", "R", "D", or the empty text for None. */
constexpr std::string_view outcomeCode(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Hit: return "H";
    case Outcome::Reflection: return "R";
    case Outcome::Deflection: return "D";
    case Outcome::None: break;
    }
    return "";
}

} // namespace orbalux
