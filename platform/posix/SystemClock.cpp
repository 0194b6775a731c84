#include "platform/posix/SystemClock.h"

#include <ctime>

LocalDateTime SystemClock::Now() const {
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    LocalDateTime now;
    now.year = tm.tm_year + 1900;
    now.month = tm.tm_mon + 1;
    now.day = tm.tm_mday;
    now.hour = tm.tm_hour;
    now.minute = tm.tm_min;
    now.second = tm.tm_sec;
    now.weekday = tm.tm_wday;
    now.dst = tm.tm_isdst > 0 ? 1 : 0;
    return now;
}

int64_t SystemClock::ToAbsolute(const LocalDateTime& t) const {
    return LocalToAbsolute(t);
}

int64_t LocalToAbsolute(const LocalDateTime& t) {
    // Years far outside any zone's rules, and times mktime() cannot hold,
    // are counted on the calendar alone.
    if (t.year > -100000 && t.year < 100000) {
        std::tm tm{};
        tm.tm_year = t.year - 1900;
        tm.tm_mon = t.month - 1;
        tm.tm_mday = t.day;
        tm.tm_hour = t.hour;
        tm.tm_min = t.minute;
        tm.tm_sec = t.second;
        tm.tm_isdst = t.dst;
        const std::time_t result = std::mktime(&tm);
        if (result != static_cast<std::time_t>(-1))
            return static_cast<int64_t>(result);
    }
    return CivilSeconds(t);
}
