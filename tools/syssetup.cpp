// A stand-in for the system setup library, which Wine does not have: its
// SetupChangeFontSize records the owner window and the size text it was given in
// %TEMP%\syssetup-trace.txt and reports success. Tests place it in the system folder.
#include <windows.h>

#include <cstdint>
#include <cstdio>

extern "C" __declspec(dllexport) BOOL WINAPI SetupChangeFontSize(HWND owner, LPCWSTR size) {
    wchar_t path[MAX_PATH];
    GetTempPathW(MAX_PATH, path);
    wcscat_s(path, L"syssetup-trace.txt");
    wchar_t line[128];
    int n = swprintf(line, 128, L"owner=%llx size=%ls\r\n", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(owner)),
                     size ? size : L"(null)");
    HANDLE file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD put = 0;
    WriteFile(file, line, static_cast<DWORD>(n * sizeof(wchar_t)), &put, nullptr);
    CloseHandle(file);
    return TRUE;
}
