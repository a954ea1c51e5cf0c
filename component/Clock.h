#pragma once

#include "component/ScopedOverride.h"

#include <ctime>

namespace vellum::component {

// One reading of the local date and time, to the second.
struct DateTime {
    int year = 1899;
    int month = 12; // 1 to 12
    int day = 30;
    int hour = 0; // 0 to 23
    int minute = 0;
    int second = 0; // 0 to 59

    // The reading as one number, which seeds: days since 30 December 1899, the time as fraction.
    double Serial() const;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual DateTime Now() = 0;
    // One reading as a serial number; the same as Now().Serial().
    virtual double NowSerial() { return Now().Serial(); }
};

// The system's local time. Every encryption reads the clock four times, so the reading is
// converted to local time, and to its serial number, once per second only.
class SystemClock final : public Clock {
public:
    DateTime Now() override {
        refresh();
        return m_local;
    }
    double NowSerial() override {
        refresh();
        return m_serial;
    }

private:
    void refresh();

    std::time_t m_readAt = -1;
    DateTime m_local;
    double m_serial = 0.0;
};

// The clock the ciphers read: the system's local time, or a test's (ScopedOverride).
Clock& ProcessClock();
template <> Clock*& CurrentInstance<Clock>();

} // namespace vellum::component
