#include "schedule/ScheduleEdit.h"

#include "model/ButtonDef.h"
#include "model/Model.h"
#include "schedule/LaunchSchedules.h"
#include "tests/schedule/ScheduleTestSupport.h"
#include "tests/support/TestPlatform.h"
#include "undo/ChangeLog.h"
#include "undo/Undo.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* kBlank = "         ";

class ScheduleEdit : public ::testing::Test {
  protected:
    TestPlatform tp;
    CModel model{tp.platform};
    CButtonDef* tool = nullptr;

    void SetUp() override {
        SetNow(tp.clock, 2026, 12, 8, 10, 0); // a Tuesday
        model.CreateCategory(0, "A");
        model.CreateCategory(1, "B");
        model.changes.recording = true;
        tool = PutButton(1, 7, "Tool");
    }

    CButtonDef* PutButton(int cat, int slot, const std::string& name) {
        auto b = std::make_unique<CButtonDef>(model);
        b->SetName(name);
        CButtonDef* raw = b.get();
        model.Category(cat)->SetSlot(slot, std::move(b));
        return raw;
    }

    std::vector<std::string> Captions() const {
        std::vector<std::string> out;
        for (const auto& m : tp.prompter.messages)
            out.push_back(m.caption);
        return out;
    }
};

// What the user typed, and what "Schedule" must say about it.
struct Refusal {
    const char* what;
    ScheduleFields fields;
    const char* message;
    ScheduleField focus;
    bool blanked; // the field read as 0 and now shows blanks
};

ScheduleFields Typed(int type, std::string hour, std::string minute) {
    ScheduleFields f;
    f.type = type;
    f.hour = std::move(hour);
    f.minute = std::move(minute);
    return f;
}

ScheduleFields OnDate(std::string month, std::string day, std::string year, std::string hour,
                      bool am = true) {
    ScheduleFields f = Typed(CSchedule::One_Time, std::move(hour), "30");
    f.month = std::move(month);
    f.day = std::move(day);
    f.year = std::move(year);
    f.am = am;
    return f;
}

ScheduleFields OnMonthDay(std::string day, bool lastDay) {
    ScheduleFields f = Typed(CSchedule::Monthly, "9", "0");
    f.monthDay = std::move(day);
    f.lastDay = lastDay;
    return f;
}

TEST_F(ScheduleEdit, EachCheckRefusesInOrderAndPointsAtItsField) {
    const Refusal cases[] = {
        {"no hour", Typed(CSchedule::Daily, "", "5"),
         "Please enter a number between 1 and 12 for the hour", ScheduleField::Hour, true},
        {"hour 13 before a bad minute", Typed(CSchedule::Daily, "13", "75"),
         "Please enter a number between 1 and 12 for the hour", ScheduleField::Hour, false},
        {"minute 60", Typed(CSchedule::Daily, "9", "60"),
         "Please enter a number between 0 and 59 for the minute", ScheduleField::Minute, false},
        {"letters read as 0", Typed(CSchedule::Daily, "x9", "0"),
         "Please enter a number between 1 and 12 for the hour", ScheduleField::Hour, true},
        {"month 13 before a bad year", OnDate("13", "1", "1999", "9"),
         "Please enter a number between 1 and 12 for the month", ScheduleField::Month, false},
        {"no month", OnDate("", "1", "2027", "9"),
         "Please enter a number between 1 and 12 for the month", ScheduleField::Month, true},
        {"last year", OnDate("1", "1", "2025", "9"),
         "Please enter a number for the year that is greater than or equal to 2026",
         ScheduleField::Year, false},
        {"no year", OnDate("1", "1", "", "9"),
         "Please enter a number for the year that is greater than or equal to 2026",
         ScheduleField::Year, true},
        {"29 February of a common year", OnDate("2", "29", "2027", "9"),
         "Please enter a number between 1 and 28 for the day", ScheduleField::Day, false},
        {"31 April", OnDate("4", "31", "2027", "9"),
         "Please enter a number between 1 and 30 for the day", ScheduleField::Day, false},
        {"no day", OnDate("2", "", "2028", "9"),
         "Please enter a number between 1 and 29 for the day", ScheduleField::Day, true},
        {"a minute ago", OnDate("12", "8", "2026", "9", true), // 9:30 a.m. today
         "The specified time has already passed", ScheduleField::None, false},
        {"day and last day", OnMonthDay("5", true),
         "Please specify either:\r\n\r\n1) A particular day of the month\r\n\r\nor\r\n\r\n"
         "2) Check \"Last Day of Month\"",
         ScheduleField::MonthDay, false},
        {"monthly day 29", OnMonthDay("29", false),
         "Please enter a number between 1 and 28 for the day", ScheduleField::MonthDay, false},
        {"monthly without a day", OnMonthDay("", false),
         "Please enter a number between 1 and 28 for the day", ScheduleField::MonthDay, true},
    };
    for (const Refusal& c : cases) {
        SCOPED_TRACE(c.what);
        tp.prompter.messages.clear();
        CScheduleEdit edit = CScheduleEdit::ForButton(model, 1, 7);
        edit.Fields() = c.fields;
        const ScheduleOutcome outcome = edit.Schedule();
        EXPECT_FALSE(outcome.scheduled);
        EXPECT_EQ(outcome.focus, c.focus);
        ASSERT_EQ(tp.prompter.messages.size(), 1u);
        EXPECT_EQ(tp.prompter.messages[0].text, c.message);
        EXPECT_EQ(tp.prompter.messages[0].caption, "Bad Input");
        EXPECT_EQ(tp.prompter.messages[0].icon, MsgIcon::Exclamation);
        const ScheduleFields& f = edit.Fields();
        const std::string* shown = c.focus == ScheduleField::Hour     ? &f.hour
                                   : c.focus == ScheduleField::Minute ? &f.minute
                                   : c.focus == ScheduleField::Month  ? &f.month
                                   : c.focus == ScheduleField::Day    ? &f.day
                                   : c.focus == ScheduleField::Year   ? &f.year
                                                                      : &f.monthDay;
        if (c.focus != ScheduleField::None) {
            EXPECT_EQ(*shown == kBlank, c.blanked);
        }
        EXPECT_EQ(tool->Schedule(), nullptr);
        EXPECT_FALSE(edit.Changed());
    }
    EXPECT_TRUE(model.changes.Empty());
    EXPECT_FALSE(model.settingsModified);
}

