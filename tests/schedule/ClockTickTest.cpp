#include "schedule/ClockTick.h"

#include "model/ButtonDef.h"
#include "model/Model.h"
#include "schedule/Schedule.h"
#include "tests/schedule/ScheduleTestSupport.h"
#include "tests/support/TestPlatform.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

class CountingView : public ViewHooks {
  public:
    int captions = 0;
    int menuBars = 0;
    void RefreshCaption() override { ++captions; }
    void RefreshMenuBar() override { ++menuBars; }
};

// Records what the tick asked for, in order.
class RecordingActions : public ClockTickActions {
  public:
    CModel* model = nullptr;
    std::vector<std::string> log;
    int lists = 0;
    // Runs while an alarm dialog is "open".
    std::function<void(const CSchedule&)> duringAlarm;

    void PlayChime(const std::string& name) override { log.push_back("sound " + name); }
    void LaunchScheduled(int category, int slot) override {
        log.push_back("launch " + std::to_string(category) + ":" + std::to_string(slot));
    }
    void ShowAlarm(const CSchedule& alarm, const std::string& line) override {
        log.push_back("alarm " + alarm.message + (model->modal ? " (modal)" : "") + " | " + line);
        if (duringAlarm)
            duringAlarm(alarm);
    }
    void SaveConfiguration() override { log.push_back("save"); }
    void RefreshScheduleList() override { ++lists; }
};

class ClockTick : public ::testing::Test {
  protected:
    TestPlatform tp;
    CountingView view;
    CModel model{tp.platform, &view};
    RecordingActions actions;
    CClockTick tick{model, actions};

    void SetUp() override {
        actions.model = &model;
        model.CreateCategory(0, "A");
        model.CreateCategory(1, "B");
        // Friday 11 December 2026, during the seconds phase.
        SetNow(tp.clock, 2026, 12, 11, 8, 59, 58);
    }

    // Ticks at that minute, entering the minute phase first if need be.
    int TickAt(int hour, int minute, int second = 0) {
        SetNow(tp.clock, 2026, 12, 11, hour, minute, second);
        return tick.OnTimer();
    }

    CButtonDef* Put(int cat, int slot, const Rule& rule) {
        auto b = std::make_unique<CButtonDef>(model);
        b->SetSchedule(Make(tp.clock, rule));
        CButtonDef* raw = b.get();
        model.Category(cat)->SetSlot(slot, std::move(b));
        return raw;
    }

    void AddAlarm(const std::string& message, const Rule& rule) {
        model.alarms.AddAlarm(Make(tp.clock, rule, message));
    }
};

TEST_F(ClockTick, RunsEverySecondUntilTheMinuteThenEveryMinute) {
    EXPECT_EQ(tick.OnTimer(), 1000);
    EXPECT_FALSE(tick.OnMinuteTimer());
    EXPECT_EQ(view.captions, 1);
    EXPECT_EQ(view.menuBars, 0) << "no minute work before the whole minute";
    EXPECT_EQ(TickAt(9, 0, 0), 60000);
    EXPECT_TRUE(tick.OnMinuteTimer());
    EXPECT_EQ(view.menuBars, 1);
    // A late or early minute timer is pulled back onto the minute boundary.
    EXPECT_EQ(TickAt(9, 1, 3), 57000);
    EXPECT_EQ(TickAt(9, 2, 59), 1000);
}

TEST_F(ClockTick, ChimesByMinuteWhenSwitchedOn) {
    model.settings.PlayChimes = true;
    const struct {
        int hour, minute;
        const char* expected;
    } cases[] = {
        {10, 0, "sound Chime (1 hr.)"},    {10, 15, "sound Chime (1/4 hr.)"}, {10, 20, nullptr},
        {10, 30, "sound Chime (1/2 hr.)"}, {10, 45, "sound Chime (1/4 hr.)"}, {11, 1, nullptr}};
    for (const auto& c : cases) {
        actions.log.clear();
        TickAt(c.hour, c.minute);
        if (c.expected)
            EXPECT_EQ(actions.log, std::vector<std::string>{c.expected}) << c.minute;
        else
            EXPECT_TRUE(actions.log.empty()) << c.minute;
    }
    model.settings.PlayChimes = false;
    actions.log.clear();
    TickAt(11, 15);
    EXPECT_TRUE(actions.log.empty());
}

TEST_F(ClockTick, OneTimeLaunchMayBeOneMinuteLateButNotTwo) {
    const CButtonDef* late = Put(0, 3, OneTime(12, 11, 2026, 9, 0, 1));
    const CButtonDef* tooLate = Put(1, 0, OneTime(12, 11, 2026, 8, 59, 1));
    TickAt(9, 1);
    EXPECT_EQ(actions.log, std::vector<std::string>{"launch 0:3"});
    EXPECT_EQ(late->Schedule(), nullptr);
    EXPECT_NE(tooLate->Schedule(), nullptr) << "kept until a purge or the next load";
    EXPECT_TRUE(model.settingsModified);
}

