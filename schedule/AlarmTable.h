#pragma once

// The alarm table: up to 50 alarms, compact, in creation order.
class CAlarmTable {
public:
};
