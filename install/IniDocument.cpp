#include "install/IniDocument.h"

#include "common/Strings.h"

namespace {

wchar_t FoldCase(wchar_t c) {
    if (c >= L'a' && c <= L'z') return static_cast<wchar_t>(c - L'a' + L'A');
    if (c >= 0x0430 && c <= 0x044F) return static_cast<wchar_t>(c - 0x20);  // а..я
    if (c >= 0x0450 && c <= 0x045F) return static_cast<wchar_t>(c - 0x50);  // ѐ..џ
    return c;
}

}  // namespace

bool SameName(const std::wstring& a, const std::wstring& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (FoldCase(a[i]) != FoldCase(b[i])) return false;
    return true;
}

void TIniDocument::Parse(const std::wstring& text) {
    sections_.clear();
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find_first_of(L"\r\n", pos);
        if (end == std::wstring::npos) end = text.size();
        std::wstring line = Trim(text.substr(pos, end - pos));
        pos = end;
        if (pos < text.size() && text[pos] == L'\r') ++pos;
        if (pos < text.size() && text[pos] == L'\n') ++pos;

        if (line.empty() || line[0] == L';') continue;
        if (line.front() == L'[' && line.back() == L']') {
            sections_.push_back({Trim(line.substr(1, line.size() - 2)), {}});
            continue;
        }
        if (sections_.empty()) continue;
        size_t eq = line.find(L'=');
        if (eq == std::wstring::npos)
            sections_.back().lines.push_back({line, L"", false});
        else
            sections_.back().lines.push_back({Trim(line.substr(0, eq)), Trim(line.substr(eq + 1)), true});
    }
}

std::wstring TIniDocument::Text() const {
    std::wstring out;
    for (const Section& s : sections_) {
        out += L"[" + s.name + L"]\r\n";
        for (const Line& l : s.lines) out += l.hasValue ? l.key + L"=" + l.value + L"\r\n" : l.key + L"\r\n";
        out += L"\r\n";
    }
    return out;
}

TIniDocument::Section* TIniDocument::Find(const std::wstring& name) {
    for (Section& s : sections_)
        if (SameName(s.name, name)) return &s;
    return nullptr;
}

const TIniDocument::Section* TIniDocument::Find(const std::wstring& name) const {
    return const_cast<TIniDocument*>(this)->Find(name);
}

std::optional<std::wstring> TIniDocument::Value(const std::wstring& section, const std::wstring& key) const {
    if (const Section* s = Find(section))
        for (const Line& l : s->lines)
            if (l.hasValue && SameName(l.key, key)) return l.value;
    return std::nullopt;
}

void TIniDocument::SetValue(const std::wstring& section, const std::wstring& key, const std::wstring& value) {
    Section* s = Find(section);
    if (!s) {
        sections_.push_back({section, {}});
        s = &sections_.back();
    }
    for (Line& l : s->lines)
        if (l.hasValue && SameName(l.key, key)) {
            l.value = value;
            return;
        }
    s->lines.push_back({key, value, true});
}
