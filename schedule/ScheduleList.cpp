#include "schedule/ScheduleList.h"

#include "model/ButtonDef.h"
#include "model/Model.h"
#include "model/Text.h"
#include "schedule/LaunchSchedules.h"
#include "schedule/Schedule.h"
#include "sounds/PlaySound.h"

#include <algorithm>

namespace {

const char* TypeText(int type) {
    switch (type) {
    case CSchedule::One_Time:
        return "One-Time";
    case CSchedule::Daily:
        return "Daily";
    case CSchedule::Weekly:
        return "Weekly";
    case CSchedule::Monthly:
        return "Monthly";
    default:
        return "";
    }
}

struct Listed {
    CSchedule* schedule;
    const std::string* name;
    int data;
};

} // namespace

ScheduleRow DescribeSchedule(const CSchedule& s, const std::string& name, int data) {
    ScheduleRow row;
    row.data = data;
    row.cells[0] = name;
    row.cells[1] = Format("%d", s.minutesToGo);
    row.cells[2] = TypeText(s.type);
    switch (s.type) {
    case CSchedule::One_Time:
        row.cells[3] = Format("%02d/%02d/%d", s.month, s.day, s.year);
        break;
    case CSchedule::Daily:
        row.cells[3] = "-----";
        break;
    case CSchedule::Weekly:
        row.cells[3] = WeekdayName(s.weekday);
        break;
    case CSchedule::Monthly:
        row.cells[3] =
            s.dayOfMonth == -1 ? std::string("Last Day") : Format("Day %d", s.dayOfMonth);
        break;
    default:
        break;
    }
    // "%I:%M %p" of the time of day.
    const int h24 = To24Hour(s.hour, s.am);
    const int h12 = h24 % 12 == 0 ? 12 : h24 % 12;
    row.cells[4] = Format("%02d:%02d %s", h12, s.minute, h24 < 12 ? "AM" : "PM");
    return row;
}

std::vector<ScheduleRow> ScheduleRows(CModel& model, ScheduleMode mode) {
    ClearListedMarks(model);
    std::vector<Listed> found;
    if (mode == ScheduleMode::Alarms) {
        for (int i = 0; CSchedule* alarm = model.alarms.Alarm(i); ++i)
            found.push_back({alarm, &alarm->message, i});
    } else {
        for (int cat = 0; cat < kMaxCategories; ++cat) {
            if (!model.Category(cat))
                continue;
            for (int slot = 0; slot < kSlotsPerCategory; ++slot) {
                CButtonDef* button = model.GetButton(cat, slot);
                if (button && button->Schedule())
                    found.push_back({button->Schedule(), &button->Name(), cat * 100 + slot});
            }
        }
    }
    // A missed one-time schedule is not coming any more.
    std::erase_if(found, [](const Listed& l) { return l.schedule->minutesToGo < 0; });
    std::stable_sort(found.begin(), found.end(), [](const Listed& a, const Listed& b) {
        return a.schedule->minutesToGo < b.schedule->minutesToGo;
    });
    std::vector<ScheduleRow> rows;
    rows.reserve(found.size());
    for (const Listed& l : found) {
        l.schedule->listed = 1;
        rows.push_back(DescribeSchedule(*l.schedule, *l.name, l.data));
    }
    return rows;
}

ScheduleListTexts ScheduleListState(const CModel& model, ScheduleMode mode) {
    ScheduleListTexts t;
    if (mode == ScheduleMode::Alarms) {
        t.title = " Schedule of Alarms";
        t.button3 = "New Alarm";
        t.button3Enabled = model.alarms.AlarmCount() < kMaxAlarms;
        t.hint = "Left-click on an alarm message to display the scheduling dialog.";
        t.clearEnabled = model.alarms.AnyAlarm();
        return t;
    }
    t.title = " Schedule of Applications to Launch";
    if (model.settings.EnableScheduledLaunches) {
        t.button3 = "Disable";
        t.hint = "Left-click on an application name to display the scheduling dialog.";
    } else {
        t.button3 = "Enable";
        t.hint = "Scheduled application launches are currently DISABLED!";
    }
    t.clearEnabled = AnyLaunchSchedule(model);
    return t;
}

bool ClearAllSchedules(CModel& model, ScheduleMode mode) {
    const bool alarms = mode == ScheduleMode::Alarms;
    const MsgAnswer answer =
        alarms
            ? model.Message("Are you sure that you want to delete all scheduled alarms?",
                            "Delete All Scheduled Alarms?", MsgIcon::Information, MsgButtons::YesNo)
            : model.Message("Are you sure that you want to delete all scheduled application "
                            "launches?",
                            "Delete All Scheduled Launches?", MsgIcon::Information,
                            MsgButtons::YesNo);
    if (answer != MsgAnswer::Yes)
        return false;
    if (alarms)
        DeleteAllAlarms(model);
    else
        DeleteAllLaunchSchedules(model);
    PlayActionSound(model, "Delete", true);
    return true;
}

CScheduleEdit EditForRow(CModel& model, ScheduleMode mode, int data) {
    if (mode == ScheduleMode::Alarms) {
        model.alarms.SetCurrentIndex(data);
        return CScheduleEdit::ForAlarm(model, data);
    }
    return CScheduleEdit::ForButton(model, data / 100, data % 100);
}
