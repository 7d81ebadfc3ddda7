#pragma once
// The byte-order marks and the Unicode encodings of the ini files. The 8-bit code
// page is the system's and is converted by the caller. No system calls.
#include <string>
#include <string_view>

enum class TTextEncoding { Ansi, Utf8, Utf16LE, Utf16BE };

// The encoding that the bytes' byte-order mark names (Ansi without one) and the
// mark's length in bytes.
TTextEncoding ByteOrderMark(std::string_view bytes, size_t& markLength);
std::string_view ByteOrderMarkBytes(TTextEncoding encoding);

// The text of a file's bytes in the encoding that its byte-order mark names (the mark
// is dropped); bytes without a mark are in the 8-bit code page, which `fromAnsi` converts.
std::wstring DecodeText(std::string_view bytes, TTextEncoding& encoding, std::wstring (*fromAnsi)(std::string_view));
// Text to bytes in the encoding, behind its byte-order mark; `toAnsi` converts to the
// 8-bit code page, which has no mark.
std::string EncodeText(std::wstring_view text, TTextEncoding encoding, std::string (*toAnsi)(std::wstring_view));

// UTF-8 to UTF-16 units; every byte that does not start a well-formed sequence
// (overlong, surrogate, beyond U+10FFFF or cut short) becomes U+FFFD.
std::wstring FromUtf8(std::string_view bytes);
// UTF-16 units to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string ToUtf8(std::wstring_view text);

// Pairs of bytes to UTF-16 units; an odd last byte is dropped.
std::wstring FromUtf16(std::string_view bytes, bool littleEndian);
std::string ToUtf16(std::wstring_view text, bool littleEndian);
