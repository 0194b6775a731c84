#pragma once

#include "schedule/Schedule.h"
#include "tests/support/Fakes.h"

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

// Sets the fake clock; the weekday field is left alone on purpose, since the
// schedule code derives weekdays from the date.
inline void SetNow(FakeClock& clock, int year, int month, int day, int hour, int minute,
                   int second = 0) {
    clock.now.year = year;
    clock.now.month = month;
    clock.now.day = day;
    clock.now.hour = hour;
    clock.now.minute = minute;
    clock.now.second = second;
}

// Sets the fake clock with its daylight-saving flag, for the repeated hour.
inline void SetNowDst(FakeClock& clock, int year, int month, int day, int hour, int minute,
                      int dst) {
    SetNow(clock, year, month, day, hour, minute);
    clock.now.dst = dst;
}

// The process runs in a real time zone (TZ) while this lives, and the fake
// clock converts by it.
class LocalZone {
  public:
    LocalZone(FakeClock& clock, const std::string& zone) : clock_(clock) {
        if (const char* old = std::getenv("TZ"))
            old_ = old;
        ::setenv("TZ", zone.c_str(), 1);
        ::tzset();
        clock_.zoneRules = true;
    }
    ~LocalZone() {
        if (old_)
            ::setenv("TZ", old_->c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
        clock_.zoneRules = false;
    }
    LocalZone(const LocalZone&) = delete;
    LocalZone& operator=(const LocalZone&) = delete;
    static bool Installed(const std::string& zone) {
        return std::filesystem::exists("/usr/share/zoneinfo/" + zone);
    }

  private:
    FakeClock& clock_;
    std::optional<std::string> old_;
};

// The rule fields of a schedule in the order of the constructor.
struct Rule {
    int type;
    int month = 0, day = 0, year = 0, weekday = 0, dayOfMonth = 0;
    int hour = 12, minute = 0, am = 1;
};

inline std::unique_ptr<CSchedule> Make(const Clock& clock, const Rule& r,
                                       const std::string& message = "") {
    return std::make_unique<CSchedule>(clock, message, r.type, r.month, r.day, r.year, r.weekday,
                                       r.dayOfMonth, r.hour, r.minute, r.am);
}

inline Rule OneTime(int month, int day, int year, int hour, int minute, int am) {
    return {CSchedule::One_Time, month, day, year, 0, 0, hour, minute, am};
}
inline Rule DailyAt(int hour, int minute, int am) {
    return {CSchedule::Daily, 0, 0, 0, 0, 0, hour, minute, am};
}
inline Rule WeeklyAt(int weekday, int hour, int minute, int am) {
    return {CSchedule::Weekly, 0, 0, 0, weekday, 0, hour, minute, am};
}
inline Rule MonthlyAt(int dayOfMonth, int hour, int minute, int am) {
    return {CSchedule::Monthly, 0, 0, 0, 0, dayOfMonth, hour, minute, am};
}
