// Any bytes as an ini file in the target folder, in whichever of the encodings its
// byte-order mark names. The document must survive a write and a second read
// unchanged, and setting the installer's keys must leave every other key as it was.
#include <cstdint>
#include <cstdlib>

#include "install/IniDocument.h"
#include "install/IniText.h"

namespace {

// The 8-bit code page is the system's to convert; one byte gives one character
// there too, which is all the document sees of it.
std::wstring WidenBytes(std::string_view bytes) { return std::wstring(bytes.begin(), bytes.end()); }

void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TTextEncoding encoding;
    std::wstring text = DecodeText(std::string_view(reinterpret_cast<const char*>(data), size), encoding, WidenBytes);
    if (encoding == TTextEncoding::Utf8) Check(FromUtf8(ToUtf8(text)) == text);
    if (encoding == TTextEncoding::Utf16LE || encoding == TTextEncoding::Utf16BE)
        Check(FromUtf16(ToUtf16(text, true), true) == text);

    TIniDocument doc;
    doc.Parse(text);
    std::wstring written = doc.Text();
    TIniDocument again;
    again.Parse(written);
    Check(again.Text() == written);

    std::optional<std::wstring> other = doc.Value(L"Common", L"Com");
    doc.SetValue(L"options", L"FilterType", L"0");
    doc.SetValue(L"options", L"HardwareType", L"1");
    Check(doc.Value(L"OPTIONS", L"filtertype") == L"0");
    Check(doc.Value(L"options", L"HardwareType") == L"1");
    Check(doc.Value(L"Common", L"Com") == other);
    return 0;
}
