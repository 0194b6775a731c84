#pragma once

#include "platform/Clock.h"

#include <cstdint>
#include <string>

class CModel;
class CSchedule;

// What the minute tick asks of the program around it. The window implements
// it with the launching, sound and configuration-writer code.
class ClockTickActions {
  public:
    virtual ~ClockTickActions() = default;
    // Plays the action sound `name` asynchronously: a chime or "Alarm Clock".
    virtual void PlayChime(const std::string& name) = 0;
    // Plays the button's launch sound, then launches the button at (category,
    // slot) as a click does after its pre-check.
    virtual void LaunchScheduled(int category, int slot) = 0;
    // Shows the alarm in the Alarm Message dialog with the date-time line;
    // returns when the user has closed it.
    virtual void ShowAlarm(const CSchedule& alarm, const std::string& dateTimeLine) = 0;
    // Saves the configuration under its current name.
    virtual void SaveConfiguration() = 0;
    // Clears and refills the schedule list while it is open.
    virtual void RefreshScheduleList() {}
};

// The view's clock timer as a state machine. It first runs once a second
// until the clock reaches a whole minute, then once a minute. Every call of
// OnTimer() returns the interval for the next one, which keeps each minute
// tick just after its minute boundary even when the timer drifts. Each minute
// runs once; only the same minute twice in a row is skipped, so a clock set
// back runs its minutes again.
class CClockTick {
  public:
    static constexpr int kSecondInterval = 1000;
    static constexpr int kMinuteInterval = 60000;

    CClockTick(CModel& model, ClockTickActions& actions);

    // Handles one timer event; returns the interval in milliseconds the timer
    // should run at until the next call.
    int OnTimer();
    bool OnMinuteTimer() const { return minuteTimer_; }

  private:
    void MinuteTick(const LocalDateTime& now);
    void LaunchDueButtons();
    void ShowDueAlarms();

    CModel& model_;
    ClockTickActions& actions_;
    bool minuteTimer_ = false;
    bool anyMinuteDone_ = false;
    int64_t lastMinute_ = 0; // the absolute minute whose chimes, launches and alarms ran last
};

// The chime of a minute of the hour: "Chime (1 hr.)", "Chime (1/4 hr.)",
// "Chime (1/2 hr.)", or empty for a minute without one.
std::string ChimeForMinute(int minute);

// The Alarm Message dialog's date-time line, "%A, %B %d, %Y  %I:%M %p" in
// English, e.g. "Monday, December 21, 1998  12:08 PM".
std::string FormatAlarmDateTime(const LocalDateTime& t);
