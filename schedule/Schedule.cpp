#include "schedule/Schedule.h"

#include "model/Text.h"

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

int64_t CivilDays(int64_t year, int64_t month, int64_t day) {
    // Month overflow carries into the year; the day is then a plain offset
    // from the first of the month, so any day number rolls over.
    int64_t y = year + FloorDiv(month - 1, 12);
    const int64_t m = FloorMod(month - 1, 12) + 1;
    y -= m <= 2 ? 1 : 0;
    const int64_t era = FloorDiv(y, 400);
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468 + (day - 1);
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
    const LocalDateTime now = clock.Now();
    const int64_t moment =
        (CivilDays(year, month, day) * 1440 + int64_t{To24Hour(hour, am)} * 60 + minute) * 60;
    return moment - (CivilMinutes(now) * 60 + now.second) < 1;
}

int MinutesToGo(const CSchedule& s, const Clock& clock) {
    const LocalDateTime now = clock.Now();
    const int64_t nowMinutes = CivilMinutes(now);
    const int64_t timeOfDay = int64_t{To24Hour(s.hour, s.am)} * 60 + s.minute;
    const auto span = [&](int64_t y, int64_t m, int64_t d) {
        return CivilDays(y, m, d) * 1440 + timeOfDay - nowMinutes;
    };
    const int64_t today = CivilDays(now.year, now.month, now.day);
    const int64_t todaySpan = today * 1440 + timeOfDay - nowMinutes;

    switch (s.type) {
    case CSchedule::One_Time:
        return ClampToInt(span(s.year, s.month, s.day));
    case CSchedule::Daily:
        return ClampToInt(todaySpan >= 0 ? todaySpan : todaySpan + 1440);
    case CSchedule::Weekly: {
        // Weekday numbers outside 1..7 wrap around the week, so the
        // unspecified weekday 0 is Saturday.
        const int64_t w = FloorMod(s.weekday - 1, 7) + 1;
        const int64_t t = WeekdayOfDays(today);
        int64_t r = todaySpan;
        if (w > t)
            r += (w - t) * 1440;
        else if (w < t)
            r += (w - t + 7) * 1440;
        else if (r < 0)
            r += 7 * 1440;
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
