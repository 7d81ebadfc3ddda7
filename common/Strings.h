#pragma once
// Text operations shared by the units. No system calls.
#include <string>

// Blanks and control characters off both ends.
std::wstring Trim(const std::wstring& text);
