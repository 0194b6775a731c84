#pragma once

#include "platform/Clock.h"

// The machine's local time.
class SystemClock : public Clock {
  public:
    LocalDateTime Now() const override;
};