TEST_F(ScheduleEdit, AlarmNeedsAMessageBeforeAnythingElse) {
    CScheduleEdit edit = CScheduleEdit::ForAlarm(model, 0);
    EXPECT_EQ(edit.Fields().message, "Alarm # 1");
    edit.Fields() = Typed(CSchedule::Daily, "", "");
    edit.Fields().message = "  ";
    EXPECT_EQ(edit.Schedule().focus, ScheduleField::Message);
    ASSERT_EQ(tp.prompter.messages.size(), 1u);
    EXPECT_EQ(tp.prompter.messages[0].text,
              "Please speicfy a message for the alarm (i.e. \"Go to Airport\")");
    EXPECT_EQ(edit.Fields().message, kBlank);
    EXPECT_EQ(model.alarms.AlarmCount(), 0);
}

TEST_F(ScheduleEdit, WeeklyLaunchIsCreatedRecordedAndUndone) {
    CScheduleEdit edit = CScheduleEdit::ForButton(model, 1, 7);
    EXPECT_EQ(edit.Fields().message, "Tool");
    edit.Fields() = Typed(CSchedule::Weekly, "9", "15");
    edit.Fields().weekday = 2; // Monday
    ASSERT_TRUE(edit.Schedule().scheduled);
    ASSERT_NE(tool->Schedule(), nullptr);
    const CSchedule& s = *tool->Schedule();
    EXPECT_EQ(s.type, CSchedule::Weekly);
    EXPECT_EQ(s.weekday, 2);
    EXPECT_EQ(s.hour, 9);
    EXPECT_EQ(s.minute, 15);
    EXPECT_EQ(s.am, 1);
    EXPECT_EQ(s.month + s.day + s.year + s.dayOfMonth, 0) << "other fields are 0";
    EXPECT_EQ(s.minutesToGo, 6 * 1440 - 45);
    EXPECT_TRUE(edit.Changed());
    EXPECT_TRUE(model.settingsModified);
    EXPECT_TRUE(tp.prompter.messages.empty());
    const ScheduleControls c = edit.Controls();
    EXPECT_FALSE(c.scheduleEnabled);
    EXPECT_TRUE(c.cancelEnabled && c.setChecked && c.valuesReadOnly);
    EXPECT_FALSE(c.nowEnabled);

    ASSERT_EQ(model.changes.Count(), 1u);
    EXPECT_EQ(model.changes.Last()->description, "Create Button Schedule");
    EXPECT_EQ(model.changes.Last()->category, 1);
    EXPECT_EQ(model.changes.Last()->slot, 7);
    UndoLastChange(model);
    EXPECT_EQ(tool->Schedule(), nullptr);
}

