#include "common/DateTime.h"

#include <cstdint>

namespace {

bool IsLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

// Days from 1 January of year 1 to the given date.
int64_t DaysFromCivil(int year, int month, int day) {
    static const int before[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    int64_t y = year - 1;
    int64_t days = y * 365 + y / 4 - y / 100 + y / 400 + before[month - 1] + day - 1;
    if (month > 2 && IsLeapYear(year)) ++days;
    return days;
}

}  // namespace

double EncodeDateTime(int year, int month, int day, int hour, int minute, int second, int millisecond) {
    double days = static_cast<double>(DaysFromCivil(year, month, day) - DaysFromCivil(1899, 12, 30));
    double time = (((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + millisecond) / 86400000.0;
    return days + time;
}
