#pragma once

#include "game/CellPos.h"
#include "game/Outcome.h"

namespace orbalux {

/** What the board shows for one shot: where it went in and how it ended. */
struct Observation {
    CellPos entry;
    Outcome outcome = Outcome::None;
    /** The border cell the laser left by; meaningful for a Deflection only. */
    CellPos exit;

    friend bool operator==(const Observation&, const Observation&) = default;
};

/** True when both describe the same result of a shot: same outcome and, for a Deflection, same exit. */
constexpr bool sameResult(const Observation& a, const Observation& b)
{
    return a.outcome == b.outcome && (a.outcome != Outcome::Deflection || a.exit == b.exit);
}

} // namespace orbalux
