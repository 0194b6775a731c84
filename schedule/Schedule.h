#pragma once

#include "platform/Clock.h"

#include <cstdint>
#include <string>
#include <string_view>

// A recurrence rule: a button's launch schedule or an alarm. Times are on a
// 12-hour clock; `minutesToGo` caches the minutes to the next occurrence.
class CSchedule {
  public:
    static constexpr int One_Time = 1;
    static constexpr int Daily = 2;
    static constexpr int Weekly = 3;
    static constexpr int Monthly = 4;

    std::string message; // the alarm's text; empty for a launch schedule
    int type = One_Time;
    int month = 1;       // one time: 1..12
    int day = 1;         // one time: 1..31
    int year = 2000;     // one time: four digits
    int weekday = 0;     // weekly: 1 Sunday .. 7 Saturday, 0 unspecified
    int dayOfMonth = 1;  // monthly: 1..28, or -1 for the last day
    int hour = 12;       // 1..12
    int minute = 0;      // 0..59
    int am = 1;          // nonzero: a.m.
    int minutesToGo = 0; // negative only for a one-time moment that has passed
    int listed = 0;      // marker used while a sorted list is filled

    // Stores the fields and computes `minutesToGo` from `clock`.
    CSchedule(const Clock& clock, std::string message, int type, int month, int day, int year,
              int weekday, int dayOfMonth, int hour, int minute, int am);
    // A copy for a copied button: every rule field and `minutesToGo`, but no
    // message and no listed mark.
    CSchedule(const CSchedule& other);
    CSchedule& operator=(const CSchedule&) = delete;
    virtual ~CSchedule() = default;

    // Stores MinutesToGo(*this, clock) and returns it.
    int Recompute(const Clock& clock);
};

inline constexpr const char* kWeekdayNames[8] = {"Unspecified", "Sunday",   "Monday", "Tuesday",
                                                 "Wednesday",   "Thursday", "Friday", "Saturday"};

// The weekday name of index 0..7; "Unspecified" for any other index.
const char* WeekdayName(int index);
// 1..7 for "Sunday".."Saturday" (ignoring case), 0 for anything else.
int WeekdayFromName(std::string_view name);

// Minutes from the current minute (seconds dropped) to the schedule's next
// occurrence. Candidates are chosen on the local calendar and compared as
// absolute times, so a change to or from daylight saving neither skips nor
// delays an occurrence. Out-of-range fields roll over as a calendar would.
// Clamped to the range of int.
int MinutesToGo(const CSchedule& schedule, const Clock& clock);

// True when the local moment is not at least one second in the future.
bool HasPassed(const Clock& clock, int month, int day, int year, int hour, int minute, int am);

// 12-hour to 24-hour: 12 a.m. is 0, 1..11 p.m. are 13..23, anything else stays.
int To24Hour(int hour, int am);

// Days of the month in the Gregorian calendar; 0 for a month outside 1..12 or
// a year outside 1..9999.
int DaysInMonth(int month, int year);

// CivilDays (days from 1 January 1970 to a date) comes with platform/Clock.h.
// Weekday of a day count from CivilDays: 1 Sunday .. 7 Saturday.
int WeekdayOfDays(int64_t days);
// The local minute of `t` counted from 1 January 1970 (seconds dropped).
int64_t CivilMinutes(const LocalDateTime& t);
