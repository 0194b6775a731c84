#include "schedule/ClockTick.h"

#include "model/ButtonDef.h"
#include "model/Model.h"
#include "model/Text.h"
#include "schedule/LaunchSchedules.h"
#include "schedule/Schedule.h"

#include <vector>

CClockTick::CClockTick(CModel& model, ClockTickActions& actions)
    : model_(model), actions_(actions) {}

int CClockTick::OnTimer() {
    model_.View().RefreshCaption();
    const LocalDateTime now = model_.platform.clock.Now();
    if (!minuteTimer_) {
        if (now.second != 0)
            return kSecondInterval;
        minuteTimer_ = true;
        RecomputeLaunchSchedules(model_, false);
        RecomputeAlarms(model_);
        actions_.RefreshScheduleList();
    }
    MinuteTick(now);
    // An alarm dialog may have stayed open for minutes: the next tick is
    // aligned on the clock as it is now.
    const LocalDateTime after = model_.platform.clock.Now();
    const int second = after.second >= 0 && after.second < 60 ? after.second : 0;
    return kMinuteInterval - second * 1000;
}

void CClockTick::MinuteTick(const LocalDateTime& now) {
    // Absolute minutes: the hour repeated when daylight saving ends is new
    // time, while a second timer event within one minute is not.
    const int64_t seconds = model_.platform.clock.ToAbsolute(now) - now.second;
    const int64_t minute = seconds / 60 - (seconds % 60 < 0 ? 1 : 0);
    const bool repeated = anyMinuteDone_ && minute == lastMinute_;
    if (!repeated) {
        // Marked before anything runs: a tick that arrives while an alarm
        // dialog below is open must not run this minute again.
        anyMinuteDone_ = true;
        lastMinute_ = minute;
        if (model_.settings.PlayChimes) {
            const std::string chime = ChimeForMinute(now.minute);
            if (!chime.empty())
                actions_.PlayChime(chime);
        }
    }
    RecomputeLaunchSchedules(model_, false);
    if (!repeated && model_.settings.EnableScheduledLaunches)
        LaunchDueButtons();
    RecomputeAlarms(model_);
    if (!repeated)
        ShowDueAlarms();
    model_.View().RefreshMenuBar();
    actions_.RefreshScheduleList();
}

void CClockTick::LaunchDueButtons() {
    bool removed = false;
    for (int cat = 0; cat < kMaxCategories; ++cat) {
        if (!model_.Category(cat))
            continue;
        for (int slot = 0; slot < kSlotsPerCategory; ++slot) {
            CButtonDef* button = model_.GetButton(cat, slot);
            const CSchedule* schedule = button ? button->Schedule() : nullptr;
            if (!schedule || (schedule->minutesToGo != 0 && schedule->minutesToGo != -1))
                continue;
            // A one-time schedule goes before the launch, so that a tick run
            // inside the launch (behind an error message) cannot launch it again.
            if (schedule->type == CSchedule::One_Time) {
                button->SetSchedule(nullptr);
                removed = true;
            }
            actions_.LaunchScheduled(cat, slot);
        }
    }
    if (removed)
        model_.SetModified();
}

void CClockTick::ShowDueAlarms() {
    CAlarmTable& alarms = model_.alarms;
    // Collected first: showing an alarm runs a dialog, during which later
    // ticks may remove alarms and compact the table.
    std::vector<uint64_t> due;
    for (int i = 0; const CSchedule* alarm = alarms.Alarm(i); ++i)
        if (alarm->minutesToGo == 0)
            due.push_back(alarms.SerialAt(i));
    bool removed = false;
    for (const uint64_t serial : due) {
        const CSchedule* alarm = alarms.Alarm(alarms.IndexOfSerial(serial));
        if (!alarm)
            continue;
        // The dialog shows a copy, which stays valid whatever happens to the
        // table while it is open.
        CSchedule shown(*alarm);
        shown.message = alarm->message;
        actions_.PlayChime("Alarm Clock");
        const bool wasModal = model_.modal;
        model_.modal = true;
        actions_.ShowAlarm(shown, FormatAlarmDateTime(model_.platform.clock.Now()));
        model_.modal = wasModal;
        if (shown.type == CSchedule::One_Time) {
            const int index = alarms.IndexOfSerial(serial);
            if (index >= 0) {
                alarms.RemoveAlarm(index);
                removed = true;
            }
        }
    }
    if (removed) {
        model_.SetModified();
        actions_.SaveConfiguration();
    }
}

std::string ChimeForMinute(int minute) {
    switch (minute) {
    case 0:
        return "Chime (1 hr.)";
    case 15:
    case 45:
        return "Chime (1/4 hr.)";
    case 30:
        return "Chime (1/2 hr.)";
    default:
        return {};
    }
}

std::string FormatAlarmDateTime(const LocalDateTime& t) {
    static constexpr const char* kMonths[12] = {"January",   "February", "March",    "April",
                                                "May",       "June",     "July",     "August",
                                                "September", "October",  "November", "December"};
    const char* month = t.month >= 1 && t.month <= 12 ? kMonths[t.month - 1] : "";
    const char* weekday = WeekdayName(WeekdayOfDays(CivilDays(t.year, t.month, t.day)));
    const int hour12 = t.hour % 12 == 0 ? 12 : t.hour % 12;
    return Format("%s, %s %02d, %d  %02d:%02d %s", weekday, month, t.day, t.year, hour12, t.minute,
                  t.hour < 12 ? "AM" : "PM");
}
