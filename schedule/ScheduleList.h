#pragma once

#include "schedule/ScheduleEdit.h"

#include <array>
#include <string>
#include <vector>

class CModel;
class CSchedule;

// One row of the schedule list: what it stands for and its five texts.
struct ScheduleRow {
    int data = 0; // the alarm's slot, or category * 100 + slot
    std::array<std::string, 5> cells;
};

// A column of the list: its heading in each mode, width and alignment.
struct ScheduleColumn {
    const char* launchHeading;
    const char* alarmHeading;
    int width;
    bool rightAligned;
};
inline constexpr std::array<ScheduleColumn, 5> kScheduleColumns = {{
    {"Application", "Alarm Message", 155, false},
    {"# Min.", "# Min.", 60, true},
    {"Launch Type", "Alarm Type", 100, false},
    {"Details", "Details", 100, false},
    {"Launch Time", "Alarm Time", 100, false},
}};

// The texts and states of the list dialog that follow the mode and the tables.
struct ScheduleListTexts {
    std::string title;
    std::string hint;
    std::string button3;
    bool button3Enabled = true;
    bool clearEnabled = false;
};

// The schedules of the mode with zero or more minutes to go, fewest first;
// ties keep table order (categories then slots, or alarm slots). Marks each
// listed schedule.
std::vector<ScheduleRow> ScheduleRows(CModel& model, ScheduleMode mode);
// The row texts of one schedule; `name` is the button's name or the message.
ScheduleRow DescribeSchedule(const CSchedule& schedule, const std::string& name, int data);

ScheduleListTexts ScheduleListState(const CModel& model, ScheduleMode mode);

// "&Clear": asks, then deletes every schedule of the mode. True when the user
// said Yes.
bool ClearAllSchedules(CModel& model, ScheduleMode mode);

// The scheduling dialog a row of the list opens: the alarm in slot `data`, or
// the button at category data / 100, slot data % 100.
CScheduleEdit EditForRow(CModel& model, ScheduleMode mode, int data);
