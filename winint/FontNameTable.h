#pragma once
// The full name of a TrueType or OpenType font (name id 4) from the font file's own
// "name" table: the Windows platform's US English record first, then any Windows
// record. Every offset is checked: a malformed file gives an empty name. No system calls.
#include <string>
#include <string_view>

std::wstring FontFullName(std::string_view file);
