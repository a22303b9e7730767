#include "platform/TimeOfDayClock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <string>

namespace orbalux {
namespace {

// Sets the local time zone for the life of one test, so the clock can be checked against
// plain arithmetic on the universal time instead of against the calls it makes itself.
class LocalZone {
public:
    explicit LocalZone(const char* zone)
    {
        if (const char* before = std::getenv("TZ"))
            m_before = before;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~LocalZone()
    {
        if (m_before.empty())
            unsetenv("TZ");
        else
            setenv("TZ", m_before.c_str(), 1);
        tzset();
    }
    LocalZone(const LocalZone&) = delete;
    LocalZone& operator=(const LocalZone&) = delete;

private:
    std::string m_before;
};

double universalSecondsOfDay()
{
    using namespace std::chrono;
    const auto sinceEpoch = duration<double>(system_clock::now().time_since_epoch()).count();
    return std::fmod(sinceEpoch, 86400.0);
}

// The difference of two times of day, folded onto one day so midnight does not count.
double dayDistance(double a, double b)
{
    const double d = std::fabs(a - b);
    return std::min(d, 86400.0 - d);
}

TEST(TimeOfDayClock, ReadsTheLocalTimeOfDayWithItsFraction)
{
    const TimeOfDayClock clock;
    {
        const LocalZone utc("UTC0");
        EXPECT_LT(dayDistance(clock.secondsSinceMidnight(), universalSecondsOfDay()), 2.0);
    }
    {
        // POSIX zones count west as positive: five hours east of Greenwich.
        const LocalZone east("EAST-5");
        EXPECT_LT(dayDistance(clock.secondsSinceMidnight(), std::fmod(universalSecondsOfDay() + 5 * 3600, 86400.0)), 2.0);
    }
    const float reading = clock.secondsSinceMidnight();
    EXPECT_GE(reading, 0.0f);
    EXPECT_LT(reading, 86400.0f);
}

} // namespace
} // namespace orbalux
