#include "install/FileUtils.h"

#include <windows.h>
#include <shellapi.h>

#include <memory>

#include "ui/Exception.h"
#include "ui/Handle.h"

namespace {

constexpr DWORD kHiddenSystemFolder = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;
constexpr DWORD kFoldersOnly = FILE_ATTRIBUTE_DIRECTORY;
constexpr DWORD kAllButFolders = 0x1EF;
constexpr size_t kCopyChunk = 1 << 16;
// The longest folder path that CreateDirectoryW takes on Windows: room for an 8.3 name.
constexpr size_t kFolderPathLimit = MAX_PATH - 12;

bool IsDotEntry(const wchar_t* name) { return wcscmp(name, L".") == 0 || wcscmp(name, L"..") == 0; }

// folder\name, with one separator whether or not the folder ends with one.
std::wstring Join(const std::wstring& folder, const std::wstring& name) {
    return !folder.empty() && folder.back() == L'\\' ? folder + name : folder + L"\\" + name;
}

// Lists the entries matching `pattern`, skipping those that carry a hidden, system
// or folder bit the request did not ask for.
template <typename Visit>
void ForEachEntry(const std::wstring& pattern, DWORD wanted, Visit visit) {
    WIN32_FIND_DATAW fd;
    ui::FindHandle find(FindFirstFileW(pattern.c_str(), &fd));
    if (!find) return;
    do {
        if (fd.dwFileAttributes & kHiddenSystemFolder & ~wanted) continue;
        visit(fd);
    } while (FindNextFileW(find.get(), &fd));
}

// Walks a tree as it is copied: the folder itself, its plain files, then its
// subfolders, depth first. Hidden and system subfolders are not entered, nor folders
// that are links: one may lead back to a parent.
template <typename Folder, typename File>
void WalkTree(const std::wstring& source, const std::wstring& target, Folder folder, File file) {
    folder(target);
    std::wstring pattern = Join(source, L"*.*");
    ForEachEntry(pattern, kAllButFolders, [&](const WIN32_FIND_DATAW& fd) {
        if (!IsDotEntry(fd.cFileName)) file(Join(source, fd.cFileName), Join(target, fd.cFileName));
    });
    ForEachEntry(pattern, kFoldersOnly, [&](const WIN32_FIND_DATAW& fd) {
        bool isLink = fd.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT;
        if ((fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && !isLink && !IsDotEntry(fd.cFileName))
            WalkTree(Join(source, fd.cFileName), Join(target, fd.cFileName), folder, file);
    });
}

// Starts a command line; nothing when the start failed.
ui::Handle StartProcess(std::wstring commandLine, const wchar_t* folder, uint16_t showWindow) {
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = showWindow;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE,
                        CREATE_NEW_CONSOLE | NORMAL_PRIORITY_CLASS, nullptr, folder, &si, &pi))
        return {};
    CloseHandle(pi.hThread);
    return ui::Handle(pi.hProcess);
}

uint32_t ExitCodeOf(HANDLE process) {
    DWORD code = 0;
    GetExitCodeProcess(process, &code);
    return code;
}

}  // namespace

bool FolderExists(const std::wstring& path) {
    DWORD attrs = GetFileAttributesW(path.c_str());
    return attrs != INVALID_FILE_ATTRIBUTES && (attrs & FILE_ATTRIBUTE_DIRECTORY);
}

bool FileExists(const std::wstring& path) {
    DWORD attrs = GetFileAttributesW(path.c_str());
    return attrs != INVALID_FILE_ATTRIBUTES && !(attrs & FILE_ATTRIBUTE_DIRECTORY);
}

bool CreateFolder(const std::wstring& path) {
    // The suite's programs know no paths beyond the system's limit, so no folder is
    // made that they could not work in, whatever the file system would allow.
    size_t length = path.size() - (!path.empty() && path.back() == L'\\' ? 1 : 0);
    if (length >= kFolderPathLimit) {
        SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return false;
    }
    return CreateDirectoryW(path.c_str(), nullptr) != 0;
}

bool ForceFolders(const std::wstring& path) {
    if (path.empty()) throw ui::Exception(L"Не удаётся создать каталог: путь не задан");
    std::wstring folder = path;
    while (folder.size() > 1 && folder.back() == L'\\') folder.pop_back();
    if (FolderExists(folder)) return true;
    if (size_t cut = folder.find_last_of(L'\\'); cut != std::wstring::npos && cut > 0)
        ForceFolders(folder.substr(0, cut));
    return CreateFolder(folder) || FolderExists(folder);
}

