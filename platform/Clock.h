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
};

// Time as the program sees it; tests set it.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual LocalDateTime Now() const = 0;
};
