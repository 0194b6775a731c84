#include "schedule/ScheduleEdit.h"

#include "model/ButtonDef.h"
#include "model/Model.h"
#include "model/Text.h"
#include "schedule/LaunchSchedules.h"
#include "schedule/Schedule.h"
#include "sounds/PlaySound.h"
#include "undo/Undo.h"

#include <memory>

namespace {

constexpr const char* kBadInput = "Bad Input";
// What a field shows when its number read as 0, so that the selection is seen.
constexpr const char* kBlankField = "         ";

std::string MinuteText(int minute) {
    return minute < 10 && minute >= 0 ? Format("0%d", minute) : Format("%d", minute);
}

// A message is one line of the configuration file.
std::string OneLine(const std::string& text) {
    std::string line = text;
    for (char& c : line)
        if (c == '\r' || c == '\n')
            c = ' ';
    return Trim(line);
}

} // namespace

int FieldNumber(const std::string& text) {
    const std::string_view t = TrimView(text);
    if (t.empty() || t.size() > 9)
        return 0;
    for (const char c : t)
        if (c < '0' || c > '9')
            return 0;
    return ParseInt(t);
}

CScheduleEdit::CScheduleEdit(CModel& model, ScheduleMode mode) : model_(model), mode_(mode) {}

CScheduleEdit CScheduleEdit::ForButton(CModel& model, int category, int slot) {
    CScheduleEdit edit(model, ScheduleMode::Launches);
    edit.category_ = category == -1 ? model.CurrentCategoryIndex() : category;
    edit.slot_ = slot;
    if (const CButtonDef* button = model.GetButton(edit.category_, slot))
        edit.fields_.message = button->Name();
    if (edit.Exists())
        edit.ShowExisting();
    else
        edit.ShowNew();
    return edit;
}

CScheduleEdit CScheduleEdit::ForAlarm(CModel& model, int index) {
    CScheduleEdit edit(model, ScheduleMode::Alarms);
    if (const CSchedule* alarm = model.alarms.Alarm(index)) {
        edit.alarmSerial_ = model.alarms.SerialAt(index);
        edit.fields_.message = alarm->message;
        edit.ShowExisting();
    } else {
        edit.newAlarmIndex_ = index < 0 ? model.alarms.AlarmCount() : index;
        edit.fields_.message = Format("Alarm # %d", edit.newAlarmIndex_ + 1);
        edit.ShowNew();
    }
    return edit;
}

const CSchedule* CScheduleEdit::Existing() const {
    if (mode_ == ScheduleMode::Alarms)
        return alarmSerial_ ? model_.alarms.Alarm(model_.alarms.IndexOfSerial(alarmSerial_))
                            : nullptr;
    const CButtonDef* button = model_.GetButton(category_, slot_);
    return button ? button->Schedule() : nullptr;
}

void CScheduleEdit::ShowExisting() {
    const CSchedule* s = Existing();
    if (!s)
        return;
    ScheduleFields& f = fields_;
    f.type = s->type;
    f.hour = Format("%d", s->hour);
    f.minute = MinuteText(s->minute);
    f.am = s->am != 0;
    f.month.clear();
    f.day.clear();
    f.year.clear();
    f.monthDay.clear();
    f.lastDay = false;
    f.weekday = 1;
    switch (s->type) {
    case CSchedule::One_Time:
        f.month = Format("%d", s->month);
        f.day = Format("%d", s->day);
        f.year = Format("%d", s->year);
        break;
    case CSchedule::Weekly:
        f.weekday = s->weekday >= 1 && s->weekday <= 7 ? s->weekday : 7;
        break;
    case CSchedule::Monthly:
        if (s->dayOfMonth == -1)
            f.lastDay = true;
        else
            f.monthDay = Format("%d", s->dayOfMonth);
        break;
    default:
        break;
    }
}

void CScheduleEdit::ShowNew() {
    ScheduleFields& f = fields_;
    f.type = CSchedule::One_Time;
    f.month.clear();
    f.day.clear();
    f.year = Format("%d", model_.platform.clock.Now().year);
    f.monthDay.clear();
    f.weekday = 1;
    f.am = true;
    f.hour.clear();
    f.minute.clear();
    f.lastDay = false;
}

