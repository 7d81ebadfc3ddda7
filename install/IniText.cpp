#include "install/IniText.h"

#include <cstdint>

namespace {

constexpr wchar_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

void AppendCodePoint(std::wstring& text, uint32_t cp) {
    if (cp < 0x10000) {
        text += static_cast<wchar_t>(cp);
    } else {
        cp -= 0x10000;
        text += static_cast<wchar_t>(0xD800 | (cp >> 10));
        text += static_cast<wchar_t>(0xDC00 | (cp & 0x3FF));
    }
}

}  // namespace

TTextEncoding ByteOrderMark(std::string_view bytes, size_t& markLength) {
    for (TTextEncoding e : {TTextEncoding::Utf8, TTextEncoding::Utf16LE, TTextEncoding::Utf16BE}) {
        std::string_view mark = ByteOrderMarkBytes(e);
        if (bytes.substr(0, mark.size()) == mark) {
            markLength = mark.size();
            return e;
        }
    }
    markLength = 0;
    return TTextEncoding::Ansi;
}

std::string_view ByteOrderMarkBytes(TTextEncoding encoding) {
    switch (encoding) {
    case TTextEncoding::Utf8:
        return "\xEF\xBB\xBF";
    case TTextEncoding::Utf16LE:
        return "\xFF\xFE";
    case TTextEncoding::Utf16BE:
        return "\xFE\xFF";
    case TTextEncoding::Ansi:
        break;
    }
    return {};
}

std::wstring DecodeText(std::string_view bytes, TTextEncoding& encoding, std::wstring (*fromAnsi)(std::string_view)) {
    size_t mark = 0;
    encoding = ByteOrderMark(bytes, mark);
    std::string_view body = bytes.substr(mark);
    switch (encoding) {
    case TTextEncoding::Utf8:
        return FromUtf8(body);
    case TTextEncoding::Utf16LE:
    case TTextEncoding::Utf16BE:
        return FromUtf16(body, encoding == TTextEncoding::Utf16LE);
    case TTextEncoding::Ansi:
        break;
    }
    return fromAnsi(body);
}

std::string EncodeText(std::wstring_view text, TTextEncoding encoding, std::string (*toAnsi)(std::wstring_view)) {
    std::string bytes(ByteOrderMarkBytes(encoding));
    switch (encoding) {
    case TTextEncoding::Utf8:
        return bytes + ToUtf8(text);
    case TTextEncoding::Utf16LE:
    case TTextEncoding::Utf16BE:
        return bytes + ToUtf16(text, encoding == TTextEncoding::Utf16LE);
    case TTextEncoding::Ansi:
        break;
    }
    return toAnsi(text);
}

std::wstring FromUtf8(std::string_view bytes) {
    std::wstring text;
    text.reserve(bytes.size());
    size_t i = 0;
    while (i < bytes.size()) {
        auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            text += static_cast<wchar_t>(lead);
            ++i;
            continue;
        }
        size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
        uint32_t cp = length == 4 ? lead & 0x07 : length == 3 ? lead & 0x0F : lead & 0x1F;
        size_t n = 1;
        while (length && n < length && i + n < bytes.size() && IsContinuation(static_cast<unsigned char>(bytes[i + n]))) {
            cp = cp << 6 | (static_cast<unsigned char>(bytes[i + n]) & 0x3F);
            ++n;
        }
        static constexpr uint32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
        bool wellFormed = length && n == length && cp >= kSmallest[length] && cp <= 0x10FFFF &&
                          (cp < 0xD800 || cp > 0xDFFF);
        if (wellFormed) {
            AppendCodePoint(text, cp);
            i += n;
        } else {
            text += kReplacement;
            ++i;
        }
    }
    return text;
}

std::string ToUtf8(std::wstring_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        uint32_t cp = static_cast<uint32_t>(text[i]) & 0xFFFF;
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && (text[i + 1] & 0xFC00) == 0xDC00) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + ((static_cast<uint32_t>(text[i + 1]) & 0xFFFF) - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = kReplacement;
        }
        if (cp < 0x80) {
            bytes += static_cast<char>(cp);
        } else if (cp < 0x800) {
            bytes += static_cast<char>(0xC0 | cp >> 6);
            bytes += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            bytes += static_cast<char>(0xE0 | cp >> 12);
            bytes += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            bytes += static_cast<char>(0xF0 | cp >> 18);
            bytes += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            bytes += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return bytes;
}

std::wstring FromUtf16(std::string_view bytes, bool littleEndian) {
    std::wstring text(bytes.size() / 2, L'\0');
    for (size_t i = 0; i < text.size(); ++i) {
        auto first = static_cast<unsigned char>(bytes[2 * i]), second = static_cast<unsigned char>(bytes[2 * i + 1]);
        text[i] = littleEndian ? static_cast<wchar_t>(first | second << 8) : static_cast<wchar_t>(second | first << 8);
    }
    return text;
}

std::string ToUtf16(std::wstring_view text, bool littleEndian) {
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (wchar_t c : text) {
        char lo = static_cast<char>(c & 0xFF), hi = static_cast<char>((c >> 8) & 0xFF);
        bytes += littleEndian ? lo : hi;
        bytes += littleEndian ? hi : lo;
    }
    return bytes;
}
