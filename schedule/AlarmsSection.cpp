#include "schedule/AlarmsSection.h"

#include "config/ConfigText.h"
#include "model/Model.h"
#include "model/Text.h"
#include "schedule/Schedule.h"
#include "schedule/ScheduleRecord.h"

namespace {

void ReportCorrupt(CModel& model) {
    model.Message("The alarm data file contains corrupted data", "Bad Alarm Data File",
                  MsgIcon::Stop);
}

} // namespace

void ReadAlarmsSection(CModel& model, const ConfigText& text, const std::string& /*path*/) {
    // The file was read into `text` once for the whole load; a file that could
    // not be read arrives empty and so has no ALARMS section.
    model.alarms.Clear();
    size_t i = text.FindSection("ALARMS");
    if (i == ConfigText::npos)
        return;
    const Clock& clock = model.platform.clock;
    int count = 0;
    for (; i < text.LineCount(); ++i) {
        const std::string line = Trim(text.Line(i));
        if (IsSectionEnd(line, {"BUTTONS", "ALARMS", "SOUNDS", "FILE_DIALOG_PARAMETERS"}))
            return;
        LineWords alarmWords(line);
        if (!EqualsNoCase(alarmWords.Next(), "ALARM")) {
            ReportCorrupt(model);
            return;
        }
        if (++count > kMaxAlarms) {
            model.Message("The maximum number of alarms is 50", "Too Many Alarms", MsgIcon::Stop);
            return;
        }
        const std::string message = alarmWords.Rest();
        if (++i >= text.LineCount()) {
            ReportCorrupt(model);
            return;
        }
        LineWords words(TrimView(text.Line(i)));
        std::unique_ptr<CSchedule> alarm;
        if (EqualsNoCase(words.Next(), "SCHEDULE"))
            alarm = ReadSchedule(words, clock, message);
        if (!alarm) {
            ReportCorrupt(model);
            return;
        }
        if (alarm->type == CSchedule::One_Time &&
            HasPassed(clock, alarm->month, alarm->day, alarm->year, alarm->hour, alarm->minute,
                      alarm->am)) {
            model.loadDropped = true;
            continue;
        }
        model.alarms.AddAlarm(std::move(alarm));
    }
}

void AppendAlarmsSection(const CModel& model, std::string& out) {
    if (!model.alarms.AnyAlarm())
        return;
    out += "ALARMS\r\n";
    for (int i = 0; const CSchedule* alarm = model.alarms.Alarm(i); ++i)
        out += ScheduleLines(*alarm, false);
}
