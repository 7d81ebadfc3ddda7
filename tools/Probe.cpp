// A stand-in program for the tests and the sample distribution: it writes how it was
// started (command line, current folder, show-window value) to probe-trace.txt in its
// own folder, and exits with the code given as "exit=N" (0 without one).
#include <windows.h>

#include <cwchar>
#include <string>

int wmain(int argc, wchar_t** argv) {
    wchar_t self[MAX_PATH], cwd[MAX_PATH];
    DWORD n = GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring folder(self, n);
    folder.resize(folder.find_last_of(L'\\') + 1);
    GetCurrentDirectoryW(MAX_PATH, cwd);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    GetStartupInfoW(&si);

    std::wstring trace = std::wstring(L"cmdline=") + GetCommandLineW() + L"\r\ncwd=" + cwd + L"\r\nshow=" +
                         std::to_wstring((si.dwFlags & STARTF_USESHOWWINDOW) ? si.wShowWindow : -1) + L"\r\n";
    int size = WideCharToMultiByte(CP_UTF8, 0, trace.c_str(), static_cast<int>(trace.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, trace.c_str(), static_cast<int>(trace.size()), bytes.data(), size, nullptr, nullptr);
    HANDLE file = CreateFileW((folder + L"probe-trace.txt").c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD put = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &put, nullptr);
    CloseHandle(file);

    for (int i = 1; i < argc; ++i)
        if (wcsncmp(argv[i], L"exit=", 5) == 0) return _wtoi(argv[i] + 5);
    return 0;
}
