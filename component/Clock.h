#pragma once

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
