#include "platform/Clock.h"

namespace {

int64_t FloorDiv(int64_t a, int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

} // namespace

int64_t CivilDays(int64_t year, int64_t month, int64_t day) {
    // Month overflow carries into the year; the day is then a plain offset
    // from the first of the month, so any day number rolls over.
    int64_t y = year + FloorDiv(month - 1, 12);
    const int64_t m = (month - 1) - FloorDiv(month - 1, 12) * 12 + 1;
    y -= m <= 2 ? 1 : 0;
    const int64_t era = FloorDiv(y, 400);
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468 + (day - 1);
}

int64_t CivilSeconds(const LocalDateTime& t) {
    return (CivilDays(t.year, t.month, t.day) * 1440 + int64_t{t.hour} * 60 + t.minute) * 60 +
           t.second;
}

int64_t Clock::ToAbsolute(const LocalDateTime& t) const {
    return CivilSeconds(t);
}