TEST_F(ClockTick, RepeatingLaunchIsKept) {
    const CButtonDef* daily = Put(1, 99, DailyAt(9, 0, 1));
    TickAt(9, 0);
    TickAt(9, 1);
    EXPECT_EQ(actions.log, std::vector<std::string>{"launch 1:99"}) << "-1 of a daily is not due";
    ASSERT_NE(daily->Schedule(), nullptr);
    EXPECT_EQ(daily->Schedule()->minutesToGo, 1439);
    EXPECT_FALSE(model.settingsModified);
}

TEST_F(ClockTick, NothingIsLaunchedWhileScheduledLaunchesAreOff) {
    model.settings.EnableScheduledLaunches = false;
    const CButtonDef* once = Put(0, 0, OneTime(12, 11, 2026, 9, 0, 1));
    Put(0, 1, DailyAt(9, 0, 1));
    TickAt(9, 0);
    EXPECT_TRUE(actions.log.empty());
    EXPECT_NE(once->Schedule(), nullptr);
}

TEST_F(ClockTick, AlarmsOfOneMinuteAreAllShownAndSavedOnce) {
    AddAlarm("first", OneTime(12, 11, 2026, 9, 0, 1));
    AddAlarm("later", DailyAt(9, 5, 1));
    AddAlarm("second", OneTime(12, 11, 2026, 9, 0, 1));
    AddAlarm("every day", DailyAt(9, 0, 1));
    TickAt(9, 0);
    const std::string line = " (modal) | Friday, December 11, 2026  09:00 AM";
    EXPECT_EQ(actions.log,
              (std::vector<std::string>{"sound Alarm Clock", "alarm first" + line,
                                        "sound Alarm Clock", "alarm second" + line,
                                        "sound Alarm Clock", "alarm every day" + line, "save"}));
    EXPECT_FALSE(model.modal);
    ASSERT_EQ(model.alarms.AlarmCount(), 2);
    EXPECT_EQ(model.alarms.Alarm(0)->message, "later");
    EXPECT_EQ(model.alarms.Alarm(1)->message, "every day");
    TickAt(9, 1);
    EXPECT_EQ(model.alarms.Alarm(1)->minutesToGo, 1439) << "the repeating alarm moves on";
}

TEST_F(ClockTick, MissedAlarmIsNeverShown) {
    AddAlarm("missed", OneTime(12, 11, 2026, 9, 0, 1));
    TickAt(9, 1);
    EXPECT_TRUE(actions.log.empty());
    EXPECT_EQ(model.alarms.AlarmCount(), 1);
}

TEST_F(ClockTick, TickDuringAnOpenAlarmRunsInFullAndTheOuterOneGoesOn) {
    AddAlarm("A", OneTime(12, 11, 2026, 9, 0, 1));
    AddAlarm("next minute", OneTime(12, 11, 2026, 9, 1, 1));
    AddAlarm("B", OneTime(12, 11, 2026, 9, 0, 1));
    TickAt(9, 0);
    actions.log.clear();
    model.alarms.Clear();
    AddAlarm("A", OneTime(12, 11, 2026, 9, 2, 1));
    AddAlarm("next minute", OneTime(12, 11, 2026, 9, 3, 1));
    AddAlarm("B", OneTime(12, 11, 2026, 9, 2, 1));
    bool nested = false;
    actions.duringAlarm = [&](const CSchedule& shown) {
        if (shown.message == "A" && !nested) {
            nested = true;
            TickAt(9, 3);    // the user leaves the dialog open a minute
            TickAt(9, 3, 0); // a second timer event in that minute
        }
    };
    TickAt(9, 2);
    std::vector<std::string> shown;
    for (const std::string& entry : actions.log)
        if (entry.rfind("alarm ", 0) == 0)
            shown.push_back(entry.substr(6, entry.find(" (") - 6));
    EXPECT_EQ(shown, (std::vector<std::string>{"A", "next minute", "B"}));
    EXPECT_FALSE(model.alarms.AnyAlarm());
}

TEST_F(ClockTick, NothingDueStillRefreshesEverything) {
    TickAt(9, 0);
    const int captions = view.captions;
    const int menuBars = view.menuBars;
    const int lists = actions.lists;
    TickAt(9, 1);
    EXPECT_TRUE(actions.log.empty());
    EXPECT_EQ(view.captions, captions + 1);
    EXPECT_EQ(view.menuBars, menuBars + 1);
    EXPECT_EQ(actions.lists, lists + 1);
}

