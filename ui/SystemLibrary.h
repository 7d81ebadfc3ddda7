#pragma once
// Libraries the program loads itself come from the system folder only: a file of
// the same name beside the program or in the current folder (the distribution
// medium, a download folder) never runs inside it.
#include <windows.h>

#include <string>

#include "ui/Handle.h"

namespace ui {

// SetDefaultDllDirectories as the system has it; nullptr on Windows 7 without the
// update that brought the search flags.
using TSetDefaultDllDirectories = BOOL(WINAPI*)(DWORD);
TSetDefaultDllDirectories LookUpSetDefaultDllDirectories();

// Fences the search for libraries, first thing at start-up: to the system folder
// through `setDefault` where the system has it, else by taking the current folder
// out of the search. True when the search flags are in force.
bool FenceLibrarySearch(TSetDefaultDllDirectories setDefault);

// A library of the system folder, loaded by its full path; empty when it is not there.
Module LoadSystemLibrary(const std::wstring& name);

// A function of a loaded library, typed by the caller (with its calling convention);
// nullptr when the library has none of that name.
template <typename Function>
Function LookUp(HMODULE library, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

}  // namespace ui
