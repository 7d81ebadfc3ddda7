#include "ui/SystemLibrary.h"

namespace ui {

namespace {

// Whether the fence could use the search flags, which LoadLibraryExW then takes too.
bool searchFlags = false;

std::wstring SystemFolder() {
    wchar_t path[MAX_PATH];
    UINT n = GetSystemDirectoryW(path, MAX_PATH);
    return n == 0 || n >= MAX_PATH ? std::wstring() : std::wstring(path, n) + L"\\";
}

}  // namespace

TSetDefaultDllDirectories LookUpSetDefaultDllDirectories() {
    return LookUp<TSetDefaultDllDirectories>(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
}

bool FenceLibrarySearch(TSetDefaultDllDirectories setDefault) {
    searchFlags = setDefault && setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
    // Without the flags the program's own folder stays first for the libraries that
    // other libraries pull in; nothing a program can do changes that there.
    if (!searchFlags) SetDllDirectoryW(L"");
    return searchFlags;
}

Module LoadSystemLibrary(const std::wstring& name) {
    std::wstring folder = SystemFolder();
    if (folder.empty()) return {};
    // With the full path the library's own dependencies are looked for beside it,
    // in the system folder, first.
    DWORD flags = searchFlags ? LOAD_LIBRARY_SEARCH_SYSTEM32 : LOAD_WITH_ALTERED_SEARCH_PATH;
    return Module(LoadLibraryExW((folder + name).c_str(), nullptr, flags));
}

}  // namespace ui
