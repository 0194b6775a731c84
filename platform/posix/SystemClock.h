#pragma once

#include "platform/Clock.h"

// The machine's local time, converted by the process's time zone (TZ).
class SystemClock : public Clock {
  public:
    LocalDateTime Now() const override;
    int64_t ToAbsolute(const LocalDateTime& t) const override;
};

// A local time to seconds since the epoch by the process's time zone, as
// mktime() normalises it; the `dst` field picks the side of a repeated hour.
int64_t LocalToAbsolute(const LocalDateTime& t);
