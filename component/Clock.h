#pragma once

#include <ctime>

namespace vellum::runtime {

// One reading of the local date and time, to the second.
struct DateTime {
    int year = 1899;
    int month = 12; // 1 to 12
    int day = 30;
    int hour = 0; // 0 to 23
    int minute = 0;
    int second = 0; // 0 to 59

    // The whole reading as one number: days since 30 December 1899, the time of day as the
    // fraction. The encryption seeds the random source with it.
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
// converted to local time, and to a serial number, once per second only, which changes no
// reading. Defined here, so that the ciphers can inline its calls where they know they have it
// (see withOwnTypes).
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
    void refresh() {
        const std::time_t now = std::time(nullptr);
        if (now != m_readAt)
            convert(now);
    }
    void convert(std::time_t now);

    std::time_t m_readAt = -1;
    DateTime m_local;
    double m_serial = 0.0;
};

// The clock every cipher operation reads: the system's local time, unless a test has put
// another clock in its place.
Clock& processClock();

// Test seam: routes processClock() to another clock for as long as it lives.
class ClockOverride {
public:
    explicit ClockOverride(Clock& clock);
    ~ClockOverride();
    ClockOverride(const ClockOverride&) = delete;
    ClockOverride& operator=(const ClockOverride&) = delete;

private:
    Clock* m_previous;
};

} // namespace vellum::runtime