TEST_F(ClockTick, EachMinuteRunsOnceAndAClockSetBackRunsItsMinutesAgain) {
    model.settings.PlayChimes = true;
    Put(0, 0, DailyAt(1, 30, 1));
    TickAt(1, 30);
    TickAt(1, 30, 0); // a second timer event in the same minute
    EXPECT_EQ(actions.log, (std::vector<std::string>{"sound Chime (1/2 hr.)", "launch 0:0"}));
    TickAt(2, 15);
    actions.log.clear();
    TickAt(1, 30); // the user sets the clock back: 1:30 comes round again
    EXPECT_EQ(actions.log, (std::vector<std::string>{"sound Chime (1/2 hr.)", "launch 0:0"}));
}

// The nights daylight saving starts and ends in Berlin, 2026: clocks jump
// from 02:00 to 03:00 on 29 March and fall back from 03:00 to 02:00 on 25
// October.
class ClockTickDaylightSaving : public ClockTick {
  protected:
    void SetUp() override {
        if (!LocalZone::Installed("Europe/Berlin"))
            GTEST_SKIP() << "no time zone data";
        ClockTick::SetUp();
        zone = std::make_unique<LocalZone>(tp.clock, "Europe/Berlin");
        model.settings.PlayChimes = true;
    }
    void TearDown() override { zone.reset(); }
    void TickDst(int month, int day, int hour, int minute, int dst) {
        SetNowDst(tp.clock, 2026, month, day, hour, minute, dst);
        tick.OnTimer();
    }
    std::unique_ptr<LocalZone> zone;
};

TEST_F(ClockTickDaylightSaving, TheSkippedHourStillFiresAtItsNormalisedTime) {
    AddAlarm("half past two", OneTime(3, 29, 2026, 2, 30, 1));
    Put(0, 0, DailyAt(2, 30, 1));
    TickDst(3, 29, 1, 59, 0);
    EXPECT_EQ(model.alarms.Alarm(0)->minutesToGo, 31);
    TickDst(3, 29, 3, 0, 1);
    EXPECT_EQ(model.alarms.Alarm(0)->minutesToGo, 30) << "02:30 does not exist: 03:30";
    actions.log.clear();
    TickDst(3, 29, 3, 30, 1);
    EXPECT_EQ(actions.log,
              (std::vector<std::string>{
                  "sound Chime (1/2 hr.)", "launch 0:0", "sound Alarm Clock",
                  "alarm half past two (modal) | Sunday, March 29, 2026  03:30 AM", "save"}));
    TickDst(3, 29, 3, 31, 1);
    EXPECT_EQ(model.GetButton(0, 0)->Schedule()->minutesToGo, 23 * 60 - 1)
        << "tomorrow's 02:30 is 23 hours after today's 03:30";
}

TEST_F(ClockTickDaylightSaving, TheRepeatedHourChimesAndLaunchesOnce) {
    Put(0, 0, DailyAt(2, 30, 1));
    TickDst(10, 25, 2, 30, 1); // the first 02:30, summer time
    TickDst(10, 25, 2, 59, 1);
    actions.log.clear();
    TickDst(10, 25, 2, 0, 0); // an hour later the clock shows 02:00 again
    EXPECT_EQ(actions.log, std::vector<std::string>{"sound Chime (1 hr.)"});
    TickDst(10, 25, 2, 30, 0);
    EXPECT_EQ(actions.log, (std::vector<std::string>{"sound Chime (1 hr.)", "sound Chime (1/2 hr.)",
                                                     "launch 0:0"}));
    TickDst(10, 25, 2, 31, 0);
    EXPECT_EQ(model.GetButton(0, 0)->Schedule()->minutesToGo, 1439);
}

TEST_F(ClockTick, TheTickAfterALongAlarmIsAlignedOnTheClockOfThatMoment) {
    AddAlarm("wake up", DailyAt(9, 0, 1));
    actions.duringAlarm = [&](const CSchedule&) {
        SetNow(tp.clock, 2026, 12, 11, 9, 2, 25); // the dialog stays up for 2:25
    };
    EXPECT_EQ(TickAt(9, 0), 35000);
}

TEST(AlarmDateTime, IsFormattedInEnglish) {
    LocalDateTime t;
    t.year = 1998;
    t.month = 12;
    t.day = 21;
    t.hour = 12;
    t.minute = 8;
    EXPECT_EQ(FormatAlarmDateTime(t), "Monday, December 21, 1998  12:08 PM");
    t.year = 2038;
    t.month = 3;
    t.day = 5;
    t.hour = 0;
    t.minute = 5;
    EXPECT_EQ(FormatAlarmDateTime(t), "Friday, March 05, 2038  12:05 AM");
}

} // namespace