void ListSubfolders(const std::wstring& folder, std::vector<std::wstring>& list) {
    ForEachEntry(folder + L"*", kFoldersOnly, [&](const WIN32_FIND_DATAW& fd) {
        if ((fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && !IsDotEntry(fd.cFileName) &&
            wcscmp(fd.cFileName, L"WithOutAnswer") != 0)
            list.push_back(folder + fd.cFileName);
    });
}

namespace {

ui::FileHandle OpenSource(const std::wstring& source) {
    ui::FileHandle in(CreateFileW(source.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!in) ui::RaiseLastOSError(source);
    return in;
}

ui::FileHandle CreateTarget(const std::wstring& target) {
    ui::FileHandle out(CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!out) ui::RaiseLastOSError(target);
    return out;
}

// The source's whole content into the target; false when reading or writing failed.
bool CopyData(HANDLE in, HANDLE out) {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(in, &size)) return false;
    auto buffer = std::make_unique<char[]>(kCopyChunk);
    for (int64_t left = size.QuadPart; left > 0;) {
        DWORD want = static_cast<DWORD>(std::min<int64_t>(left, kCopyChunk)), got = 0, put = 0;
        if (!ReadFile(in, buffer.get(), want, &got, nullptr) || got == 0) return false;
        if (!WriteFile(out, buffer.get(), got, &put, nullptr) || put != got) return false;
        left -= got;
    }
    return true;
}

// The time goes through local time and the DOS form, as the suite's own copies do;
// a time the DOS form cannot hold leaves the copy's own time.
void CopyTime(HANDLE in, HANDLE out) {
    FILETIME written, local;
    WORD dosDate = 0, dosTime = 0;
    if (GetFileTime(in, nullptr, nullptr, &written) && FileTimeToLocalFileTime(&written, &local) &&
        FileTimeToDosDateTime(&local, &dosDate, &dosTime)) {
        FILETIME backLocal, back;
        if (DosDateTimeToFileTime(dosDate, dosTime, &backLocal) && LocalFileTimeToFileTime(&backLocal, &back))
            SetFileTime(out, nullptr, nullptr, &back);
    }
}

// A file of this copy's own making: created at once, and closed and deleted again
// unless it was moved into place. The caller's last error survives the deletion.
class TTemporaryFile {
public:
    explicit TTemporaryFile(const std::wstring& path) : path_(path), file_(CreateTarget(path)) {}
    TTemporaryFile(const TTemporaryFile&) = delete;
    TTemporaryFile& operator=(const TTemporaryFile&) = delete;
    ~TTemporaryFile() {
        if (placed_) return;
        DWORD error = GetLastError();
        file_.reset();
        DeleteFileW(path_.c_str());
        SetLastError(error);
    }
    HANDLE Handle() const { return file_.get(); }
    // Closes the file and gives it the target's name, never replacing a file that
    // stands there; true when it did.
    bool MoveTo(const std::wstring& target) {
        file_.reset();
        placed_ = MoveFileExW(path_.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH) != 0;
        return placed_;
    }

private:
    std::wstring path_;
    ui::FileHandle file_;
    bool placed_ = false;
};

}  // namespace

bool CopyFileKeepDate(const std::wstring& source, const std::wstring& target) {
    ui::FileHandle in = OpenSource(source);
    ui::FileHandle out = CreateTarget(target);
    if (!CopyData(in.get(), out.get())) return false;
    CopyTime(in.get(), out.get());
    return true;
}

bool CopyFileIntoPlace(const std::wstring& source, const std::wstring& target) {
    ui::FileHandle in = OpenSource(source);
    TTemporaryFile copy(target + L".tmp");
    if (!CopyData(in.get(), copy.Handle())) return false;
    CopyTime(in.get(), copy.Handle());
    // On the disk before it takes the name, so that a power cut leaves either the
    // whole file or only the temporary one.
    if (!FlushFileBuffers(copy.Handle())) return false;
    return copy.MoveTo(target);
}

void CopyFolderTree(const std::wstring& source, const std::wstring& target, const TSkippedFile& skipped) {
    WalkTree(
        source, target, [](const std::wstring& folder) {
            if (!FolderExists(folder)) ForceFolders(folder);
        },
        [&](const std::wstring& from, const std::wstring& to) {
            if (!CopyFileW(from.c_str(), to.c_str(), FALSE) && skipped) skipped(to, GetLastError());
        });
}

std::vector<std::wstring> FolderTreeTargets(const std::wstring& source, const std::wstring& target) {
    std::vector<std::wstring> targets;
    WalkTree(
        source, target, [](const std::wstring&) {},
        [&](const std::wstring&, const std::wstring& to) { targets.push_back(to); });
    return targets;
}

void RemoveFolderTree(const std::wstring& path) {
    DWORD attrs = GetFileAttributesW(path.c_str());
    if (attrs == INVALID_FILE_ATTRIBUTES || !(attrs & FILE_ATTRIBUTE_DIRECTORY)) return;
    // A link is removed as it stands; what it leads to is not ours.
    if (!(attrs & FILE_ATTRIBUTE_REPARSE_POINT)) {
        ForEachEntry(Join(path, L"*"), kHiddenSystemFolder, [&](const WIN32_FIND_DATAW& fd) {
            if (IsDotEntry(fd.cFileName)) return;
            std::wstring entry = Join(path, fd.cFileName);
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return RemoveFolderTree(entry);
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_READONLY)
                SetFileAttributesW(entry.c_str(), fd.dwFileAttributes & ~FILE_ATTRIBUTE_READONLY);
            if (!DeleteFileW(entry.c_str())) ui::RaiseLastOSError(entry);
        });
    }
    if (!RemoveDirectoryW(path.c_str())) ui::RaiseLastOSError(path);
}

