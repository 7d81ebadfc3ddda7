#pragma once
// Modal message boxes of the three kinds and the shell's folder browser.
#include <windows.h>

#include <optional>
#include <string>

namespace ui {

enum class TMsgDlgType { mtError, mtWarning, mtConfirmation };
enum class TMsgDlgButtons { OK, YesNo };

// Shows the box over the active window; returns IDOK, IDYES or IDNO (or IDCANCEL
// when a Yes/No box was closed otherwise).
int MessageDlg(const std::wstring& text, TMsgDlgType type, TMsgDlgButtons buttons);

// The shell's folder browser owned by the application window, the application's
// forms disabled while it is open. Empty when the user cancels.
std::optional<std::wstring> BrowseForFolder(const std::wstring& title, UINT flags);

}  // namespace ui
