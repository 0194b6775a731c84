#pragma once

#include <cstdint>

// A moment of local wall-clock time, broken down.
struct LocalDateTime {
    int year = 2000;
    int month = 1; // 1..12
    int day = 1;   // 1..31
    int hour = 0;  // 0..23
    int minute = 0;
    int second = 0;
    int weekday = 6; // 0 Sunday .. 6 Saturday
    int dst = -1;    // daylight saving in effect: 1, 0, or -1 when the zone's rules decide
};

// Days from 1 January 1970 to the given date. Any month and day roll over
// into neighbouring months and years, as a calendar normalises them.
int64_t CivilDays(int64_t year, int64_t month, int64_t day);
// Seconds from 1970-01-01 00:00 to the time, counted on the calendar alone
// (as if the time were UTC).
int64_t CivilSeconds(const LocalDateTime& t);

// Time as the program sees it; tests set it.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual LocalDateTime Now() const = 0;
    // Seconds since 1970-01-01 00:00 UTC of a local time, by the zone's rules:
    // out-of-range fields roll over, and a time skipped when the clocks go
    // forward lies that gap later. This base reads the wall clock as UTC.
    virtual int64_t ToAbsolute(const LocalDateTime& t) const;
};
