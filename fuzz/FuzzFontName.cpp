// Any bytes as a font file from the medium: a name or nothing, never a fault.
#include <cstdint>
#include <cstdlib>

#include "winint/FontNameTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::wstring name = FontFullName(std::string_view(reinterpret_cast<const char*>(data), size));
    if (name.size() > size) std::abort();  // every character comes from the file
    return 0;
}
