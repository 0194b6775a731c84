#include "schedule/Schedule.h"
#include "tests/schedule/ScheduleTestSupport.h"

#include <gtest/gtest.h>

namespace {

struct Occurrence {
    const char* what;
    int year, month, day, hour, minute; // now
    Rule rule;
    int expected;
};

// 8 December 2026 is a Tuesday, 12 December 2026 a Saturday.
const Occurrence kOccurrences[] = {
    {"daily this minute", 2026, 12, 8, 10, 15, DailyAt(10, 15, 1), 0},
    {"daily previous minute", 2026, 12, 8, 10, 15, DailyAt(10, 14, 1), 1439},
    {"daily midnight from 23:59", 2026, 12, 8, 23, 59, DailyAt(12, 0, 1), 1},
    {"daily noon", 2026, 12, 8, 11, 0, DailyAt(12, 0, 0), 60},
    {"daily across the new year", 2026, 12, 31, 23, 30, DailyAt(12, 10, 1), 40},
    {"weekly today, passed", 2026, 12, 8, 10, 15, WeeklyAt(3, 10, 14, 1), 7 * 1440 - 1},
    {"weekly today, ahead", 2026, 12, 8, 10, 15, WeeklyAt(3, 10, 16, 1), 1},
    {"weekly later this week", 2026, 12, 8, 10, 15, WeeklyAt(6, 10, 15, 1), 3 * 1440},
    {"weekly wraps to Sunday", 2026, 12, 12, 23, 0, WeeklyAt(1, 1, 0, 1), 120},
    {"weekly unspecified is Saturday", 2026, 12, 12, 10, 15, WeeklyAt(0, 10, 14, 1), 7 * 1440 - 1},
    {"monthly last day, December passed", 2026, 12, 31, 23, 0, MonthlyAt(-1, 10, 0, 0),
     31 * 1440 - 60},
    {"monthly last day, leap February", 2028, 2, 1, 0, 0, MonthlyAt(-1, 12, 0, 1), 28 * 1440},
    {"monthly last day, 2100 is no leap year", 2100, 2, 1, 0, 0, MonthlyAt(-1, 12, 0, 1),
     27 * 1440},
    {"monthly last day, year 2038", 2038, 1, 19, 0, 0, MonthlyAt(-1, 12, 0, 1), 12 * 1440},
    {"monthly day passed goes to next month", 2026, 1, 20, 0, 0, MonthlyAt(15, 12, 0, 1),
     26 * 1440},
    {"monthly day 31 skips short months", 2026, 1, 31, 12, 0, MonthlyAt(31, 10, 0, 1),
     59 * 1440 - 120},
    {"monthly day 30 skips February", 2028, 1, 31, 0, 0, MonthlyAt(30, 12, 0, 1), (29 + 30) * 1440},
    {"monthly day 0 is the last day", 2026, 4, 10, 0, 0, MonthlyAt(0, 12, 0, 1), 20 * 1440},
    {"monthly day 99 is the last day", 2026, 4, 10, 0, 0, MonthlyAt(99, 12, 0, 1), 20 * 1440},
    {"one time ahead in 2038", 2038, 1, 19, 3, 0, OneTime(1, 19, 2038, 3, 14, 1), 14},
    {"one time passed", 2026, 12, 8, 10, 15, OneTime(12, 8, 2026, 10, 14, 1), -1},
    {"one time across 2100's February", 2100, 2, 28, 23, 0, OneTime(3, 1, 2100, 12, 0, 1), 60},
    {"one time day 31 of April rolls over", 2026, 4, 30, 0, 0, OneTime(4, 31, 2026, 12, 0, 1),
     1440},
    {"one time far ahead is clamped", 2026, 1, 1, 0, 0, OneTime(1, 1, 2147483647, 12, 0, 1),
     2147483647},
};

TEST(MinutesToGo, FollowsTheRuleOfEachType) {
    FakeClock clock;
    for (const Occurrence& c : kOccurrences) {
        SetNow(clock, c.year, c.month, c.day, c.hour, c.minute);
        EXPECT_EQ(Make(clock, c.rule)->minutesToGo, c.expected) << c.what;
    }
}

TEST(MinutesToGo, IgnoresTheSecondsOfNow) {
    FakeClock clock;
    SetNow(clock, 2026, 12, 8, 10, 15, 59);
    EXPECT_EQ(Make(clock, DailyAt(10, 15, 1))->minutesToGo, 0);
    EXPECT_EQ(Make(clock, DailyAt(10, 16, 1))->minutesToGo, 1);
}

TEST(MinutesToGo, RecomputeFollowsTheClock) {
    FakeClock clock;
    SetNow(clock, 2026, 12, 8, 10, 0);
    auto s = Make(clock, OneTime(12, 8, 2026, 10, 5, 1));
    EXPECT_EQ(s->minutesToGo, 5);
    SetNow(clock, 2026, 12, 8, 10, 6);
    EXPECT_EQ(s->minutesToGo, 5) << "cached until recomputed";
    EXPECT_EQ(s->Recompute(clock), -1);
    EXPECT_EQ(s->minutesToGo, -1);
}

// Counts across the changes of daylight saving in Berlin (29 March and 25
// October 2026) are real minutes, not differences of wall-clock readings.
TEST(MinutesToGo, CountsRealMinutesAcrossDaylightSavingChanges) {
    if (!LocalZone::Installed("Europe/Berlin"))
        GTEST_SKIP() << "no time zone data";
    FakeClock clock;
    const LocalZone zone(clock, "Europe/Berlin");
    const struct {
        const char* what;
        int month, day, hour, minute, dst;
        Rule rule;
        int expected;
    } cases[] = {
        {"spring: 01:00 to 04:00 is two hours", 3, 29, 1, 0, 0, DailyAt(4, 0, 1), 120},
        {"spring: the skipped 02:30 is 03:30", 3, 29, 1, 0, 0, OneTime(3, 29, 2026, 2, 30, 1), 90},
        {"spring: a daily 02:30 is not skipped", 3, 29, 3, 0, 1, DailyAt(2, 30, 1), 30},
        {"spring: a weekly Sunday 02:30 is not skipped", 3, 29, 3, 0, 1, WeeklyAt(1, 2, 30, 1), 30},
        {"spring: across the night, a day is 23 hours", 3, 28, 12, 0, 0,
         OneTime(3, 29, 2026, 12, 0, 0), 23 * 60},
        {"autumn: 01:00 to 04:00 is four hours", 10, 25, 1, 0, 1, DailyAt(4, 0, 1), 240},
        {"autumn: the second 02:00 to 03:00", 10, 25, 2, 0, 0, DailyAt(3, 0, 1), 60},
        {"autumn: a monthly on the 26th", 10, 24, 12, 0, 1, MonthlyAt(26, 12, 0, 0), 49 * 60},
        {"autumn: across the night, a day is 25 hours", 10, 24, 12, 0, 1,
         OneTime(10, 25, 2026, 12, 0, 0), 25 * 60},
    };
    for (const auto& c : cases) {
        SetNowDst(clock, 2026, c.month, c.day, c.hour, c.minute, c.dst);
        EXPECT_EQ(Make(clock, c.rule)->minutesToGo, c.expected) << c.what;
    }
    // The repeated hour: 02:30 in summer time is not past 02:30 of winter time.
    SetNowDst(clock, 2026, 10, 25, 2, 45, 1);
    EXPECT_FALSE(HasPassed(clock, 10, 25, 2026, 2, 30, 1));
    SetNowDst(clock, 2026, 10, 25, 2, 45, 0);
    EXPECT_TRUE(HasPassed(clock, 10, 25, 2026, 2, 30, 1));
}

TEST(HasPassed, NeedsAtLeastOneSecondAhead) {
    FakeClock clock;
    SetNow(clock, 2040, 6, 1, 10, 15, 0);
    EXPECT_TRUE(HasPassed(clock, 6, 1, 2040, 10, 15, 1)) << "exactly now";
    EXPECT_TRUE(HasPassed(clock, 6, 1, 2040, 10, 14, 1));
    EXPECT_FALSE(HasPassed(clock, 6, 1, 2040, 10, 16, 1));
    SetNow(clock, 2040, 6, 1, 10, 14, 59);
    EXPECT_FALSE(HasPassed(clock, 6, 1, 2040, 10, 15, 1)) << "one second ahead";
    EXPECT_FALSE(HasPassed(clock, 6, 1, 2040, 10, 15, 0)) << "10:15 p.m. is hours ahead";
}

TEST(To24Hour, ConvertsTheTwelveHourClock) {
    const struct {
        int hour, am, expected;
    } cases[] = {{12, 1, 0},  {12, 0, 12}, {1, 0, 13}, {11, 1, 11},
                 {11, 0, 23}, {1, 1, 1},   {0, 0, 0},  {13, 0, 13}};
    for (const auto& c : cases)
        EXPECT_EQ(To24Hour(c.hour, c.am), c.expected) << c.hour << (c.am ? " am" : " pm");
}

TEST(DaysInMonth, IsGregorianForEveryYearUpTo9999) {
    const struct {
        int month, year, expected;
    } cases[] = {{2, 2004, 29}, {2, 2003, 28}, {2, 2000, 29},  {2, 2100, 28}, {2, 2400, 29},
                 {1, 2038, 31}, {4, 2040, 30}, {12, 9999, 31}, {2, 1, 28},    {13, 2003, 0},
                 {0, 2003, 0},  {2, 0, 0},     {2, 10000, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(DaysInMonth(c.month, c.year), c.expected) << c.month << "/" << c.year;
}

TEST(CivilCalendar, CountsDaysAndWeekdaysBeyond2038) {
    EXPECT_EQ(CivilDays(1970, 1, 1), 0);
    EXPECT_EQ(CivilDays(2038, 1, 20) - CivilDays(2038, 1, 19), 1);
    EXPECT_EQ(CivilDays(2027, 0, 31), CivilDays(2026, 12, 31)) << "month 0 is last December";
    EXPECT_EQ(WeekdayOfDays(CivilDays(2026, 12, 8)), 3);  // Tuesday
    EXPECT_EQ(WeekdayOfDays(CivilDays(2100, 3, 1)), 2);   // Monday
    EXPECT_EQ(WeekdayOfDays(CivilDays(1969, 12, 31)), 4); // Wednesday
}

TEST(CSchedule, CopyKeepsTheRuleButNotTheMessageOrMark) {
    FakeClock clock;
    SetNow(clock, 2026, 12, 8, 10, 0);
    auto original = Make(clock, WeeklyAt(6, 9, 30, 0), "Team call");
    original->listed = 1;
    const CSchedule copy(*original);
    EXPECT_EQ(copy.message, "");
    EXPECT_EQ(copy.listed, 0);
    EXPECT_EQ(copy.type, CSchedule::Weekly);
    EXPECT_EQ(copy.weekday, 6);
    EXPECT_EQ(copy.hour, 9);
    EXPECT_EQ(copy.minute, 30);
    EXPECT_EQ(copy.am, 0);
    EXPECT_EQ(copy.minutesToGo, original->minutesToGo);
}

} // namespace
