#pragma once
// The common controls library and the few functions the widget layer takes from it.
// Not imported: the library is loaded once the search for libraries is fenced, so
// that neither it nor what it pulls in can come from the folder beside the program.
#include <windows.h>
#include <commctrl.h>

namespace ui {

// Loads the library on first use and registers the standard and Windows 95 control
// classes; raises EOSError when the library or one of its functions is missing.
void InitCommonControls();

// The library's window subclassing, as SetWindowSubclass, RemoveWindowSubclass and
// DefSubclassProc.
BOOL SetSubclass(HWND wnd, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR data);
BOOL RemoveSubclass(HWND wnd, SUBCLASSPROC proc, UINT_PTR id);
LRESULT DefaultSubclassProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);

}  // namespace ui
