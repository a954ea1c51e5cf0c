#include "Clock.h"

#include <chrono>
#include <ctime>

namespace vellum::runtime {

namespace {

DateTime toLocal(std::time_t at) {
    std::tm local{};
    if (localtime_r(&at, &local) == nullptr)
        return DateTime{};
    return DateTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                    local.tm_hour,        local.tm_min,     local.tm_sec};
}

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

void SystemClock::convert(std::time_t now) {
    m_local = toLocal(now);
    m_serial = m_local.Serial();
    m_readAt = now;
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
