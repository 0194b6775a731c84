#include "schedule/Schedule.h"

#include "model/Text.h"

#include <algorithm>
#include <climits>
#include <utility>

namespace {

int64_t FloorDiv(int64_t a, int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

int64_t FloorMod(int64_t a, int64_t b) {
    return a - FloorDiv(a, b) * b;
}

bool IsLeapYear(int64_t year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// Days of a month for any year; `month` already in 1..12.
int MonthLength(int64_t year, int month) {
    static constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kLengths[month - 1];
}

int ClampToInt(int64_t v) {
    if (v > INT_MAX)
        return INT_MAX;
    if (v < INT_MIN)
        return INT_MIN;
    return static_cast<int>(v);
}

} // namespace

CSchedule::CSchedule(const Clock& clock, std::string message_, int type_, int month_, int day_,
                     int year_, int weekday_, int dayOfMonth_, int hour_, int minute_, int am_)
    : message(std::move(message_)), type(type_), month(month_), day(day_), year(year_),
      weekday(weekday_), dayOfMonth(dayOfMonth_), hour(hour_), minute(minute_), am(am_) {
    Recompute(clock);
}

CSchedule::CSchedule(const CSchedule& other)
    : type(other.type), month(other.month), day(other.day), year(other.year),
      weekday(other.weekday), dayOfMonth(other.dayOfMonth), hour(other.hour), minute(other.minute),
      am(other.am), minutesToGo(other.minutesToGo) {}

int CSchedule::Recompute(const Clock& clock) {
    minutesToGo = MinutesToGo(*this, clock);
    return minutesToGo;
}

const char* WeekdayName(int index) {
    return index >= 0 && index <= 7 ? kWeekdayNames[index] : kWeekdayNames[0];
}

int WeekdayFromName(std::string_view name) {
    for (int i = 1; i <= 7; ++i)
        if (EqualsNoCase(name, kWeekdayNames[i]))
            return i;
    return 0;
}

int WeekdayOfDays(int64_t days) {
    // 1 January 1970 was a Thursday.
    return static_cast<int>(FloorMod(days + 4, 7)) + 1;
}

int64_t CivilMinutes(const LocalDateTime& t) {
    return CivilDays(t.year, t.month, t.day) * 1440 + int64_t{t.hour} * 60 + t.minute;
}

int To24Hour(int hour, int am) {
    if (am)
        return hour == 12 ? 0 : hour;
    return hour >= 1 && hour <= 11 ? hour + 12 : hour;
}

int DaysInMonth(int month, int year) {
    if (month < 1 || month > 12 || year < 1 || year > 9999)
        return 0;
    return MonthLength(year, month);
}

bool HasPassed(const Clock& clock, int month, int day, int year, int hour, int minute, int am) {
    LocalDateTime moment;
    moment.year = year;
    moment.month = month;
    moment.day = day;
    moment.hour = To24Hour(hour, am);
    moment.minute = minute;
    moment.second = 0;
    return clock.ToAbsolute(moment) - clock.ToAbsolute(clock.Now()) < 1;
}

int MinutesToGo(const CSchedule& s, const Clock& clock) {
    const LocalDateTime now = clock.Now();
    const int64_t nowStart = clock.ToAbsolute(now) - now.second;
    // Minutes to the schedule's time of day on a local date; the day may lie
    // beyond the month's end and rolls over.
    const auto span = [&](int64_t y, int64_t m, int64_t d) {
        LocalDateTime at;
        at.year = static_cast<int>(std::clamp<int64_t>(y, INT_MIN, INT_MAX));
        at.month = static_cast<int>(m);
        at.day = static_cast<int>(d);
        at.hour = To24Hour(s.hour, s.am);
        at.minute = s.minute;
        at.second = 0;
        return FloorDiv(clock.ToAbsolute(at) - nowStart, 60);
    };
    const int64_t today = CivilDays(now.year, now.month, now.day);

    switch (s.type) {
    case CSchedule::One_Time:
        return ClampToInt(span(s.year, s.month, s.day));
    case CSchedule::Daily: {
        const int64_t r = span(now.year, now.month, now.day);
        return ClampToInt(r >= 0 ? r : span(now.year, now.month, int64_t{now.day} + 1));
    }
    case CSchedule::Weekly: {
        // Weekday numbers outside 1..7 wrap around the week, so the
        // unspecified weekday 0 is Saturday.
        const int64_t w = FloorMod(s.weekday - 1, 7) + 1;
        const int64_t ahead = FloorMod(w - WeekdayOfDays(today), 7);
        const int64_t r = span(now.year, now.month, now.day + ahead);
        if (ahead == 0 && r < 0)
            return ClampToInt(span(now.year, now.month, int64_t{now.day} + 7));
        return ClampToInt(r);
    }
    case CSchedule::Monthly: {
        const int d = s.dayOfMonth;
        if (d < 1 || d > 31) {
            // -1 is the last day of the month; a day no month has is taken
            // the same way, rather than searched for for ever.
            int64_t r = span(now.year, now.month, MonthLength(now.year, now.month));
            if (r >= 0)
                return ClampToInt(r);
            const int64_t y = now.month == 12 ? int64_t{now.year} + 1 : now.year;
            const int m = now.month == 12 ? 1 : now.month + 1;
            return ClampToInt(span(y, m, MonthLength(y, m)));
        }
        const int64_t r = span(now.year, now.month, d);
        if (r >= 0)
            return ClampToInt(r);
        // The next later month that has day d; every day up to 31 comes
        // round within two months.
        int64_t y = now.year;
        int m = now.month;
        do {
            if (++m > 12) {
                m = 1;
                ++y;
            }
        } while (MonthLength(y, m) < d);
        return ClampToInt(span(y, m, d));
    }
    default:
        // Only the four types exist; anything else is never due.
        return INT_MAX;
    }
}