ScheduleControls CScheduleEdit::Controls() const {
    const bool e = Exists();
    const int type = fields_.type;
    ScheduleControls c;
    c.scheduleEnabled = !e;
    c.cancelEnabled = e;
    c.setChecked = e;
    c.valuesReadOnly = e;
    // An alarm's message is typed in, but only while it can still be used.
    c.messageReadOnly = mode_ == ScheduleMode::Launches || e;
    c.oneTimeEnabled = type == CSchedule::One_Time;
    c.todayEnabled = c.oneTimeEnabled && !e;
    c.nowEnabled = !e;
    c.weeklyEnabled = type == CSchedule::Weekly;
    c.monthlyEnabled = type == CSchedule::Monthly;
    c.monthDayEnabled = c.monthlyEnabled && !fields_.lastDay;
    return c;
}

ScheduleTexts CScheduleEdit::Texts() const {
    if (mode_ == ScheduleMode::Alarms)
        return {" Set an Alarm", "Alarm Message", "Alarm Set", "Set Alarm", "Cancel Alarm"};
    return {" Schedule an Application Launch", "Application Name", "Launch Scheduled", "&Schedule",
            "&Cancel Launch"};
}

void CScheduleEdit::ChooseType(int type) {
    if (Exists()) {
        KeepExisting();
        return;
    }
    if (type < CSchedule::One_Time || type > CSchedule::Monthly || type == fields_.type)
        return;
    fields_.type = type;
    fields_.month.clear();
    fields_.day.clear();
    fields_.year.clear();
    fields_.monthDay.clear();
    fields_.lastDay = false;
    if (type == CSchedule::One_Time)
        fields_.year = Format("%d", model_.platform.clock.Now().year);
}

void CScheduleEdit::SetLastDay(bool lastDay) {
    if (Exists()) {
        KeepExisting();
        return;
    }
    fields_.lastDay = lastDay;
    if (lastDay)
        fields_.monthDay.clear();
}

void CScheduleEdit::KeepExisting() {
    if (Exists())
        ShowExisting();
}

void CScheduleEdit::Today() {
    if (Exists())
        return;
    const LocalDateTime now = model_.platform.clock.Now();
    fields_.month = Format("%d", now.month);
    fields_.day = Format("%d", now.day);
    fields_.year = Format("%d", now.year);
}

void CScheduleEdit::Now() {
    if (Exists())
        return;
    const LocalDateTime now = model_.platform.clock.Now();
    fields_.hour = Format("%d", now.hour % 12 == 0 ? 12 : now.hour % 12);
    fields_.minute = Format("%02d", now.minute);
    fields_.am = now.hour < 12;
}

bool CScheduleEdit::GivenDate(int& month, int& day, int& year) const {
    month = FieldNumber(fields_.month);
    day = FieldNumber(fields_.day);
    year = FieldNumber(fields_.year);
    return month > 0 && day > 0 && year > 0;
}

void CScheduleEdit::SetDate(int month, int day, int year) {
    if (Exists() || month <= 0 || day <= 0 || year <= 0)
        return;
    fields_.month = Format("%d", month);
    fields_.day = Format("%d", day);
    fields_.year = Format("%d", year);
}

std::string& CScheduleEdit::FieldText(ScheduleField field) {
    switch (field) {
    case ScheduleField::Message:
        return fields_.message;
    case ScheduleField::Hour:
        return fields_.hour;
    case ScheduleField::Minute:
        return fields_.minute;
    case ScheduleField::Month:
        return fields_.month;
    case ScheduleField::Day:
        return fields_.day;
    case ScheduleField::Year:
        return fields_.year;
    default:
        return fields_.monthDay;
    }
}

ScheduleOutcome CScheduleEdit::Refuse(const std::string& text, ScheduleField field, int value) {
    model_.Message(text, kBadInput, MsgIcon::Exclamation);
    if (field != ScheduleField::None && value == 0)
        FieldText(field) = kBlankField;
    return {false, field};
}

