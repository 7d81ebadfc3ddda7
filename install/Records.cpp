#include "install/Records.h"

#include <cstring>

#include "ui/Exception.h"

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

std::string EmptyReferenceList() { return std::string(60 * 14, '\0'); }

std::string LastNumRecord(double dateTime) {
    std::string record(14, '\0');
    uint64_t bits;
    std::memcpy(&bits, &dateTime, sizeof bits);
    for (int i = 0; i < 8; ++i) record[6 + i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
    return record;
}

int ReleaseSortKey(const std::wstring& path) {
    std::wstring tail = path.size() >= 6 ? path.substr(path.size() - 6) : path;
    std::wstring key = tail.size() == 6 ? std::wstring{tail[4], tail[5], tail[2], tail[3], tail[0], tail[1]} : tail;
    bool digits = !key.empty();
    for (wchar_t c : key) digits = digits && c >= L'0' && c <= L'9';
    if (!digits) throw ui::EConvertError(L"'" + key + L"' is not a valid integer value");
    return std::stoi(key);
}
