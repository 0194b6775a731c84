#include "schedule/ScheduleRecord.h"

#include "model/Text.h"
#include "schedule/Schedule.h"
#include "tests/schedule/ScheduleTestSupport.h"

#include <gtest/gtest.h>

namespace {

class ScheduleRecord : public ::testing::Test {
  protected:
    FakeClock clock;
    void SetUp() override { SetNow(clock, 2026, 12, 8, 10, 0); }

    // Reads one stored schedule line, as the readers do after the keyword.
    std::unique_ptr<CSchedule> Read(const std::string& line, const std::string& message = "") {
        LineWords words(TrimView(line));
        EXPECT_TRUE(EqualsNoCase(words.Next(), "SCHEDULE")) << line;
        return ReadSchedule(words, clock, message);
    }
};

TEST_F(ScheduleRecord, EveryTypeRoundTripsInBothForms) {
    const struct {
        Rule rule;
        const char* line;
    } cases[] = {
        {OneTime(12, 25, 2003, 8, 30, 1), "SCHEDULE One_Time 12 25 2003 8 30 am\r\n"},
        {DailyAt(7, 0, 0), "SCHEDULE Daily 7 0 pm\r\n"},
        {WeeklyAt(2, 9, 15, 1), "SCHEDULE Weekly Monday 9 15 am\r\n"},
        {WeeklyAt(0, 9, 5, 1), "SCHEDULE Weekly Unspecified 9 5 am\r\n"},
        {MonthlyAt(-1, 5, 45, 0), "SCHEDULE Monthly -1 5 45 pm\r\n"},
        {MonthlyAt(28, 12, 5, 1), "SCHEDULE Monthly 28 12 5 am\r\n"},
    };
    for (const auto& c : cases) {
        const auto original = Make(clock, c.rule, "Water the plants");
        EXPECT_EQ(ScheduleLines(*original, true), c.line);
        const std::string alarmLines = ScheduleLines(*original, false);
        EXPECT_EQ(alarmLines, std::string("ALARM Water the plants\r\n") + c.line);

        const auto back = Read(c.line, original->message);
        ASSERT_NE(back, nullptr) << c.line;
        EXPECT_EQ(ScheduleLines(*back, false), alarmLines);
        EXPECT_EQ(back->minutesToGo, original->minutesToGo) << c.line;
    }
}

TEST_F(ScheduleRecord, ReadsKeywordsInAnyCase) {
    const auto s = Read("  SCHEDULE weekly FRIDAY 10 0 AM  ");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->type, CSchedule::Weekly);
    EXPECT_EQ(s->weekday, 6);
    EXPECT_EQ(s->hour, 10);
    EXPECT_EQ(s->minute, 0);
    EXPECT_EQ(s->am, 1);
    EXPECT_EQ(Read("SCHEDULE one_time 1 2 2030 3 4 am")->type, CSchedule::One_Time);
    EXPECT_EQ(Read("schedule MONTHLY 3 3 4 pm")->dayOfMonth, 3);
}

TEST_F(ScheduleRecord, ForgivesMissingAndOddWords) {
    const auto s = Read("SCHEDULE Weekly Funday 3 5");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->weekday, 0);
    EXPECT_EQ(s->am, 0) << "no am word means p.m.";
    const auto d = Read("SCHEDULE Daily 7x 5");
    EXPECT_EQ(d->hour, 7);
    EXPECT_EQ(Read("SCHEDULE Daily")->hour, 0);
}

TEST_F(ScheduleRecord, UnknownTypeGivesNoSchedule) {
    EXPECT_EQ(Read("SCHEDULE Hourly 3 5 am"), nullptr);
    EXPECT_EQ(Read("SCHEDULE"), nullptr);
}

TEST_F(ScheduleRecord, AlarmMessageStaysOnOneLine) {
    const auto s = Make(clock, DailyAt(7, 0, 1), "first\r\nsecond");
    EXPECT_EQ(ScheduleLines(*s, false), "ALARM first  second\r\nSCHEDULE Daily 7 0 am\r\n");
}

} // namespace
