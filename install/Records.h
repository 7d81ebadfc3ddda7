#pragma once
// The fixed-layout files the installation seeds, and the release folder sort key.
// No system calls.
#include <cstdint>
#include <string>

// A reference list (uca.nsi, wra.nsi): 60 entries of a length byte and 13 name
// bytes, all empty: 840 zero bytes.
std::string EmptyReferenceList();

// The last-number file (lastnum.dta): a 16-bit 0, a 32-bit 0 and the date
// (EncodeDateTime), 14 bytes little-endian.
std::string LastNumRecord(double dateTime);

// The key of a release folder from the date at the end of its path (day, month,
// year of two digits each) as year, month, day. Raises a conversion error when
// those six characters are not a decimal number.
int ReleaseSortKey(const std::wstring& path);
