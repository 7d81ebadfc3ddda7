#pragma once
// An ini file on disk loaded whole into a TIniDocument and written back whole, in
// the encoding it was read in.
#include <string>

#include "install/IniDocument.h"
#include "install/IniText.h"

class TMemIniFile {
public:
    // Reads the file when it exists: the encoding from its byte-order mark, the
    // 8-bit Windows code page without one. A file that exists but cannot be read raises.
    explicit TMemIniFile(std::wstring path);

    void WriteString(const std::wstring& section, const std::wstring& key, const std::wstring& value);
    void WriteInteger(const std::wstring& section, const std::wstring& key, int value);

    // Replaces the file in one step with the document's text: written to a temporary
    // file beside it first, so a failure raises and leaves the old file as it was.
    void UpdateFile() const;

private:
    std::wstring path_;
    TTextEncoding encoding_ = TTextEncoding::Ansi;
    TIniDocument document_;
};

// Bytes to text by the byte-order mark (which is dropped), else the 8-bit code page.
std::wstring DecodeText(const std::string& bytes, TTextEncoding& encoding);
// Text to bytes in the encoding, with its byte-order mark.
std::string EncodeText(const std::wstring& text, TTextEncoding encoding);
