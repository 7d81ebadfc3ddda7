#pragma once
// The settings and reference files the suite expects before it first starts.
#include <string>

// Creates uca.nsi and wra.nsi in the folder (which ends with a backslash) when they
// are absent. Silent: a file that cannot be written is left missing or short.
void SeedReferenceLists(const std::wstring& folder);

// Creates Settings\lastnum.dta of the target with the local time of now, when the
// Settings folder exists and the file does not. Silent.
void WriteLastNumFile(const std::wstring& target);

// Sets "FilterType" 0 and "HardwareType" 1 in "options" of Settings\holter.ini of the
// target, other content kept. Raises when the file cannot be written.
void WriteProductSettings(const std::wstring& target);

// Sets "Disk" to "I" in "Common" of btooth.ini of the target. Raises when the file
// cannot be written.
void WriteEditionSettings(const std::wstring& target);
