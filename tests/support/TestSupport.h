#pragma once
// What the tests share: temporary folders, files, paths of the built programs.
#include <windows.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace testing_support {

std::wstring TempPath();

// A fresh folder under the temporary folder (or another parent), removed with
// everything in it at the end of the test. Path() ends with a backslash.
class TempFolder {
public:
    explicit TempFolder(const std::wstring& tag = L"t", const std::wstring& parent = TempPath());
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder();
    const std::wstring& Path() const { return path_; }
    std::wstring operator/(const std::wstring& name) const { return path_ + name; }

private:
    std::wstring path_;
};

// The folder of the running test program, with a trailing backslash (build\bin\).
std::wstring BinFolder();
// The build folder (the parent of build\bin\), with a trailing backslash.
std::wstring BuildFolder();

// A value of the machine's font list as Windows' own font loader reads it (the
// 64-bit view under WOW64), or "(none)"; and its removal.
std::wstring FontValue(const std::wstring& name);
void DeleteFontValue(const std::wstring& name);

// The system folder, with a trailing backslash.
std::wstring SystemFolder();
// The root of a disk of 8 MiB that really fills up (drive S:, which scripts/test
// mounts for the run).
std::wstring SmallDisk();

void RemoveTree(const std::wstring& path);
void MakeFolders(const std::wstring& path);
bool IsFile(const std::wstring& path);
bool IsFolder(const std::wstring& path);
void WriteBytes(const std::wstring& path, const std::string& bytes);
std::string ReadBytes(const std::wstring& path);
void CopyFileTo(const std::wstring& from, const std::wstring& to);

std::string Utf8(const std::wstring& text);
// ASCII letters in lower case, as file names compare.
std::string Lower(std::string text);

// Holds a file open and shares nothing, as a program that uses it does, until the
// object goes.
class HeldFile {
public:
    explicit HeldFile(const std::wstring& path);
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    ~HeldFile();

private:
    HANDLE file_;
};

// What a tree holds: each file and folder by its path under the tree's folder, with
// its bytes ("(folder)", "(link)") and attributes. Links are not followed.
struct TFileState {
    std::string Bytes;
    DWORD Attributes;
    bool operator==(const TFileState&) const = default;
};
using TSnapshot = std::map<std::wstring, TFileState>;
// `folder` ends with a backslash.
TSnapshot Snapshot(const std::wstring& folder);

// A shell link read back through the link object (COM must be initialised).
struct TLinkInfo {
    std::wstring Path, Arguments, Description, WorkingFolder;
    bool Loaded = false;
};
TLinkInfo ReadShellLink(const std::wstring& file);

}  // namespace testing_support
