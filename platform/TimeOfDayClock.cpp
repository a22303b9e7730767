#include "platform/TimeOfDayClock.h"

#include <chrono>
#include <ctime>

namespace orbalux {

float TimeOfDayClock::secondsSinceMidnight() const
{
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &seconds);
#else
    localtime_r(&seconds, &local);
#endif
    const auto fraction = duration<float>(now - system_clock::from_time_t(seconds)).count();
    return static_cast<float>(local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec) + fraction;
}

} // namespace orbalux
