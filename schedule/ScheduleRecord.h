#pragma once

#include <memory>
#include <string>

class Clock;
class CSchedule;
class LineWords;

// Reads the fields that follow the keyword "SCHEDULE" on a schedule line:
// the type word ("One_Time" month day year, "Daily", "Weekly" weekday name,
// "Monthly" day of month, any case), then hour, minute and "am" (anything
// else is p.m.). No range test is applied. Null for an unrecognised type
// word. The new schedule carries `message` and its minutes to go from `clock`.
std::unique_ptr<CSchedule> ReadSchedule(LineWords& words, const Clock& clock,
                                        const std::string& message = "");

// The stored lines of a schedule, each ended by CR LF: the button form is the
// one "SCHEDULE ..." line; the alarm form puts "ALARM message" before it.
std::string ScheduleLines(const CSchedule& schedule, bool buttonForm);