TEST_F(ScheduleEdit, CancellingALaunchIsUndoneWithTheScheduleBack) {
    tool->SetSchedule(Make(tp.clock, MonthlyAt(-1, 5, 45, 0)));
    CScheduleEdit edit = CScheduleEdit::ForButton(model, 1, 7);
    EXPECT_TRUE(edit.Fields().lastDay);
    EXPECT_EQ(edit.Fields().minute, "45");
    edit.Cancel();
    EXPECT_EQ(tool->Schedule(), nullptr);
    EXPECT_TRUE(edit.Changed());
    EXPECT_TRUE(edit.Controls().scheduleEnabled);
    ASSERT_EQ(model.changes.Count(), 1u);
    const CChange& change = *model.changes.Last();
    EXPECT_EQ(change.description, "Delete Button Schedule");
    ASSERT_EQ(change.entries.size(), 1u);
    EXPECT_EQ(change.entries[0]->description, "Delete Button Schedule");

    UndoLastChange(model);
    CButtonDef* back = model.GetButton(1, 7);
    ASSERT_TRUE(back && back->Schedule());
    EXPECT_EQ(back->Schedule()->dayOfMonth, -1);
    EXPECT_EQ(back->Name(), "Tool");
}

TEST_F(ScheduleEdit, ContextMenuCancelRecordsTheSameChange) {
    tool->SetSchedule(Make(tp.clock, DailyAt(7, 0, 0)));
    model.SetCurrentCategoryIndex(1);
    CancelButtonSchedule(model, -1, 7);
    EXPECT_EQ(tool->Schedule(), nullptr);
    EXPECT_TRUE(model.settingsModified);
    ASSERT_EQ(model.changes.Count(), 1u);
    EXPECT_EQ(model.changes.Last()->description, "Delete Button Schedule");
    CancelButtonSchedule(model, -1, 7); // nothing left to cancel
    EXPECT_EQ(model.changes.Count(), 1u);
}

TEST_F(ScheduleEdit, ExistingScheduleIsShownAndCannotBeChanged) {
    tool->SetSchedule(Make(tp.clock, OneTime(1, 2, 2027, 8, 5, 0)));
    CScheduleEdit edit = CScheduleEdit::ForButton(model, 1, 7);
    const ScheduleFields f = edit.Fields();
    EXPECT_EQ(f.type, CSchedule::One_Time);
    EXPECT_EQ(f.month + "/" + f.day + "/" + f.year, "1/2/2027");
    EXPECT_EQ(f.hour + ":" + f.minute, "8:05");
    EXPECT_FALSE(f.am);

    edit.ChooseType(CSchedule::Daily);
    EXPECT_EQ(edit.Fields().type, CSchedule::One_Time);
    edit.Today();
    edit.Now();
    edit.SetDate(3, 3, 2030);
    edit.Fields().am = true;
    edit.KeepExisting();
    EXPECT_EQ(edit.Fields().month, "1");
    EXPECT_EQ(edit.Fields().hour, "8");
    EXPECT_FALSE(edit.Fields().am);
    EXPECT_FALSE(edit.Schedule().scheduled);
    EXPECT_TRUE(model.changes.Empty());
}

TEST_F(ScheduleEdit, TypeRadiosEmptyTheDatesAndControlsFollowTheType) {
    CScheduleEdit edit = CScheduleEdit::ForButton(model, 1, 7);
    EXPECT_EQ(edit.Fields().year, "2026");
    EXPECT_TRUE(edit.Fields().hour.empty());
    EXPECT_EQ(edit.Fields().weekday, 1);
    EXPECT_TRUE(edit.Fields().am);
    edit.Today();
    EXPECT_EQ(edit.Fields().month + "/" + edit.Fields().day, "12/8");

    edit.ChooseType(CSchedule::Monthly);
    EXPECT_TRUE(edit.Fields().month.empty() && edit.Fields().year.empty());
    ScheduleControls c = edit.Controls();
    EXPECT_FALSE(c.oneTimeEnabled || c.todayEnabled || c.weeklyEnabled);
    EXPECT_TRUE(c.monthlyEnabled && c.monthDayEnabled);
    edit.Fields().monthDay = "12";
    edit.SetLastDay(true);
    EXPECT_TRUE(edit.Fields().monthDay.empty());
    EXPECT_FALSE(edit.Controls().monthDayEnabled);

    edit.ChooseType(CSchedule::One_Time);
    EXPECT_FALSE(edit.Fields().lastDay);
    EXPECT_EQ(edit.Fields().year, "2026");
    c = edit.Controls();
    EXPECT_TRUE(c.oneTimeEnabled && c.todayEnabled && c.nowEnabled);
}

