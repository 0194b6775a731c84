#pragma once

#include <string>

class CModel;
class ConfigText;

// Replaces the alarm table with the alarms of the ALARMS section of `text`,
// the configuration file `path` as read. A corrupt section or a 51st alarm is
// reported to the user; the alarms read before stay. One-time alarms that have
// passed are dropped and `loadDropped` is set.
void ReadAlarmsSection(CModel& model, const ConfigText& text, const std::string& path);

// Appends "ALARMS" and the lines of every alarm, in table order, each line
// ended by CR LF; nothing when there is no alarm.
void AppendAlarmsSection(const CModel& model, std::string& out);
