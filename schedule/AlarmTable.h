#pragma once

#include "schedule/Schedule.h"

#include <array>
#include <cstdint>
#include <memory>

class Clock;

inline constexpr int kMaxAlarms = 50;

// The alarm table: up to 50 alarms, compact (the occupied slots form a
// prefix) and in creation order. Alarms are identified by slot index.
class CAlarmTable {
  public:
    CAlarmTable() = default;
    CAlarmTable(const CAlarmTable&) = delete;
    CAlarmTable& operator=(const CAlarmTable&) = delete;

    // The alarm in `index`; null for an empty slot or an index outside the table.
    CSchedule* Alarm(int index) const;
    int AlarmCount() const;
    bool AnyAlarm() const { return slots_[0] != nullptr; }
    // A number given to each alarm when it is added, never reused while the
    // program runs; it finds an alarm again after the table has changed.
    uint64_t SerialAt(int index) const;
    // The slot of the alarm with that serial number, or -1 when it is gone.
    int IndexOfSerial(uint64_t serial) const;

    // Puts the alarm into the first empty slot and makes that slot the current
    // alarm index. False (and the alarm dropped) when the table is full.
    bool AddAlarm(std::unique_ptr<CSchedule> alarm);
    // Deletes the alarm in `index` and closes the gap.
    void RemoveAlarm(int index);
    // Deletes every alarm.
    void Clear();

    int CurrentIndex() const { return current_; }
    void SetCurrentIndex(int index) { current_ = index; }

    // Whether another alarm has the same minutes to go as the one in `index`.
    bool AlarmTimeClashes(int index) const;
    // Whether any alarm is due within `minutes`: its minutes to go lie in
    // 0..minutes. A missed one-time alarm (negative) is not coming any more.
    bool AlarmDueWithin(int minutes) const;
    void RecomputeAlarms(const Clock& clock);
    void ClearListedMarks();

  private:
    std::array<std::unique_ptr<CSchedule>, kMaxAlarms> slots_;
    std::array<uint64_t, kMaxAlarms> serials_{};
    uint64_t nextSerial_ = 1;
    int current_ = 0;
};
