#include "schedule/AlarmTable.h"

#include "config/ConfigText.h"
#include "model/Model.h"
#include "schedule/AlarmsSection.h"
#include "schedule/LaunchSchedules.h"
#include "tests/schedule/ScheduleTestSupport.h"
#include "tests/support/TestPlatform.h"

#include <gtest/gtest.h>

namespace {

class Alarms : public ::testing::Test {
  protected:
    TestPlatform tp;
    CModel model{tp.platform};
    CAlarmTable& table = model.alarms;

    void SetUp() override { SetNow(tp.clock, 2026, 12, 8, 10, 0); }

    void Add(const std::string& message, const Rule& rule = DailyAt(9, 0, 1)) {
        ASSERT_TRUE(table.AddAlarm(Make(tp.clock, rule, message)));
    }

    std::string Messages() const {
        std::string out;
        for (int i = 0; i < kMaxAlarms; ++i)
            out += table.Alarm(i) ? table.Alarm(i)->message + "," : "";
        return out;
    }

    void Load(const std::string& text) {
        ReadAlarmsSection(model, ConfigText(text), "Buttons.cfg");
    }
};

TEST_F(Alarms, RemovingCompactsInCreationOrder) {
    for (const char* m : {"a", "b", "c", "d"})
        Add(m);
    EXPECT_EQ(table.CurrentIndex(), 3);
    table.RemoveAlarm(1);
    EXPECT_EQ(Messages(), "a,c,d,");
    EXPECT_EQ(table.AlarmCount(), 3);
    EXPECT_EQ(table.Alarm(3), nullptr);
    Add("e");
    EXPECT_EQ(Messages(), "a,c,d,e,");
    EXPECT_EQ(table.CurrentIndex(), 3);
    table.RemoveAlarm(7); // empty slot: nothing happens
    EXPECT_EQ(table.AlarmCount(), 4);
}

TEST_F(Alarms, TableHoldsFifty) {
    for (int i = 0; i < kMaxAlarms; ++i)
        Add(std::to_string(i));
    EXPECT_FALSE(table.AddAlarm(Make(tp.clock, DailyAt(9, 0, 1), "51")));
    EXPECT_EQ(table.AlarmCount(), 50);
    EXPECT_EQ(table.CurrentIndex(), 49);
}

TEST_F(Alarms, ClashesAndDueTimes) {
    Add("in 5", DailyAt(10, 5, 1));
    Add("in 6", DailyAt(10, 6, 1));
    Add("also in 5", DailyAt(10, 5, 1));
    EXPECT_TRUE(table.AlarmTimeClashes(0));
    EXPECT_FALSE(table.AlarmTimeClashes(1));
    EXPECT_TRUE(table.AlarmDueWithin(5));
    EXPECT_FALSE(table.AlarmDueWithin(4));
    table.RemoveAlarm(0);
    table.RemoveAlarm(1);
    Add("missed", OneTime(12, 8, 2026, 9, 0, 1));
    EXPECT_FALSE(table.AlarmDueWithin(5)) << "an alarm that was missed is not coming";
}

TEST_F(Alarms, DeleteAllMarksModifiedOnlyWhenSomethingGoes) {
    DeleteAllAlarms(model);
    EXPECT_FALSE(model.settingsModified);
    Add("a");
    DeleteAllAlarms(model);
    EXPECT_FALSE(table.AnyAlarm());
    EXPECT_TRUE(model.settingsModified);
}

TEST_F(Alarms, SectionIsReadUntilTheNextSection) {
    Add("left over from the last configuration");
    Load("DORVANE CONFIGURATION FILE v10.0\r\n"
         "BUTTONS\r\nCATEGORY Main\r\n"
         "ALARMS\r\n"
         "ALARM   Dentist  \r\n"
         "  SCHEDULE Daily 9 0 am\r\n"
         "ALARM Old news\r\n"
         "SCHEDULE One_Time 1 1 2020 9 0 am\r\n"
         "ALARM Christmas\r\n"
         "SCHEDULE One_Time 12 25 2026 8 30 am\r\n"
         "sounds\r\n"
         "ALARM not in the section\r\n"
         "SCHEDULE Daily 9 0 am\r\n");
    EXPECT_EQ(Messages(), "Dentist,Christmas,");
    EXPECT_TRUE(model.loadDropped);
    EXPECT_TRUE(tp.prompter.messages.empty());
}

TEST_F(Alarms, NoSectionLeavesTheTableEmpty) {
    Add("left over");
    Load("DORVANE CONFIGURATION FILE v10.0\nBUTTONS\nCATEGORY Main\n");
    EXPECT_FALSE(table.AnyAlarm());
    EXPECT_TRUE(tp.prompter.messages.empty());
}

TEST_F(Alarms, CorruptSectionKeepsWhatCameBefore) {
    const char* const good = "ALARMS\nALARM kept\nSCHEDULE Daily 9 0 am\n";
    const char* const tails[] = {
        "ALARM second\nDAILY 9 0 am\n",             // second line without SCHEDULE
        "ALARM second\nSCHEDULE Hourly 9 0 am\n",   // unknown type
        "ALARM second\n",                           // schedule line missing
        "REMINDER second\nSCHEDULE Daily 9 0 am\n", // not an ALARM line
        "\nALARM second\nSCHEDULE Daily 9 0 am\n",  // blank line
    };
    for (const char* tail : tails) {
        tp.prompter.messages.clear();
        Load(std::string(good) + tail + "SOUNDS\n");
        EXPECT_EQ(Messages(), "kept,") << tail;
        ASSERT_EQ(tp.prompter.messages.size(), 1u) << tail;
        EXPECT_EQ(tp.prompter.messages[0].text, "The alarm data file contains corrupted data");
        EXPECT_EQ(tp.prompter.messages[0].caption, "Bad Alarm Data File");
        EXPECT_EQ(tp.prompter.messages[0].icon, MsgIcon::Stop);
    }
}

TEST_F(Alarms, FiftyFirstAlarmIsRefused) {
    std::string text = "ALARMS\r\n";
    for (int i = 0; i < 51; ++i)
        text += "ALARM " + std::to_string(i) + "\r\nSCHEDULE Daily 9 0 am\r\n";
    Load(text);
    EXPECT_EQ(table.AlarmCount(), 50);
    EXPECT_EQ(table.Alarm(49)->message, "49");
    ASSERT_EQ(tp.prompter.messages.size(), 1u);
    EXPECT_EQ(tp.prompter.messages[0].text, "The maximum number of alarms is 50");
    EXPECT_EQ(tp.prompter.messages[0].caption, "Too Many Alarms");
    EXPECT_FALSE(model.modal) << "the modal flag is lowered after the message";
}

TEST_F(Alarms, WrittenSectionReadsBack) {
    std::string out;
    AppendAlarmsSection(model, out);
    EXPECT_EQ(out, "") << "no alarms, no section";
    Add("Stand up", WeeklyAt(6, 4, 30, 0));
    Add("Rent", MonthlyAt(-1, 9, 0, 1));
    AppendAlarmsSection(model, out);
    EXPECT_EQ(out, "ALARMS\r\n"
                   "ALARM Stand up\r\nSCHEDULE Weekly Friday 4 30 pm\r\n"
                   "ALARM Rent\r\nSCHEDULE Monthly -1 9 0 am\r\n");
    Load(out + "FILE_DIALOG_PARAMETERS\r\n");
    std::string again;
    AppendAlarmsSection(model, again);
    EXPECT_EQ(again, out);
}

} // namespace
