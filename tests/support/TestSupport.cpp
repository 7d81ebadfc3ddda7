#include "TestSupport.h"

#include <shlobj.h>

#include <stdexcept>

namespace testing_support {

namespace {
[[noreturn]] void Fail(const std::wstring& what) {
    throw std::runtime_error(Utf8(what) + " failed, error " + std::to_string(GetLastError()));
}
}  // namespace

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string Utf8(const std::wstring& text) {
    int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                nullptr);
    std::string s(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), s.data(), n, nullptr, nullptr);
    return s;
}

TempFolder::TempFolder(const std::wstring& tag, const std::wstring& parent) {
    static unsigned counter = 0;
    for (;;) {
        path_ = parent + tag + L"-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                std::to_wstring(++counter) + L"\\";
        if (CreateDirectoryW(path_.c_str(), nullptr)) break;
        if (GetLastError() != ERROR_ALREADY_EXISTS) Fail(L"CreateDirectory " + path_);
    }
}

TempFolder::~TempFolder() { RemoveTree(path_); }

std::wstring BinFolder() {
    wchar_t path[MAX_PATH];
    DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring s(path, n);
    return s.substr(0, s.find_last_of(L'\\') + 1);
}

std::wstring BuildFolder() {
    std::wstring bin = BinFolder();
    bin.pop_back();
    return bin.substr(0, bin.find_last_of(L'\\') + 1);
}

std::wstring SystemFolder() {
    wchar_t path[MAX_PATH];
    UINT n = GetSystemDirectoryW(path, MAX_PATH);
    return std::wstring(path, n) + L"\\";
}

namespace {

void Snap(const std::wstring& root, const std::wstring& under, TSnapshot& files) {
    WIN32_FIND_DATAW fd;
    HANDLE find = FindFirstFileW((root + under + L"*").c_str(), &fd);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        std::wstring name = fd.cFileName, path = under + name;
        if (name == L"." || name == L"..") continue;
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
            files[path] = {"(link)", fd.dwFileAttributes};
        } else if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            files[path] = {"(folder)", fd.dwFileAttributes};
            Snap(root, path + L"\\", files);
        } else {
            files[path] = {ReadBytes(root + path), fd.dwFileAttributes};
        }
    } while (FindNextFileW(find, &fd));
    FindClose(find);
}

}  // namespace

TSnapshot Snapshot(const std::wstring& folder) {
    TSnapshot files;
    Snap(folder, L"", files);
    return files;
}

HeldFile::HeldFile(const std::wstring& path)
    : file_(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {
    if (file_ == INVALID_HANDLE_VALUE) Fail(L"open " + path);
}

HeldFile::~HeldFile() { CloseHandle(file_); }

namespace {
const wchar_t kFontsKey[] = L"Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";
}  // namespace

std::wstring FontValue(const std::wstring& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kFontsKey, 0, KEY_QUERY_VALUE | KEY_WOW64_64KEY, &key) != ERROR_SUCCESS)
        return L"(none)";
    wchar_t data[MAX_PATH] = L"";
    DWORD size = sizeof data;
    LONG r = RegGetValueW(key, nullptr, name.c_str(), RRF_RT_REG_SZ, nullptr, data, &size);
    RegCloseKey(key);
    return r == ERROR_SUCCESS ? data : L"(none)";
}

void DeleteFontValue(const std::wstring& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kFontsKey, 0, KEY_SET_VALUE | KEY_WOW64_64KEY, &key) != ERROR_SUCCESS) return;
    RegDeleteValueW(key, name.c_str());
    RegCloseKey(key);
}

std::wstring SmallDisk() { return L"S:\\"; }

std::wstring TempPath() {
    wchar_t path[MAX_PATH];
    DWORD n = GetTempPathW(MAX_PATH, path);
    return std::wstring(path, n);
}

void RemoveTree(const std::wstring& path) {
    std::wstring folder = path;
    if (!folder.empty() && folder.back() == L'\\') folder.pop_back();
    DWORD attrs = GetFileAttributesW(folder.c_str());
    if (attrs == INVALID_FILE_ATTRIBUTES) return;
    if ((attrs & FILE_ATTRIBUTE_DIRECTORY) && !(attrs & FILE_ATTRIBUTE_REPARSE_POINT)) {
        WIN32_FIND_DATAW fd;
        HANDLE h = FindFirstFileW((folder + L"\\*").c_str(), &fd);
        if (h != INVALID_HANDLE_VALUE) {
            do {
                std::wstring name = fd.cFileName;
                if (name != L"." && name != L"..") RemoveTree(folder + L"\\" + name);
            } while (FindNextFileW(h, &fd));
            FindClose(h);
        }
        SetFileAttributesW(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
        RemoveDirectoryW(folder.c_str());
    } else {
        SetFileAttributesW(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (attrs & FILE_ATTRIBUTE_DIRECTORY) RemoveDirectoryW(folder.c_str());
        else DeleteFileW(folder.c_str());
    }
}

void MakeFolders(const std::wstring& path) {
    for (size_t i = 3; i <= path.size(); ++i)
        if (i == path.size() || path[i] == L'\\') CreateDirectoryW(path.substr(0, i).c_str(), nullptr);
    if (!IsFolder(path)) Fail(L"MakeFolders " + path);
}

bool IsFile(const std::wstring& path) {
    DWORD a = GetFileAttributesW(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsFolder(const std::wstring& path) {
    DWORD a = GetFileAttributesW(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) Fail(L"CreateFile " + path);
    DWORD done = 0;
    BOOL ok = WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr);
    CloseHandle(h);
    if (!ok || done != bytes.size()) Fail(L"WriteFile " + path);
}

std::string ReadBytes(const std::wstring& path) {
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                           0, nullptr);
    if (h == INVALID_HANDLE_VALUE) Fail(L"open " + path);
    LARGE_INTEGER size;
    GetFileSizeEx(h, &size);
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    DWORD done = 0;
    BOOL ok = bytes.empty() || ReadFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr);
    CloseHandle(h);
    if (!ok) Fail(L"ReadFile " + path);
    bytes.resize(done);
    return bytes;
}

void CopyFileTo(const std::wstring& from, const std::wstring& to) {
    if (!CopyFileW(from.c_str(), to.c_str(), FALSE)) Fail(L"CopyFile " + from + L" -> " + to);
}

TLinkInfo ReadShellLink(const std::wstring& file) {
    TLinkInfo info;
    IShellLinkW* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link))))
        return info;
    IPersistFile* persist = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist))) &&
        SUCCEEDED(persist->Load(file.c_str(), STGM_READ))) {
        wchar_t text[MAX_PATH * 2] = L"";
        link->GetPath(text, MAX_PATH * 2, nullptr, SLGP_RAWPATH);
        info.Path = text;
        text[0] = 0;
        link->GetArguments(text, MAX_PATH * 2);
        info.Arguments = text;
        text[0] = 0;
        link->GetDescription(text, MAX_PATH * 2);
        info.Description = text;
        text[0] = 0;
        link->GetWorkingDirectory(text, MAX_PATH * 2);
        info.WorkingFolder = text;
        info.Loaded = true;
    }
    if (persist) persist->Release();
    link->Release();
    return info;
}

}  // namespace testing_support
