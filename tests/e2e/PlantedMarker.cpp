// A library planted beside a program under the name of a system library: when it is
// loaded, it appends its own file name to planted.txt beside itself, and does
// nothing else.
#include <windows.h>

#include <string>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    wchar_t path[MAX_PATH];
    DWORD n = GetModuleFileNameW(self, path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return TRUE;
    std::wstring file(path, n);
    size_t slash = file.find_last_of(L'\\');
    std::wstring line = file.substr(slash + 1) + L"\r\n";
    HANDLE out = CreateFileW((file.substr(0, slash + 1) + L"planted.txt").c_str(), FILE_APPEND_DATA,
                             FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (out == INVALID_HANDLE_VALUE) return TRUE;
    DWORD written = 0;
    WriteFile(out, line.data(), static_cast<DWORD>(line.size() * sizeof(wchar_t)), &written, nullptr);
    CloseHandle(out);
    return TRUE;
}
