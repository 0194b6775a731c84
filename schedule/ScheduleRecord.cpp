#include "schedule/ScheduleRecord.h"

#include "model/Text.h"
#include "schedule/Schedule.h"

std::unique_ptr<CSchedule> ReadSchedule(LineWords& words, const Clock& clock,
                                        const std::string& message) {
    const std::string typeWord = words.Next();
    int type = 0;
    int month = 0;
    int day = 0;
    int year = 0;
    int weekday = 0;
    int dayOfMonth = 0;
    if (EqualsNoCase(typeWord, "One_Time")) {
        type = CSchedule::One_Time;
        month = words.NextInt();
        day = words.NextInt();
        year = words.NextInt();
    } else if (EqualsNoCase(typeWord, "Daily")) {
        type = CSchedule::Daily;
    } else if (EqualsNoCase(typeWord, "Weekly")) {
        type = CSchedule::Weekly;
        weekday = WeekdayFromName(words.Next());
    } else if (EqualsNoCase(typeWord, "Monthly")) {
        type = CSchedule::Monthly;
        dayOfMonth = words.NextInt();
    } else {
        return nullptr;
    }
    const int hour = words.NextInt();
    const int minute = words.NextInt();
    const int am = EqualsNoCase(words.Next(), "am") ? 1 : 0;
    return std::make_unique<CSchedule>(clock, message, type, month, day, year, weekday, dayOfMonth,
                                       hour, minute, am);
}

std::string ScheduleLines(const CSchedule& s, bool buttonForm) {
    std::string head;
    switch (s.type) {
    case CSchedule::One_Time:
        head = Format("SCHEDULE One_Time %d %d %d", s.month, s.day, s.year);
        break;
    case CSchedule::Daily:
        head = "SCHEDULE Daily";
        break;
    case CSchedule::Weekly:
        head = Format("SCHEDULE Weekly %s", WeekdayName(s.weekday));
        break;
    case CSchedule::Monthly:
        head = Format("SCHEDULE Monthly %d", s.dayOfMonth);
        break;
    default:
        // A line without its type could not be read back; write nothing.
        return {};
    }
    std::string out;
    if (!buttonForm) {
        // The message is stored on one line, so line breaks become spaces.
        std::string message = s.message;
        for (char& c : message)
            if (c == '\r' || c == '\n')
                c = ' ';
        out = "ALARM " + message + "\r\n";
    }
    out += head + Format(" %d %d", s.hour, s.minute) + (s.am ? " am\r\n" : " pm\r\n");
    return out;
}
