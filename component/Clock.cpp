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

void SystemClock::refresh() {
    const std::time_t now = std::time(nullptr);
    if (now == m_readAt)
        return;
    std::tm local{};
    m_local = localtime_r(&now, &local) == nullptr
                  ? DateTime{}
                  : DateTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                             local.tm_hour,        local.tm_min,     local.tm_sec};
    m_serial = m_local.Serial();
    m_readAt = now;
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
