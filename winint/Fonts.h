#pragma once
// The suite's seven TrueType fonts: copied into the Windows fonts folder when they
// are not there yet, registered under their own names, announced and logged.
#include <array>
#include <functional>
#include <string>

extern const std::array<const wchar_t*, 7> SuiteFonts;

struct TFontInstall {
    std::wstring SourceFolder;  // the medium's fonts\ folder, with a trailing backslash
    std::wstring TargetFolder;  // the Windows fonts folder, with a trailing backslash
    std::function<void(const std::wstring&)> Log;
};

// Each of the seven fonts in their order; an error raised by one ends the run.
void InstallFonts(const TFontInstall& job);
// One font: nothing when the target file exists; else copied whole (under a
// temporary name first), registered, announced and logged. A damaged file or a copy
// that fails is logged and leaves nothing behind. Raises when the source is missing
// or the value cannot be written.
void InstallFont(const TFontInstall& job, const std::wstring& name);

// The font's name as the system reports it, or as its own name table gives it when
// the system cannot tell; empty when neither knows.
std::wstring GetFontResourceName(const std::wstring& file);

// The Windows folder with a trailing backslash, or empty when the system call fails.
std::wstring GetWindowsFolder();
