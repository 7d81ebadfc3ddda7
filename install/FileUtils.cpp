#include "install/FileUtils.h"

#include <windows.h>

bool FolderExists(const std::wstring& path) {
    DWORD attrs = GetFileAttributesW(path.c_str());
    return attrs != INVALID_FILE_ATTRIBUTES && (attrs & FILE_ATTRIBUTE_DIRECTORY);
}

bool CreateFolder(const std::wstring& path) { return CreateDirectoryW(path.c_str(), nullptr) != 0; }
