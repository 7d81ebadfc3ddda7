#pragma once
// Shell links (".lnk" files) to a program, on the desktop or in another shell folder.
#include <cstdint>
#include <string>

enum class ShortcutLocation : uint8_t { Desktop, QuickLaunch, SendTo, StartMenu, Folder };

// Writes a link to `target`. For the shell folders `subfolder` is an optional folder
// inside them; for Folder it is the folder itself. An empty working folder means the
// target's folder, an empty link name the target's name; the name's extension becomes
// ".lnk". When the folder is unknown nothing is written and `linkPath` is left as it
// was; otherwise it receives the link's path (also when the save failed). Raises
// when the link object cannot be created.
void CreateShortcut(const std::wstring& target, ShortcutLocation location, const std::wstring& subfolder,
                    const std::wstring& workingFolder, const std::wstring& arguments,
                    const std::wstring& description, const std::wstring& linkName, std::wstring& linkPath);

// The link file's name: the name (or the target) with its extension replaced by
// ".lnk", without its folder.
std::wstring LinkFileName(const std::wstring& linkName, const std::wstring& target);