bool FileInUse(const std::wstring& path) {
    ui::FileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, 0, nullptr));
    if (file) return false;
    DWORD error = GetLastError();
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

bool ShellCopyFolder(const std::wstring& source, const std::wstring& target) {
    auto doubleNul = [](std::wstring path) {
        if (!path.empty() && path.back() == L'\\') path.pop_back();
        path.push_back(L'\0');
        path.push_back(L'\0');
        return path;
    };
    std::wstring from = doubleNul(source), to = doubleNul(target);
    SHFILEOPSTRUCTW op{};
    op.wFunc = FO_COPY;
    op.pFrom = from.c_str();
    op.pTo = to.c_str();
    // No files-only flag: Windows ignores it for a folder, and the subfolders of a
    // driver package (i386, amd64) belong to the copy.
    return SHFileOperationW(&op) == 0;
}

namespace {

// The path in double quotes when it holds a blank and is not quoted yet.
std::wstring QuotedPath(const std::wstring& path) {
    if (path.find(L' ') == std::wstring::npos || (!path.empty() && path.front() == L'"')) return path;
    return L"\"" + path + L"\"";
}

}  // namespace

std::wstring RunAndWaitCommandLine(const std::wstring& program, const std::wstring& arguments) {
    return QuotedPath(program) + L" " + arguments;
}

uint32_t RunAndWait(const std::wstring& program, const std::wstring& arguments, uint16_t showWindow) {
    std::wstring commandLine = RunAndWaitCommandLine(program, arguments);
    if (commandLine.size() > 511)
        throw ui::Exception(L"не смог создать процесс: командная строка длиннее 511 знаков: " + program);
    std::wstring bare = program;
    if (bare.size() >= 2 && bare.front() == L'"' && bare.back() == L'"') bare = bare.substr(1, bare.size() - 2);
    size_t cut = bare.find_last_of(L'\\');
    std::wstring folder = cut == std::wstring::npos ? std::wstring() : bare.substr(0, cut);
    ui::Handle process = StartProcess(commandLine, folder.empty() ? nullptr : folder.c_str(), showWindow);
    if (!process) throw ui::Exception(L"не смог создать процесс: " + program);
    for (;;) {
        DWORD r = WaitForSingleObject(process.get(), 100);
        if (r == WAIT_OBJECT_0) break;
        if (r != WAIT_TIMEOUT) ui::RaiseLastOSError(program);
    }
    return ExitCodeOf(process.get());
}

unsigned long RunThroughShell(const std::wstring& program, int showWindow) {
    wchar_t folder[MAX_PATH];
    DWORD n = GetCurrentDirectoryW(MAX_PATH, folder);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    // No box of the shell's own: the caller reports a failed start.
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    info.lpFile = program.c_str();
    info.lpDirectory = n != 0 && n < MAX_PATH ? folder : nullptr;
    info.nShow = showWindow;
    if (!ShellExecuteExW(&info)) {
        DWORD error = GetLastError();
        return error != ERROR_SUCCESS ? error : ERROR_FILE_NOT_FOUND;
    }
    ui::Handle process(info.hProcess);
    if (process) WaitForSingleObject(process.get(), INFINITE);
    return ERROR_SUCCESS;
}

void SetReadOnly(const std::wstring& path, bool readOnly) {
    DWORD attrs = GetFileAttributesW(path.c_str());
    if (attrs == INVALID_FILE_ATTRIBUTES) return;
    SetFileAttributesW(path.c_str(), readOnly ? attrs | FILE_ATTRIBUTE_READONLY : attrs & ~FILE_ATTRIBUTE_READONLY);
}
