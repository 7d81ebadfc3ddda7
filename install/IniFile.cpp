#include "install/IniFile.h"

#include <windows.h>

#include "ui/Exception.h"
#include "ui/Handle.h"

namespace {

// The system's 8-bit code page (1251 on the clinics' Russian Windows).
std::wstring FromAnsi(std::string_view bytes) {
    if (bytes.empty()) return {};
    int n = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring text(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), n);
    return text;
}

std::string ToAnsi(std::wstring_view text) {
    if (text.empty()) return {};
    int n = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), bytes.data(), n, nullptr, nullptr);
    return bytes;
}

std::string ReadWholeFile(const std::wstring& path) {
    ui::FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file) ui::RaiseLastOSError(path);
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) ui::RaiseLastOSError(path);
    if (size.QuadPart > 64 * 1024 * 1024) throw ui::Exception(L"Файл настроек слишком велик (" + path + L")");
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    DWORD got = 0;
    if (!bytes.empty() && (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr) ||
                           got != bytes.size()))
        ui::RaiseLastOSError(path);
    return bytes;
}

}  // namespace

std::wstring DecodeText(const std::string& bytes, TTextEncoding& encoding) {
    return DecodeText(bytes, encoding, FromAnsi);
}

std::string EncodeText(const std::wstring& text, TTextEncoding encoding) { return EncodeText(text, encoding, ToAnsi); }

TMemIniFile::TMemIniFile(std::wstring path) : path_(std::move(path)) {
    if (GetFileAttributesW(path_.c_str()) == INVALID_FILE_ATTRIBUTES) return;
    document_.Parse(DecodeText(ReadWholeFile(path_), encoding_));
}

void TMemIniFile::WriteString(const std::wstring& section, const std::wstring& key, const std::wstring& value) {
    document_.SetValue(section, key, value);
}

void TMemIniFile::WriteInteger(const std::wstring& section, const std::wstring& key, int value) {
    document_.SetValue(section, key, std::to_wstring(value));
}

void TMemIniFile::UpdateFile() const {
    std::string bytes = EncodeText(document_.Text(), encoding_);
    std::wstring temp = path_ + L".new";
    {
        ui::FileHandle file(CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                        nullptr));
        if (!file) ui::RaiseLastOSError(path_);
        DWORD put = 0;
        bool written = WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &put, nullptr) &&
                       put == bytes.size() && FlushFileBuffers(file.get());
        if (!written) {
            DWORD err = GetLastError();
            file.reset();
            DeleteFileW(temp.c_str());
            throw ui::EOSError(err, path_);
        }
    }
    // A read-only file is refused here as it would be by a plain write.
    DWORD attrs = GetFileAttributesW(path_.c_str());
    if (attrs != INVALID_FILE_ATTRIBUTES && (attrs & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) {
        DeleteFileW(temp.c_str());
        throw ui::EOSError(ERROR_ACCESS_DENIED, path_);
    }
    if (!MoveFileExW(temp.c_str(), path_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DWORD err = GetLastError();
        DeleteFileW(temp.c_str());
        throw ui::EOSError(err, path_);
    }
}
