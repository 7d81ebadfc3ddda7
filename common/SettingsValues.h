#pragma once
// How the text of a settings key becomes a value. No system calls.
#include <string>

// A decimal integer with optional sign, or hexadecimal after "0x"/"0X" (a text
// longer than two characters); anything else gives the fallback.
int ParseIniInteger(const std::wstring& text, int fallback);

// A number with the given decimal separator; an empty or unconvertible text gives
// the fallback.
double ParseIniNumber(const std::wstring& text, double fallback, wchar_t decimalSeparator);
