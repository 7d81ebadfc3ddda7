#pragma once
// Shared procedures of the suite's common library that the setup program uses.
#include <windows.h>

#include <string>

// The text of entry `id` of the module's string table; empty when there is no such
// entry. A negative id raises a range error.
std::wstring GetResourceString(HINSTANCE module, int id);
