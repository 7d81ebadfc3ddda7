#pragma once
// The newest backup release: chosen by the date at the end of its folder name, its
// install script run, its name recorded in the release document.
#include <string>
#include <vector>

// The release folders of backup\ sorted by the user locale's collation without
// regard to case; then the first with the greatest date key. Raises a list-index
// error for an empty list and a conversion error for a name without a date.
std::wstring NewestRelease(std::vector<std::wstring> folders);

// Runs the newest release's Install.cmd hidden in its own folder, then records its
// name (the folder name without its first letter) in target + "ReleaseInfo". Every
// failure is raised. The target ends with a backslash.
void InstallNewestRelease(const std::wstring& target);

// Sets "Level" under "/ROOT" of folder + "ReleaseInfo" to the name; "Version" must
// be 1. The document is saved back whole.
void UpdateReleaseInfo(const std::wstring& folder, const std::wstring& name);
