#include "Fixtures.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "install/IniText.h"

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

namespace fixtures {

std::string SourceFile(const std::string& path) { return ReadFile(SOURCE_DIR "/" + path); }
std::string FixtureFile(const std::string& path) { return ReadFile(FIXTURES_DIR "/" + path); }
std::string Utf8(const std::wstring& text) { return ToUtf8(text); }

}  // namespace fixtures
