#include "component/Clock.h"

#include <chrono>

namespace vellum::component {

double DateTime::Serial() const {
    using namespace std::chrono;
    const sys_days date =
        year_month_day{std::chrono::year{year}, std::chrono::month(static_cast<unsigned>(month)),
                       std::chrono::day(static_cast<unsigned>(day))};
    const sys_days origin = 1899y / December / 30d;
    const double secondsOfDay = hour * 3600.0 + minute * 60.0 + second;
    return static_cast<double>((date - origin).count()) + secondsOfDay / 86400.0;
}

DateTime SystemClock::Now() {
    const std::time_t now = std::time(nullptr);
    if (now == m_readAt)
        return m_local;
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr)
        return DateTime{};
    m_local = DateTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                       local.tm_hour,        local.tm_min,     local.tm_sec};
    m_readAt = now;
    return m_local;
}

// Each thread has its own, so that no call needs a lock.
template <> Clock*& CurrentInstance<Clock>() {
    thread_local SystemClock systemClock;
    thread_local Clock* current = &systemClock;
    return current;
}

Clock& ProcessClock() {
    return *CurrentInstance<Clock>();
}

} // namespace vellum::component
