#pragma once
// Shared procedures of the suite's common library that the setup program uses.
#include <windows.h>

#include <string>

// The text of entry `id` of the module's string table; empty when there is no such
// entry. A negative id raises a range error.
std::wstring GetResourceString(HINSTANCE module, int id);

// The folder of the running program's file, with a trailing backslash.
std::wstring ProgramFolder();

// Fills ProductSettings from ProgramPath + "Settings\holter.ini" (defaults for what
// is missing or does not convert) and fixes the program's number format.
void ReadSettings();

// The labels of this unit, translated at start-up like the label tables.
extern std::wstring SboText, MetText, NnnText, SssText;

// The start-up step: the translated labels and tables from LanguageFile; with no
// language file, or for a key it lacks, the Russian text stands.
void RK_Common_Proc_Start();

// The shared units' start-up steps in their order, for the program in `programPath`.
void StartSharedUnits(const std::wstring& programPath);
