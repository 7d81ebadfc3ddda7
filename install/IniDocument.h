#pragma once
// An ini file held in memory: sections of key lines, changed in place and written
// back whole. Comments, blank lines and lines before the first section are not kept.
// Section and key names compare without regard to letter case. No system calls.
#include <optional>
#include <string>
#include <vector>

class TIniDocument {
public:
    void Parse(const std::wstring& text);
    // Every section in order: its name in brackets, its lines, one empty line; CR LF.
    std::wstring Text() const;

    std::optional<std::wstring> Value(const std::wstring& section, const std::wstring& key) const;
    // Replaces the key's value where it stands, or appends the key to its section,
    // or appends the section to the document.
    void SetValue(const std::wstring& section, const std::wstring& key, const std::wstring& value);

private:
    struct Line {
        std::wstring key;
        std::wstring value;
        bool hasValue;  // a line without "=" is kept as it stands
    };
    struct Section {
        std::wstring name;
        std::vector<Line> lines;
    };
    Section* Find(const std::wstring& name);
    const Section* Find(const std::wstring& name) const;

    std::vector<Section> sections_;
};

// Letter case folded for ASCII and Cyrillic, as section and key names compare.
bool SameName(const std::wstring& a, const std::wstring& b);
