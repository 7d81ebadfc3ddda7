#pragma once
// File, folder and process operations of the installation. Each says how it reports
// failure: a result, a raised error, or silence.
#include <string>

// True when the path names an existing folder; a trailing backslash is allowed.
bool FolderExists(const std::wstring& path);
// Creates the last level of the path only; true when it was created.
bool CreateFolder(const std::wstring& path);
