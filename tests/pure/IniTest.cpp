// Ini text: the byte-order marks, the Unicode encodings and the document.
#include <gtest/gtest.h>

#include "Fixtures.h"
#include "install/IniDocument.h"
#include "install/IniText.h"

using namespace fixtures;

TEST(IniDocument, KeepsSectionsAndKeysAndDropsCommentsBlanksAndLeadingLines) {
    TIniDocument doc;
    doc.Parse(L"orphan=1\r\n; comment\r\n[Options]\r\n  FilterType = 5 \r\n\r\nflag\r\n[Other]\nA=1\rB=2\n");
    doc.SetValue(L"OPTIONS", L"filtertype", L"0");
    doc.SetValue(L"options", L"HardwareType", L"1");
    doc.SetValue(L"New", L"K", L"V");
    EXPECT_EQ(doc.Text(),
              L"[Options]\r\nFilterType=0\r\nflag\r\nHardwareType=1\r\n\r\n"
              L"[Other]\r\nA=1\r\nB=2\r\n\r\n"
              L"[New]\r\nK=V\r\n\r\n");
    EXPECT_EQ(doc.Value(L"other", L"b"), L"2");
    EXPECT_FALSE(doc.Value(L"other", L"c").has_value());
}

TEST(IniDocument, CyrillicNamesCompareWithoutRegardToCase) {
    TIniDocument doc;
    doc.Parse(L"[Раздел]\r\nКлюч=старое\r\n");
    doc.SetValue(L"РАЗДЕЛ", L"ключ", L"новое");
    EXPECT_EQ(doc.Text(), L"[Раздел]\r\nКлюч=новое\r\n\r\n");
}

namespace {

// The samples carry marks: the 8-bit code page must not be asked for.
std::wstring NoAnsi(std::string_view) { return L"(8-bit)"; }
std::string NoAnsiBytes(std::wstring_view) { return "(8-bit)"; }

}  // namespace

TEST(IniText, ByteOrderMarksNameTheEncoding) {
    struct Case {
        const char* bytes;
        size_t size;
        TTextEncoding encoding;
        size_t mark;
    };
    for (const Case& c : {Case{"\xEF\xBB\xBF[a]", 6, TTextEncoding::Utf8, 3}, {"\xFF\xFE[\0", 4, TTextEncoding::Utf16LE, 2},
                          {"\xFE\xFF\0[", 4, TTextEncoding::Utf16BE, 2}, {"\xEF\xBB[a]", 5, TTextEncoding::Ansi, 0},
                          {"\xFF", 1, TTextEncoding::Ansi, 0}, {"", 0, TTextEncoding::Ansi, 0}}) {
        size_t mark = 99;
        EXPECT_EQ(ByteOrderMark(std::string_view(c.bytes, c.size), mark), c.encoding) << c.size;
        EXPECT_EQ(mark, c.mark);
    }
}

TEST(IniText, MalformedUtf8BecomesReplacementCharacters) {
    struct Case {
        const char* bytes;
        const wchar_t* text;
    };
    for (const Case& c : {Case{"a\x80z", L"a\xFFFDz"},                        // a lone continuation byte
                          {"\xC3", L"\xFFFD"},                                // cut short at the end
                          {"\xE2\x82z", L"\xFFFD\xFFFDz"},                     // cut short before a letter
                          {"\xC0\xAF", L"\xFFFD\xFFFD"},                       // overlong "/"
                          {"\xED\xA0\x80", L"\xFFFD\xFFFD\xFFFD"},             // an encoded surrogate
                          {"\xF4\x90\x80\x80", L"\xFFFD\xFFFD\xFFFD\xFFFD"},   // beyond U+10FFFF
                          {"\xFF\xFEx", L"\xFFFD\xFFFDx"},
                          {"\xD0\x9A\xE2\x82\xAC", L"К€"}})
        EXPECT_EQ(FromUtf8(c.bytes), c.text) << c.bytes;
}

TEST(IniText, SupplementaryCharactersTravelAsSurrogatePairs) {
    const std::wstring pair{wchar_t(0xD83D), wchar_t(0xDE00)};  // U+1F600
    EXPECT_EQ(FromUtf8("\xF0\x9F\x98\x80"), pair);
    EXPECT_EQ(ToUtf8(pair), "\xF0\x9F\x98\x80");
    EXPECT_EQ(ToUtf8(std::wstring{wchar_t(0xD83D), L'x'}), "\xEF\xBF\xBDx") << "an unpaired high surrogate";
    EXPECT_EQ(ToUtf8(std::wstring{wchar_t(0xDE00)}), "\xEF\xBF\xBD") << "a lone low surrogate";
    EXPECT_EQ(FromUtf16(std::string("\x3D\xD8\x00\xDE", 4), true), pair);
    EXPECT_EQ(FromUtf16(std::string("\x04\x1A!", 3), false), L"К") << "an odd last byte is dropped";
}

TEST(IniText, TheUnicodeSamplesReadAsOneDocumentAndWriteBackByteForByte) {
    struct Case {
        const char* file;
        TTextEncoding encoding;
    };
    std::wstring first;
    for (const Case& c : {Case{"holter-utf8.ini", TTextEncoding::Utf8}, {"holter-utf16le.ini", TTextEncoding::Utf16LE},
                          {"holter-utf16be.ini", TTextEncoding::Utf16BE}}) {
        std::string bytes = SourceFile(std::string("tests/fixtures/ini/") + c.file);
        TTextEncoding encoding = TTextEncoding::Ansi;
        std::wstring text = DecodeText(bytes, encoding, NoAnsi);
        ASSERT_EQ(encoding, c.encoding) << c.file;
        EXPECT_EQ(EncodeText(text, encoding, NoAnsiBytes), bytes) << c.file;
        if (first.empty()) first = text;
        EXPECT_EQ(text, first) << c.file;
    }
    TIniDocument doc;
    doc.Parse(first);
    EXPECT_EQ(doc.Value(L"пациент", L"ФАМИЛИЯ"), L"Иванов");
    EXPECT_EQ(doc.Value(L"options", L"Язык"), L"Русский");
    EXPECT_EQ(doc.Value(L"common", L"gain"), L"1.5");
}
