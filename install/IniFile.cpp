#include "install/IniFile.h"

#include <windows.h>

#include "ui/Exception.h"
#include "ui/Handle.h"

namespace {

std::wstring FromCodePage(UINT codePage, const char* data, size_t size) {
    if (size == 0) return {};
    int n = MultiByteToWideChar(codePage, 0, data, static_cast<int>(size), nullptr, 0);
    std::wstring text(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(codePage, 0, data, static_cast<int>(size), text.data(), n);
    return text;
}

std::string ToCodePage(UINT codePage, const std::wstring& text) {
    if (text.empty()) return {};
    int n = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), bytes.data(), n, nullptr, nullptr);
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
    auto starts = [&](const char* bom, size_t n) { return bytes.size() >= n && bytes.compare(0, n, bom, n) == 0; };
    if (starts("\xEF\xBB\xBF", 3)) {
        encoding = TTextEncoding::Utf8;
        return FromCodePage(CP_UTF8, bytes.data() + 3, bytes.size() - 3);
    }
    if (starts("\xFF\xFE", 2) || starts("\xFE\xFF", 2)) {
        encoding = bytes[0] == '\xFF' ? TTextEncoding::Utf16LE : TTextEncoding::Utf16BE;
        std::wstring text((bytes.size() - 2) / 2, L'\0');
        for (size_t i = 0; i < text.size(); ++i) {
            auto lo = static_cast<unsigned char>(bytes[2 + 2 * i]), hi = static_cast<unsigned char>(bytes[3 + 2 * i]);
            text[i] = encoding == TTextEncoding::Utf16LE ? static_cast<wchar_t>(lo | hi << 8)
                                                         : static_cast<wchar_t>(hi | lo << 8);
        }
        return text;
    }
    encoding = TTextEncoding::Ansi;
    return FromCodePage(CP_ACP, bytes.data(), bytes.size());
}

std::string EncodeText(const std::wstring& text, TTextEncoding encoding) {
    switch (encoding) {
    case TTextEncoding::Utf8:
        return "\xEF\xBB\xBF" + ToCodePage(CP_UTF8, text);
    case TTextEncoding::Utf16LE:
    case TTextEncoding::Utf16BE: {
        bool le = encoding == TTextEncoding::Utf16LE;
        std::string bytes = le ? "\xFF\xFE" : "\xFE\xFF";
        for (wchar_t c : text) {
            char lo = static_cast<char>(c & 0xFF), hi = static_cast<char>((c >> 8) & 0xFF);
            bytes += le ? std::string{lo, hi} : std::string{hi, lo};
        }
        return bytes;
    }
    case TTextEncoding::Ansi:
        break;
    }
    return ToCodePage(CP_ACP, text);
}

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
