#include "winint/Fonts.h"

#include <windows.h>

#include <vector>

#include "install/FileUtils.h"
#include "ui/Exception.h"
#include "ui/Handle.h"
#include "ui/SystemLibrary.h"
#include "winint/FontNameTable.h"

const std::array<const wchar_t*, 7> SuiteFonts = {L"ARIAL.TTF", L"ARIALN.TTF", L"COUR.TTF",   L"MICROSS.TTF",
                                                  L"TAHOMA.TTF", L"TIMES.TTF", L"verdana.TTF"};

namespace {

constexpr wchar_t kFontsKey[] = L"Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";

// The name through the system's undocumented font query, or empty.
std::wstring SystemFontName(const std::wstring& file) {
    using InfoFn = BOOL(WINAPI*)(LPCWSTR, LPDWORD, LPVOID, DWORD);
    auto info = ui::LookUp<InfoFn>(GetModuleHandleW(L"gdi32.dll"), "GetFontResourceInfoW");
    if (!info) return {};
    if (AddFontResourceW(file.c_str()) == 0) return {};
    std::wstring path = file;
    DWORD size = 0;
    std::wstring name;
    if (info(path.c_str(), &size, nullptr, 1) && size >= sizeof(wchar_t)) {
        std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, L'\0');
        if (info(path.c_str(), &size, buffer.data(), 1)) name = buffer.data();
    }
    RemoveFontResourceW(file.c_str());
    return name;
}

std::string ReadFontFile(const std::wstring& file) {
    ui::FileHandle h(CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    LARGE_INTEGER size{};
    if (!h || !GetFileSizeEx(h.get(), &size) || size.QuadPart > 64 * 1024 * 1024) return {};
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    DWORD got = 0;
    if (!bytes.empty() && !ReadFile(h.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr)) return {};
    bytes.resize(got);
    return bytes;
}

void RegisterFont(const std::wstring& valueName, const std::wstring& fileName) {
    ui::RegKey key;
    // The list that Windows' own font loader reads: under WOW64 a 32-bit program
    // would otherwise write into the 32-bit view, which nobody reads fonts from.
    RegOpenKeyExW(HKEY_LOCAL_MACHINE, kFontsKey, 0, KEY_SET_VALUE | KEY_WOW64_64KEY, key.put());
    LONG r = RegSetValueExW(key.get(), valueName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(fileName.c_str()),
                            static_cast<DWORD>((fileName.size() + 1) * sizeof(wchar_t)));
    if (r != ERROR_SUCCESS) throw ui::EOSError(static_cast<unsigned long>(r), L"HKLM\\" + std::wstring(kFontsKey) + L"\\" + valueName);
    RegFlushKey(key.get());
}

// The font file in the fonts folder whole or not at all: 0, or the system's error
// when it could not be written there.
unsigned long PlaceFontFile(const std::wstring& source, const std::wstring& target) {
    try {
        if (CopyFileIntoPlace(source, target)) return ERROR_SUCCESS;
        DWORD error = GetLastError();
        return error != ERROR_SUCCESS ? error : ERROR_WRITE_FAULT;
    } catch (const ui::EOSError& e) {
        return e.ErrorCode;
    }
}

// Every top-level window is told, each given a moment: one program on the PC that
// has stopped answering must not hold the installation.
void AnnounceFontChange() {
    SendMessageTimeoutW(HWND_BROADCAST, WM_FONTCHANGE, 0, 0, SMTO_ABORTIFHUNG, 300, nullptr);
}

void Log(const TFontInstall& job, const std::wstring& line) {
    if (job.Log) job.Log(line);
}

}  // namespace

std::wstring GetWindowsFolder() {
    wchar_t buffer[MAX_PATH];
    UINT n = GetWindowsDirectoryW(buffer, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return {};
    std::wstring folder(buffer, n);
    if (folder.back() != L'\\') folder += L'\\';
    return folder;
}

std::wstring GetFontResourceName(const std::wstring& file) {
    std::wstring name = SystemFontName(file);
    // Without the system's answer every font would be registered under the same
    // value " (TrueType)", each overwriting the one before.
    if (name.empty()) name = FontFullName(ReadFontFile(file));
    return name;
}

void InstallFont(const TFontInstall& job, const std::wstring& name) {
    std::wstring source = job.SourceFolder + name, target = job.TargetFolder + name;
    if (FileExists(target)) return;
    std::wstring fontName = GetFontResourceName(source);
    if (fontName.empty()) {
        // A missing file ends the run, as a file that cannot be opened does.
        if (!FileExists(source)) throw ui::EOSError(ERROR_FILE_NOT_FOUND, source);
        // A file with no name to be read from it is no font (a damaged medium). Copied,
        // it would sit in the fonts folder as if installed and keep a sound copy out for good.
        Log(job, L"Шрифт " + name + L" повреждён и не установлен");
        return;
    }
    if (unsigned long error = PlaceFontFile(source, target)) {
        Log(job, L"Шрифт " + name + L" не установлен: " + ui::SystemErrorMessage(error));
        return;
    }
    RegisterFont(fontName + L" (TrueType)", name);
    AddFontResourceW(target.c_str());
    AnnounceFontChange();
    RemoveFontResourceW(target.c_str());
    AnnounceFontChange();
    Log(job, L"Шрифт <" + fontName + L"> уcтановлен");
}

void InstallFonts(const TFontInstall& job) {
    for (const wchar_t* name : SuiteFonts) InstallFont(job, name);
}
