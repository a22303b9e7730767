#pragma once

#include "game/Clock.h"

namespace orbalux {

/** The local time of day from the system clock. */
class TimeOfDayClock : public Clock {
public:
    float secondsSinceMidnight() const override;
};

} // namespace orbalux
