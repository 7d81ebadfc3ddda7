#include "ui/Dialogs.h"

#include <shlobj.h>

#include "ui/Application.h"
#include "ui/Form.h"

namespace ui {

int MessageDlg(const std::wstring& text, TMsgDlgType type, TMsgDlgButtons buttons) {
    UINT icon = type == TMsgDlgType::mtError     ? MB_ICONERROR
                : type == TMsgDlgType::mtWarning ? MB_ICONWARNING
                                                 : MB_ICONQUESTION;
    const wchar_t* caption = type == TMsgDlgType::mtError     ? L"Ошибка"
                             : type == TMsgDlgType::mtWarning ? L"Предупреждение"
                                                              : L"Подтверждение";
    HWND owner = GetActiveWindow();
    if (!owner && Application().MainForm()) owner = Application().MainForm()->Handle();
    return MessageBoxW(owner, text.c_str(), caption,
                       icon | (buttons == TMsgDlgButtons::OK ? MB_OK : MB_YESNO));
}

std::optional<std::wstring> BrowseForFolder(const std::wstring& title, UINT flags) {
    HWND mainWnd = Application().MainForm() ? Application().MainForm()->Handle() : nullptr;
    bool wasEnabled = mainWnd && IsWindowEnabled(mainWnd);
    if (wasEnabled) EnableWindow(mainWnd, FALSE);

    BROWSEINFOW bi{};
    bi.hwndOwner = Application().Handle();
    bi.lpszTitle = title.c_str();
    bi.ulFlags = flags;
    PIDLIST_ABSOLUTE pidl = SHBrowseForFolderW(&bi);

    if (wasEnabled) {
        EnableWindow(mainWnd, TRUE);
        SetActiveWindow(mainWnd);
    }
    if (!pidl) return std::nullopt;
    wchar_t path[MAX_PATH] = L"";
    bool ok = SHGetPathFromIDListW(pidl, path);
    CoTaskMemFree(pidl);
    if (!ok) return std::nullopt;
    return std::wstring(path);
}

}  // namespace ui
