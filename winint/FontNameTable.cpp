#include "winint/FontNameTable.h"

#include <cstdint>
#include <optional>

namespace {

std::optional<uint32_t> Read(std::string_view data, size_t at, int bytes) {
    if (at > data.size() || data.size() - at < static_cast<size_t>(bytes)) return std::nullopt;
    uint32_t v = 0;
    for (int i = 0; i < bytes; ++i) v = v << 8 | static_cast<uint8_t>(data[at + i]);
    return v;
}

// The name table's bytes, found through the font's table directory.
std::optional<std::string_view> NameTable(std::string_view file) {
    auto tables = Read(file, 4, 2);
    if (!tables) return std::nullopt;
    for (uint32_t i = 0; i < *tables; ++i) {
        size_t entry = 12 + 16 * static_cast<size_t>(i);
        auto tag = Read(file, entry, 4), offset = Read(file, entry + 8, 4), length = Read(file, entry + 12, 4);
        if (!tag || !offset || !length) return std::nullopt;
        if (*tag != 0x6E616D65) continue;  // 'name'
        if (*offset > file.size() || file.size() - *offset < *length) return std::nullopt;
        return file.substr(*offset, *length);
    }
    return std::nullopt;
}

std::wstring Utf16BigEndian(std::string_view bytes) {
    std::wstring text;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2)
        text.push_back(static_cast<wchar_t>(static_cast<uint8_t>(bytes[i]) << 8 | static_cast<uint8_t>(bytes[i + 1])));
    return text;
}

}  // namespace

std::wstring FontFullName(std::string_view file) {
    auto table = NameTable(file);
    if (!table) return {};
    auto count = Read(*table, 2, 2), storage = Read(*table, 4, 2);
    if (!count || !storage) return {};
    std::optional<std::string_view> english, windows;
    for (uint32_t i = 0; i < *count; ++i) {
        size_t record = 6 + 12 * static_cast<size_t>(i);
        auto platform = Read(*table, record, 2), encoding = Read(*table, record + 2, 2),
             language = Read(*table, record + 4, 2), nameId = Read(*table, record + 6, 2),
             length = Read(*table, record + 8, 2), offset = Read(*table, record + 10, 2);
        if (!offset) return {};
        if (*platform != 3 || *nameId != 4 || (*encoding != 1 && *encoding != 0 && *encoding != 10)) continue;
        size_t at = static_cast<size_t>(*storage) + *offset;
        if (at > table->size() || table->size() - at < *length) continue;
        std::string_view text = table->substr(at, *length);
        if (*language == 0x409 && !english) english = text;
        if (!windows) windows = text;
    }
    if (english) return Utf16BigEndian(*english);
    return windows ? Utf16BigEndian(*windows) : std::wstring();
}
