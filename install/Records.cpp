#include "install/Records.h"

#include <cstring>

#include "ui/Exception.h"

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
