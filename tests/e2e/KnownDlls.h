#pragma once
// The known DLLs of Windows 7 SP1, the oldest Windows the program supports: Windows
// takes them from its system folder whatever lies beside a program. Any other
// library is looked for in the program's own folder first.
#include <algorithm>
#include <iterator>
#include <string>

inline constexpr const char* kKnownDllsOfWindows7[] = {
    "advapi32.dll", "clbcatq.dll", "comdlg32.dll", "gdi32.dll",   "imagehlp.dll", "imm32.dll",    "kernel32.dll",
    "lpk.dll",      "msctf.dll",   "msvcrt.dll",   "normaliz.dll", "nsi.dll",     "ole32.dll",    "oleaut32.dll",
    "psapi.dll",    "rpcrt4.dll",  "sechost.dll",  "setupapi.dll", "shell32.dll", "shlwapi.dll",  "urlmon.dll",
    "user32.dll",   "usp10.dll",   "wininet.dll",  "wldap32.dll",  "ws2_32.dll"};

// `name` is in lower case.
inline bool IsKnownDllOfWindows7(const std::string& name) {
    return std::find(std::begin(kKnownDllsOfWindows7), std::end(kKnownDllsOfWindows7), name) !=
           std::end(kKnownDllsOfWindows7);
}
