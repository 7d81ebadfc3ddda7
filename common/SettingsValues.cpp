#include "common/SettingsValues.h"

#include <cmath>
#include <cstdint>

namespace {

int DigitValue(wchar_t c, int base) {
    int v = c >= L'0' && c <= L'9' ? c - L'0'
            : c >= L'a' && c <= L'f' ? c - L'a' + 10
            : c >= L'A' && c <= L'F' ? c - L'A' + 10
                                     : 99;
    return v < base ? v : -1;
}

}  // namespace

int ParseIniInteger(const std::wstring& text, int fallback) {
    size_t i = 0;
    int base = 10;
    bool negative = false;
    if (text.size() > 2 && text[0] == L'0' && (text[1] == L'x' || text[1] == L'X')) {
        base = 16;
        i = 2;
    } else if (!text.empty() && (text[0] == L'+' || text[0] == L'-')) {
        negative = text[0] == L'-';
        i = 1;
    }
    if (i >= text.size()) return fallback;
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        int d = DigitValue(text[i], base);
        if (d < 0) return fallback;
        value = value * base + d;
        // Hexadecimal takes the full 32 bits, as 0xFFFFFFFF is -1.
        if (value > (base == 16 ? int64_t{0xFFFFFFFF} : int64_t{0x80000000})) return fallback;
    }
    if (base == 16) return static_cast<int>(static_cast<uint32_t>(value));
    if (negative) value = -value;
    if (value > INT32_MAX) return fallback;
    return static_cast<int>(value);
}

double ParseIniNumber(const std::wstring& text, double fallback, wchar_t decimalSeparator) {
    size_t i = 0, n = text.size();
    while (i < n && text[i] == L' ') ++i;
    while (n > i && text[n - 1] == L' ') --n;
    if (i == n) return fallback;
    bool negative = false;
    if (text[i] == L'+' || text[i] == L'-') negative = text[i++] == L'-';
    double mantissa = 0;
    int digits = 0, scale = 0;
    for (; i < n && text[i] >= L'0' && text[i] <= L'9'; ++i, ++digits) mantissa = mantissa * 10 + (text[i] - L'0');
    if (i < n && text[i] == decimalSeparator)
        for (++i; i < n && text[i] >= L'0' && text[i] <= L'9'; ++i, ++digits, --scale)
            mantissa = mantissa * 10 + (text[i] - L'0');
    if (digits == 0) return fallback;
    if (i < n && (text[i] == L'e' || text[i] == L'E')) {
        ++i;
        bool expNegative = false;
        if (i < n && (text[i] == L'+' || text[i] == L'-')) expNegative = text[i++] == L'-';
        int exponent = 0, expDigits = 0;
        for (; i < n && text[i] >= L'0' && text[i] <= L'9'; ++i, ++expDigits)
            exponent = std::min(exponent * 10 + (text[i] - L'0'), 10000);
        if (expDigits == 0) return fallback;
        scale += expNegative ? -exponent : exponent;
    }
    if (i != n) return fallback;
    double value = scale < 0 ? mantissa / std::pow(10.0, -scale) : mantissa * std::pow(10.0, scale);
    if (!std::isfinite(value)) return fallback;
    return negative ? -value : value;
}
