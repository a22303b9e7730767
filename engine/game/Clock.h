#pragma once

namespace orbalux {

/** The time of day, as the game's clock reads it. */
class Clock {
public:
    virtual ~Clock() = default;
    /** Seconds since midnight, with fractions: 0 <= result < 86400. */
    virtual float secondsSinceMidnight() const = 0;
};

} // namespace orbalux