TEST_F(ScheduleEdit, NowFillsA12HourTime) {
    struct Case {
        int hour, minute;
        const char *shownHour, *shownMinute;
        bool am;
    };
    for (const Case& c : {Case{0, 7, "12", "07", true}, Case{11, 59, "11", "59", true},
                          Case{12, 0, "12", "00", false}, Case{23, 30, "11", "30", false}}) {
        SetNow(tp.clock, 2026, 12, 8, c.hour, c.minute);
        CScheduleEdit edit = CScheduleEdit::ForButton(model, 1, 7);
        edit.Now();
        EXPECT_EQ(edit.Fields().hour, c.shownHour);
        EXPECT_EQ(edit.Fields().minute, c.shownMinute);
        EXPECT_EQ(edit.Fields().am, c.am);
    }
}

TEST_F(ScheduleEdit, DatePickerGetsAndReturnsOnlyWholeDates) {
    CScheduleEdit edit = CScheduleEdit::ForButton(model, 1, 7);
    int m = 0, d = 0, y = 0;
    EXPECT_FALSE(edit.GivenDate(m, d, y)) << "month and day are empty";
    edit.SetDate(2, 14, 2027);
    ASSERT_TRUE(edit.GivenDate(m, d, y));
    EXPECT_EQ(m * 10000 + d * 100 + (y - 2000), 21427);
    edit.SetDate(0, 1, 2028);
    EXPECT_EQ(edit.Fields().year, "2027");
}

TEST_F(ScheduleEdit, AlarmsAreAddedWarnedOfAndCancelled) {
    model.alarms.AddAlarm(Make(tp.clock, DailyAt(6, 0, 0), "Dinner"));
    CScheduleEdit edit = CScheduleEdit::ForAlarm(model, 1);
    EXPECT_EQ(edit.Fields().message, "Alarm # 2");
    EXPECT_FALSE(edit.Controls().messageReadOnly);
    edit.Fields() = OnDate("12", "8", "2026", "6", false);
    edit.Fields().minute = "0";
    edit.Fields().message = "Go to Airport";
    ASSERT_TRUE(edit.Schedule().scheduled);
    EXPECT_EQ(model.alarms.AlarmCount(), 2);
    EXPECT_EQ(model.alarms.CurrentIndex(), 1);
    EXPECT_EQ(model.alarms.Alarm(1)->message, "Go to Airport");
    EXPECT_EQ(Captions(), std::vector<std::string>{"Duplicate Alarm Times"});
    EXPECT_TRUE(edit.Controls().messageReadOnly);
    EXPECT_TRUE(model.changes.Empty()) << "alarms are not undone";

    // Cancelling the first alarm shifts the second down; the dialog keeps
    // showing its own alarm, and after its cancel shows none.
    model.alarms.RemoveAlarm(0);
    EXPECT_TRUE(edit.Exists());
    edit.Cancel();
    EXPECT_FALSE(edit.Exists());
    EXPECT_EQ(model.alarms.AlarmCount(), 0);
    EXPECT_TRUE(edit.Controls().scheduleEnabled);
    EXPECT_EQ(model.alarms.Alarm(model.alarms.CurrentIndex()), nullptr);
}

TEST_F(ScheduleEdit, AFullAlarmTableTakesNoMoreAndSaysSo) {
    for (int i = 0; i < kMaxAlarms; ++i)
        model.alarms.AddAlarm(Make(tp.clock, DailyAt(6, 0, 0), "x"));
    CScheduleEdit edit = CScheduleEdit::ForAlarm(model, kMaxAlarms);
    edit.Fields() = Typed(CSchedule::Daily, "7", "0");
    edit.Fields().message = "One more";
    EXPECT_FALSE(edit.Schedule().scheduled);
    EXPECT_EQ(Captions(), std::vector<std::string>{"Too Many Alarms"});
    EXPECT_FALSE(edit.Changed());
}

TEST_F(ScheduleEdit, ClashingLaunchTimesWarnButKeepTheSchedule) {
    CButtonDef* other = PutButton(0, 0, "Other");
    other->SetSchedule(Make(tp.clock, DailyAt(9, 0, 0)));
    CScheduleEdit edit = CScheduleEdit::ForButton(model, 1, 7);
    edit.Fields() = Typed(CSchedule::Daily, "9", "00");
    edit.Fields().am = false;
    ASSERT_TRUE(edit.Schedule().scheduled);
    EXPECT_EQ(Captions(), std::vector<std::string>{"Duplicate Launch Times"});
    EXPECT_NE(tool->Schedule(), nullptr);
}

TEST(FieldNumber, ReadsDigitsAndSpacesOnly) {
    EXPECT_EQ(FieldNumber(" 12 "), 12);
    EXPECT_EQ(FieldNumber("07"), 7);
    EXPECT_EQ(FieldNumber(kBlank), 0);
    EXPECT_EQ(FieldNumber("-3"), 0);
    EXPECT_EQ(FieldNumber("1 2"), 0);
    EXPECT_EQ(FieldNumber("99999999999"), 0);
}

} // namespace
