#pragma once
// What the tests share: temporary folders, files, paths of the built programs.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace testing_support {

// A fresh folder under the temporary folder, removed with everything in it at the
// end of the test. Path() ends with a backslash.
class TempFolder {
public:
    explicit TempFolder(const std::wstring& tag = L"t");
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

// The system folder and the temporary folder, each with a trailing backslash.
std::wstring SystemFolder();
std::wstring TempPath();

void RemoveTree(const std::wstring& path);
void MakeFolders(const std::wstring& path);
bool IsFile(const std::wstring& path);
bool IsFolder(const std::wstring& path);
void WriteBytes(const std::wstring& path, const std::string& bytes);
std::string ReadBytes(const std::wstring& path);
void CopyFileTo(const std::wstring& from, const std::wstring& to);

std::string Utf8(const std::wstring& text);

// A shell link read back through the link object (COM must be initialised).
struct TLinkInfo {
    std::wstring Path, Arguments, Description, WorkingFolder;
    bool Loaded = false;
};
TLinkInfo ReadShellLink(const std::wstring& file);

}  // namespace testing_support
