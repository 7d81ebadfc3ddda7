#pragma once
// What the tests of the system-free units read: the shipped images and the sample
// ini files of the source tree, and the fixture fonts of the build folder.
#include <string>
#include <utility>

namespace fixtures {

// The seven fixture fonts by file name, with the names their tables give.
inline constexpr std::pair<const wchar_t*, const wchar_t*> kFixtureNames[] = {
    {L"ARIAL.TTF", L"Liberation Sans"}, {L"ARIALN.TTF", L"Liberation Sans Narrow"},
    {L"COUR.TTF", L"Liberation Mono"},  {L"MICROSS.TTF", L"FreeSans"},
    {L"TAHOMA.TTF", L"DejaVu Sans"},    {L"TIMES.TTF", L"Liberation Serif"},
    {L"verdana.TTF", L"DejaVu Sans Condensed"}};

// A file's bytes by its path under the source tree ("res/images/logo.png"), or under
// the build folder's fixtures ("fonts/ARIAL.TTF"). A file that cannot be read raises.
std::string SourceFile(const std::string& path);
std::string FixtureFile(const std::string& path);
// Test messages: text as UTF-8.
std::string Utf8(const std::wstring& text);

}  // namespace fixtures