ScheduleOutcome CScheduleEdit::Schedule() {
    if (Exists())
        return {};
    ScheduleFields& f = fields_;
    const bool alarm = mode_ == ScheduleMode::Alarms;
    // A message of blanks reads back from the file as no message at all.
    const std::string message = alarm ? OneLine(f.message) : std::string();
    if (alarm && message.empty())
        return Refuse("Please speicfy a message for the alarm (i.e. \"Go to Airport\")",
                      ScheduleField::Message, 0);

    const int hour = FieldNumber(f.hour);
    if (hour < 1 || hour > 12)
        return Refuse("Please enter a number between 1 and 12 for the hour", ScheduleField::Hour,
                      hour);
    const int minute = FieldNumber(f.minute);
    if (minute < 0 || minute > 59)
        return Refuse("Please enter a number between 0 and 59 for the minute",
                      ScheduleField::Minute, minute);

    int month = 0, day = 0, year = 0, weekday = 0, dayOfMonth = 0;
    const int am = f.am ? 1 : 0;
    if (f.type == CSchedule::One_Time) {
        month = FieldNumber(f.month);
        if (month < 1 || month > 12)
            return Refuse("Please enter a number between 1 and 12 for the month",
                          ScheduleField::Month, month);
        year = FieldNumber(f.year);
        const int thisYear = model_.platform.clock.Now().year;
        // Four digits at most: the calendar ends with the year 9999.
        if (year < thisYear || year > 9999)
            return Refuse(Format("Please enter a number for the year that is greater than or "
                                 "equal to %d",
                                 thisYear),
                          ScheduleField::Year, year);
        day = FieldNumber(f.day);
        const int days = DaysInMonth(month, year);
        if (day < 1 || day > days)
            return Refuse(Format("Please enter a number between 1 and %d for the day", days),
                          ScheduleField::Day, day);
        if (HasPassed(model_.platform.clock, month, day, year, hour, minute, am))
            return Refuse("The specified time has already passed", ScheduleField::None, 1);
    } else if (f.type == CSchedule::Weekly) {
        weekday = f.weekday >= 1 && f.weekday <= 7 ? f.weekday : 1;
    } else if (f.type == CSchedule::Monthly) {
        dayOfMonth = FieldNumber(f.monthDay);
        if (dayOfMonth >= 1 && f.lastDay)
            return Refuse("Please specify either:\r\n\r\n"
                          "1) A particular day of the month\r\n\r\n"
                          "or\r\n\r\n"
                          "2) Check \"Last Day of Month\"",
                          ScheduleField::MonthDay, dayOfMonth);
        if (f.lastDay)
            dayOfMonth = -1;
        else if (dayOfMonth < 1 || dayOfMonth > 28)
            return Refuse("Please enter a number between 1 and 28 for the day",
                          ScheduleField::MonthDay, dayOfMonth);
    }

    const Clock& clock = model_.platform.clock;
    auto schedule = std::make_unique<CSchedule>(clock, message, f.type, month, day, year, weekday,
                                                dayOfMonth, hour, minute, am);
    if (alarm) {
        if (model_.alarms.AlarmCount() >= kMaxAlarms) {
            model_.Message("The maximum number of alarms is 50", "Too Many Alarms", MsgIcon::Stop);
            return {};
        }
        PlayActionSound(model_, "Generic Button Click", true);
        changed_ = true;
        f.message = message;
        model_.alarms.AddAlarm(std::move(schedule));
        const int index = model_.alarms.CurrentIndex();
        alarmSerial_ = model_.alarms.SerialAt(index);
        model_.SetModified();
        if (model_.alarms.AlarmTimeClashes(index))
            model_.Message("Warning: The alarm time that you just specified coincides "
                           "with the alarm time of at least one other alarm.",
                           "Duplicate Alarm Times", MsgIcon::Exclamation);
    } else {
        CButtonDef* button = model_.GetButton(category_, slot_);
        if (!button)
            return {};
        PlayActionSound(model_, "Generic Button Click", true);
        changed_ = true;
        BeginChange(model_, "Create Button Schedule", category_, slot_, true);
        button->SetSchedule(std::move(schedule));
        model_.SetModified();
        if (LaunchTimeClashes(model_, category_, slot_))
            model_.Message("Warning: The launch time that you just specified coincides "
                           "with the launch time of at least one other application.",
                           "Duplicate Launch Times", MsgIcon::Exclamation);
    }
    model_.View().RefreshMenuBar();
    return {true, ScheduleField::None};
}

void CScheduleEdit::Cancel() {
    if (!Exists())
        return;
    PlayActionSound(model_, "Open File Selection Box", true);
    changed_ = true;
    if (mode_ == ScheduleMode::Alarms) {
        model_.alarms.RemoveAlarm(model_.alarms.IndexOfSerial(alarmSerial_));
        alarmSerial_ = 0;
        // The dialog now stands for a new alarm in the first empty slot.
        newAlarmIndex_ = model_.alarms.AlarmCount();
        model_.alarms.SetCurrentIndex(newAlarmIndex_);
        model_.SetModified();
        model_.View().RefreshMenuBar();
    } else {
        CancelButtonSchedule(model_, category_, slot_);
    }
}

void CancelButtonSchedule(CModel& model, int category, int slot) {
    if (category == -1)
        category = model.CurrentCategoryIndex();
    CButtonDef* button = model.GetButton(category, slot);
    if (!button || !button->Schedule())
        return;
    BeginChangeWithEntry(model, "Delete Button Schedule", "Delete Button Schedule", category, slot,
                         true);
    button->SetSchedule(nullptr);
    model.View().RefreshMenuBar();
    model.SetModified();
}
