#pragma once

// A recurrence rule: a button's launch schedule or an alarm.
class CSchedule {
public:
    virtual ~CSchedule() = default;
};
