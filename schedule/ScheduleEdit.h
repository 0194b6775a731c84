#pragma once

#include <cstdint>
#include <string>

class CModel;
class CSchedule;

// What the scheduling dialog and the schedule list work on: a button's launch
// schedule or the alarms.
enum class ScheduleMode { Launches, Alarms };

// The scheduling dialog's fields as the user typed them. Numbers stay text
// until "Schedule" reads them, so that a field can show what was typed.
struct ScheduleFields {
    std::string message; // the button's name, or the alarm's message
    int type = 1;        // CSchedule::One_Time .. CSchedule::Monthly
    std::string month, day, year;
    int weekday = 1; // 1 Sunday .. 7 Saturday
    std::string monthDay;
    bool lastDay = false;
    std::string hour, minute;
    bool am = true;
};

// The fields a failed check points the user to.
enum class ScheduleField { None, Message, Hour, Minute, Month, Day, Year, MonthDay };

// Which controls the dialog enables; recomputed after every change.
struct ScheduleControls {
    bool scheduleEnabled = true; // "&Schedule" / "Set Alarm"
    bool cancelEnabled = false;  // "&Cancel Launch" / "Cancel Alarm"
    bool setChecked = false;     // "Launch Scheduled" / "Alarm Set"
    bool valuesReadOnly = false; // an existing schedule is only shown
    bool messageReadOnly = true;
    bool oneTimeEnabled = true; // the one-time group, its edits and labels
    bool todayEnabled = true;   // "&Today" and the calendar button
    bool nowEnabled = true;
    bool weeklyEnabled = false;
    bool monthlyEnabled = false;
    bool monthDayEnabled = false;
};

// The texts that differ between the two modes.
struct ScheduleTexts {
    std::string title;
    std::string messageLabel;
    std::string setCheck;
    std::string scheduleButton;
    std::string cancelButton;
};

// The result of "Schedule": which field takes the focus after a refusal.
struct ScheduleOutcome {
    bool scheduled = false;
    ScheduleField focus = ScheduleField::None;
};

// The scheduling dialog's rules, for one button's launch schedule or for one
// alarm. The dialog copies its controls into Fields() before each action and
// shows Fields() and Controls() again after it.
class CScheduleEdit {
  public:
    // The launch schedule of the button at (category, slot); -1 is the
    // current category.
    static CScheduleEdit ForButton(CModel& model, int category, int slot);
    // The alarm in table slot `index`, or a new alarm when the slot is empty.
    static CScheduleEdit ForAlarm(CModel& model, int index);

    ScheduleMode Mode() const { return mode_; }
    int Category() const { return category_; }
    int Slot() const { return slot_; }
    ScheduleFields& Fields() { return fields_; }
    const ScheduleFields& Fields() const { return fields_; }
    // The schedule the dialog shows, or null while none is set.
    const CSchedule* Existing() const;
    bool Exists() const { return Existing() != nullptr; }
    // Set once a schedule was created or cancelled.
    bool Changed() const { return changed_; }

    ScheduleControls Controls() const;
    ScheduleTexts Texts() const;

    // A type radio: with a schedule set the type stays; otherwise the dates
    // are emptied and a one-time schedule starts in the current year.
    void ChooseType(int type);
    void SetLastDay(bool lastDay);
    // With a schedule set, puts its values back over anything clicked.
    void KeepExisting();
    void Today();
    void Now();
    // The date for the date picker: true when month, day and year are all given.
    bool GivenDate(int& month, int& day, int& year) const;
    // The date the picker returned; ignored unless all three are given.
    void SetDate(int month, int day, int year);

    // Checks the fields in order, telling the user the first problem; on
    // success creates the schedule (recorded for undo in launch mode).
    ScheduleOutcome Schedule();
    // Removes the schedule shown.
    void Cancel();

  private:
    CScheduleEdit(CModel& model, ScheduleMode mode);
    void ShowExisting();
    void ShowNew();
    ScheduleOutcome Refuse(const std::string& text, ScheduleField field, int value);
    std::string& FieldText(ScheduleField field);

    CModel& model_;
    ScheduleMode mode_;
    int category_ = -1;
    int slot_ = -1;
    uint64_t alarmSerial_ = 0; // the alarm shown, found again after the table changed
    int newAlarmIndex_ = 0;
    ScheduleFields fields_;
    bool changed_ = false;
};

// Cancels the launch schedule of the button at (category, slot) as one
// undoable change.
void CancelButtonSchedule(CModel& model, int category, int slot);

// The number a dialog field holds: digits with surrounding spaces; anything
// else reads as 0.
int FieldNumber(const std::string& text);
