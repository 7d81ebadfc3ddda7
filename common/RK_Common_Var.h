#pragma once
// The suite's shared values, set once at start-up.
#include <windows.h>

#include <string>

#include "common/RK_Common_Types.h"

extern std::wstring ProgramPath;  // the program's folder, with a trailing backslash
extern TSettings ProductSettings;
extern std::wstring LanguageFile;  // the English label file, or empty
extern std::wstring LanguageCode;  // "ENG" or "RUS"
extern std::wstring AtesInPath;
extern std::wstring AtesOutPath;
extern HMODULE ImageModule;  // none: images come from the program's own module
extern TNumberFormat FormatSettings;
extern TStartXmlObject StartXmlObject;

// Values of the suite's other programs, preset here and not used by the setup program.
extern bool IsDemoMode, IsNetworkMode, IsReadOnlyArchive, IsAutoStart, IsSilentPrint, ShowSplash;
extern int32_t ScreenMinWidth, ScreenMinHeight, ArchiveVersion;
extern std::wstring LastOpenedFile;

// The start-up step: the program folder, the settings, the label language and the
// shared paths. `programPath` is the program's folder with its trailing backslash.
void RK_Common_Var_Start(const std::wstring& programPath);
