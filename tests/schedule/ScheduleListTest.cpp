#include "schedule/ScheduleList.h"

#include "model/ButtonDef.h"
#include "model/Model.h"
#include "schedule/LaunchSchedules.h"
#include "tests/schedule/ScheduleTestSupport.h"
#include "tests/support/TestPlatform.h"
#include "undo/ChangeLog.h"

#include <gtest/gtest.h>

namespace {

class ScheduleList : public ::testing::Test {
  protected:
    TestPlatform tp;
    CModel model{tp.platform};

    void SetUp() override {
        SetNow(tp.clock, 2026, 12, 8, 10, 0); // a Tuesday
        model.CreateCategory(0, "A");
        model.CreateCategory(1, "B");
    }

    CButtonDef* Put(int cat, int slot, const std::string& name, const Rule& rule) {
        auto b = std::make_unique<CButtonDef>(model);
        b->SetName(name);
        b->SetSchedule(Make(tp.clock, rule));
        CButtonDef* raw = b.get();
        model.Category(cat)->SetSlot(slot, std::move(b));
        return raw;
    }

    static std::vector<std::string> Names(const std::vector<ScheduleRow>& rows) {
        std::vector<std::string> names;
        for (const ScheduleRow& r : rows)
            names.push_back(r.cells[0]);
        return names;
    }
};

TEST_F(ScheduleList, RowsRunByMinutesLeftWithTiesInTableOrder) {
    Put(1, 2, "Late", DailyAt(11, 0, 1));
    Put(1, 0, "Tie B", DailyAt(10, 30, 1));
    Put(0, 9, "Tie A", DailyAt(10, 30, 1));
    Put(0, 1, "Soon", DailyAt(10, 5, 1));
    Put(0, 3, "Passed", OneTime(12, 8, 2026, 9, 0, 1)); // -60: not listed
    const std::vector<ScheduleRow> rows = ScheduleRows(model, ScheduleMode::Launches);
    EXPECT_EQ(Names(rows), (std::vector<std::string>{"Soon", "Tie A", "Tie B", "Late"}));
    EXPECT_EQ(rows[0].data, 1);
    EXPECT_EQ(rows[2].data, 100);
    EXPECT_EQ(rows[0].cells[1], "5");
}

TEST_F(ScheduleList, AlarmRowsCarryTheirSlot) {
    model.alarms.AddAlarm(Make(tp.clock, DailyAt(3, 0, 0), "Tea"));
    model.alarms.AddAlarm(Make(tp.clock, DailyAt(11, 0, 1), "Call"));
    const std::vector<ScheduleRow> rows = ScheduleRows(model, ScheduleMode::Alarms);
    EXPECT_EQ(Names(rows), (std::vector<std::string>{"Call", "Tea"}));
    EXPECT_EQ(rows[0].data, 1);
    EXPECT_EQ(model.alarms.Alarm(0)->listed, 1);
    EXPECT_TRUE(ScheduleRows(model, ScheduleMode::Launches).empty());
}

TEST_F(ScheduleList, RowTextsDescribeEachType) {
    struct Case {
        Rule rule;
        const char *type, *details, *time;
    };
    const Case cases[] = {
        {OneTime(1, 5, 2027, 8, 30, 1), "One-Time", "01/05/2027", "08:30 AM"},
        {DailyAt(12, 0, 1), "Daily", "-----", "12:00 AM"},
        {WeeklyAt(6, 12, 5, 0), "Weekly", "Friday", "12:05 PM"},
        {MonthlyAt(3, 11, 59, 0), "Monthly", "Day 3", "11:59 PM"},
        {MonthlyAt(-1, 1, 0, 0), "Monthly", "Last Day", "01:00 PM"},
    };
    for (const Case& c : cases) {
        const ScheduleRow row = DescribeSchedule(*Make(tp.clock, c.rule), "Tool", 7);
        EXPECT_EQ(row.cells[2], c.type);
        EXPECT_EQ(row.cells[3], c.details);
        EXPECT_EQ(row.cells[4], c.time);
    }
}

TEST_F(ScheduleList, ModeTextsFollowTheSwitchAndTheTables) {
    ScheduleListTexts t = ScheduleListState(model, ScheduleMode::Launches);
    EXPECT_EQ(t.title, " Schedule of Applications to Launch");
    EXPECT_EQ(t.button3, "Disable");
    EXPECT_FALSE(t.clearEnabled);
    model.settings.EnableScheduledLaunches = false;
    Put(0, 0, "Tool", DailyAt(9, 0, 1));
    t = ScheduleListState(model, ScheduleMode::Launches);
    EXPECT_EQ(t.button3, "Enable");
    EXPECT_EQ(t.hint, "Scheduled application launches are currently DISABLED!");
    EXPECT_TRUE(t.clearEnabled);

    t = ScheduleListState(model, ScheduleMode::Alarms);
    EXPECT_EQ(t.button3, "New Alarm");
    EXPECT_TRUE(t.button3Enabled);
    EXPECT_FALSE(t.clearEnabled);
    for (int i = 0; i < kMaxAlarms; ++i)
        model.alarms.AddAlarm(Make(tp.clock, DailyAt(9, 0, 1), "x"));
    t = ScheduleListState(model, ScheduleMode::Alarms);
    EXPECT_FALSE(t.button3Enabled);
    EXPECT_TRUE(t.clearEnabled);
}

TEST_F(ScheduleList, ClearingAsksFirstAndRecordsOneChangeForAllLaunches) {
    model.changes.recording = true;
    Put(0, 4, "One", DailyAt(9, 0, 1));
    Put(1, 1, "Two", WeeklyAt(2, 9, 0, 1));
    tp.prompter.answers = {MsgAnswer::No};
    EXPECT_FALSE(ClearAllSchedules(model, ScheduleMode::Launches));
    EXPECT_TRUE(AnyLaunchSchedule(model));
    ASSERT_EQ(tp.prompter.messages.size(), 1u);
    EXPECT_EQ(tp.prompter.messages[0].caption, "Delete All Scheduled Launches?");
    EXPECT_EQ(tp.prompter.messages[0].buttons, MsgButtons::YesNo);

    EXPECT_TRUE(ClearAllSchedules(model, ScheduleMode::Launches));
    EXPECT_FALSE(AnyLaunchSchedule(model));
    ASSERT_EQ(model.changes.Count(), 1u);
    EXPECT_EQ(model.changes.Last()->description, "Delete all Button Schedules");
    EXPECT_EQ(model.changes.Last()->entries.size(), 2u);
}

TEST_F(ScheduleList, ClearingAlarmsEmptiesTheTable) {
    model.alarms.AddAlarm(Make(tp.clock, DailyAt(9, 0, 1), "x"));
    EXPECT_TRUE(ClearAllSchedules(model, ScheduleMode::Alarms));
    EXPECT_EQ(tp.prompter.messages.at(0).text,
              "Are you sure that you want to delete all scheduled alarms?");
    EXPECT_FALSE(model.alarms.AnyAlarm());
    EXPECT_TRUE(model.settingsModified);
}

TEST_F(ScheduleList, ARowOpensItsButtonOrAlarm) {
    Put(1, 5, "Tool", DailyAt(9, 0, 1));
    CScheduleEdit launch = EditForRow(model, ScheduleMode::Launches, 105);
    EXPECT_EQ(launch.Category(), 1);
    EXPECT_EQ(launch.Slot(), 5);
    EXPECT_TRUE(launch.Exists());
    model.alarms.AddAlarm(Make(tp.clock, DailyAt(9, 0, 1), "a"));
    model.alarms.AddAlarm(Make(tp.clock, DailyAt(9, 0, 1), "b"));
    CScheduleEdit alarm = EditForRow(model, ScheduleMode::Alarms, 0);
    EXPECT_EQ(model.alarms.CurrentIndex(), 0);
    EXPECT_EQ(alarm.Fields().message, "a");
}

} // namespace
