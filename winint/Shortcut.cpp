#include "winint/Shortcut.h"

#include <windows.h>
#include <shlobj.h>

#include "ui/Exception.h"
#include "ui/Handle.h"

namespace {

// The string data of a value; empty when the value is missing or not a string.
std::wstring ReadStringValue(HKEY key, const wchar_t* name) {
    std::wstring data(MAX_PATH, L'\0');
    for (;;) {
        DWORD type = 0, size = static_cast<DWORD>(data.size() * sizeof(wchar_t));
        LONG r = RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
        if (r == ERROR_MORE_DATA) {
            data.resize(size / sizeof(wchar_t) + 1);
            continue;
        }
        if (r != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return {};
        data.resize(size / sizeof(wchar_t));
        while (!data.empty() && data.back() == L'\0') data.pop_back();
        return data;
    }
}

// The folder of a shell location from the current user's registry.
std::wstring ShellFolder(ShortcutLocation location, const std::wstring& folderArgument) {
    const wchar_t* key = L"Software\\MicroSoft\\Windows\\CurrentVersion\\Explorer";
    const wchar_t* subkey = L"Shell Folders";
    const wchar_t* value = nullptr;
    switch (location) {
    case ShortcutLocation::Desktop: value = L"Desktop"; break;
    case ShortcutLocation::SendTo: value = L"SendTo"; break;
    case ShortcutLocation::StartMenu: value = L"Start Menu"; break;
    case ShortcutLocation::QuickLaunch:
        key = L"Software\\MicroSoft\\Windows\\CurrentVersion\\GrpConv";
        subkey = L"MapGroups";
        value = L"Quick Launch";
        break;
    case ShortcutLocation::Folder: return folderArgument;
    default: return {};
    }
    ui::RegKey root, sub;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, root.put(), nullptr) !=
            ERROR_SUCCESS ||
        RegOpenKeyExW(root.get(), subkey, 0, KEY_QUERY_VALUE, sub.put()) != ERROR_SUCCESS)
        return {};
    return ReadStringValue(sub.get(), value);
}

}  // namespace

std::wstring LinkFileName(const std::wstring& linkName, const std::wstring& target) {
    std::wstring name = linkName.empty() ? target : linkName;
    size_t slash = name.find_last_of(L'\\');
    size_t dot = name.find_last_of(L'.');
    if (dot != std::wstring::npos && (slash == std::wstring::npos || dot > slash)) name.resize(dot);
    name += L".lnk";
    return slash == std::wstring::npos ? name : name.substr(slash + 1);
}

void CreateShortcut(const std::wstring& target, ShortcutLocation location, const std::wstring& subfolder,
                    const std::wstring& workingFolder, const std::wstring& arguments,
                    const std::wstring& description, const std::wstring& linkName, std::wstring& linkPath) {
    ui::ComPtr<IShellLinkW> link;
    HRESULT hr = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.put_void());
    if (FAILED(hr)) throw ui::EOleError(hr, L"ShellLink");
    ui::ComPtr<IPersistFile> file;
    hr = link->QueryInterface(IID_IPersistFile, file.put_void());
    if (FAILED(hr)) throw ui::EOleError(hr, L"IPersistFile");

    link->SetPath(target.c_str());
    link->SetArguments(arguments.c_str());
    link->SetDescription(description.c_str());
    std::wstring fileName = LinkFileName(linkName, target);

    std::wstring folder = ShellFolder(location, subfolder);
    if (folder.empty()) return;
    std::wstring path = !subfolder.empty() && location != ShortcutLocation::Folder
                            ? folder + L"\\" + subfolder + L"\\" + fileName
                            : folder + L"\\" + fileName;
    link->SetWorkingDirectory(
        (workingFolder.empty() ? target.substr(0, target.find_last_of(L'\\') + 1) : workingFolder).c_str());
    file->Save(path.c_str(), FALSE);
    linkPath = path;
}
