#include "schedule/AlarmTable.h"

#include <algorithm>

CSchedule* CAlarmTable::Alarm(int index) const {
    return index >= 0 && index < kMaxAlarms ? slots_[index].get() : nullptr;
}

int CAlarmTable::AlarmCount() const {
    int n = 0;
    while (n < kMaxAlarms && slots_[n])
        ++n;
    return n;
}

uint64_t CAlarmTable::SerialAt(int index) const {
    return Alarm(index) ? serials_[index] : 0;
}

int CAlarmTable::IndexOfSerial(uint64_t serial) const {
    for (int i = 0; i < kMaxAlarms && slots_[i]; ++i)
        if (serials_[i] == serial)
            return i;
    return -1;
}

bool CAlarmTable::AddAlarm(std::unique_ptr<CSchedule> alarm) {
    const int free = AlarmCount();
    if (free == kMaxAlarms || !alarm)
        return false;
    slots_[free] = std::move(alarm);
    serials_[free] = nextSerial_++;
    current_ = free;
    return true;
}

void CAlarmTable::RemoveAlarm(int index) {
    if (!Alarm(index))
        return;
    slots_[index].reset();
    // Shift the later alarms down one slot, keeping their order.
    std::rotate(slots_.begin() + index, slots_.begin() + index + 1, slots_.end());
    std::rotate(serials_.begin() + index, serials_.begin() + index + 1, serials_.end());
    serials_[kMaxAlarms - 1] = 0;
}

void CAlarmTable::Clear() {
    for (auto& slot : slots_)
        slot.reset();
}

bool CAlarmTable::AlarmTimeClashes(int index) const {
    const CSchedule* alarm = Alarm(index);
    if (!alarm)
        return false;
    for (int i = 0; i < kMaxAlarms && slots_[i]; ++i)
        if (i != index && slots_[i]->minutesToGo == alarm->minutesToGo)
            return true;
    return false;
}

bool CAlarmTable::AlarmDueWithin(int minutes) const {
    for (int i = 0; i < kMaxAlarms && slots_[i]; ++i)
        if (slots_[i]->minutesToGo >= 0 && slots_[i]->minutesToGo <= minutes)
            return true;
    return false;
}

void CAlarmTable::RecomputeAlarms(const Clock& clock) {
    for (int i = 0; i < kMaxAlarms && slots_[i]; ++i)
        slots_[i]->Recompute(clock);
}

void CAlarmTable::ClearListedMarks() {
    for (int i = 0; i < kMaxAlarms && slots_[i]; ++i)
        slots_[i]->listed = 0;
}
