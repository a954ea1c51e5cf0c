#include "Clock.h"

#include <chrono>
#include <ctime>

namespace vellum::runtime {

namespace {

// Every encryption reads the clock four times; converting to local time once per second keeps
// that cheap without changing any reading.
class SystemClock final : public Clock {
public:
    DateTime Now() override {
        const std::time_t now = std::time(nullptr);
        if (now != m_cachedAt) {
            m_cached = toLocal(now);
            m_cachedAt = now;
        }
        return m_cached;
    }

private:
    static DateTime toLocal(std::time_t at) {
        std::tm local{};
        if (localtime_r(&at, &local) == nullptr)
            return DateTime{};
        return DateTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                        local.tm_hour,        local.tm_min,     local.tm_sec};
    }

    std::time_t m_cachedAt = -1;
    DateTime m_cached;
};

Clock*& currentClock() {
    thread_local SystemClock systemClock;
    thread_local Clock* current = &systemClock;
    return current;
}

} // namespace

double DateTime::Serial() const {
    using namespace std::chrono;
    const sys_days date =
        year_month_day{std::chrono::year{year}, std::chrono::month(static_cast<unsigned>(month)),
                       std::chrono::day(static_cast<unsigned>(day))};
    const sys_days origin = 1899y / December / 30d;
    const double secondsOfDay = hour * 3600.0 + minute * 60.0 + second;
    return static_cast<double>((date - origin).count()) + secondsOfDay / 86400.0;
}

Clock& processClock() {
    return *currentClock();
}

ClockOverride::ClockOverride(Clock& clock)
    : m_previous(currentClock()) {
    currentClock() = &clock;
}

ClockOverride::~ClockOverride() {
    currentClock() = m_previous;
}

} // namespace vellum::runtime
