// Any bytes as a skin image: an image of the size its header gives, or a raised error.
#include <cstdlib>

#include "ui/Exception.h"
#include "ui/Png.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        ui::TPixels32 image = ui::DecodePng(std::string_view(reinterpret_cast<const char*>(data), size), L"FUZZ");
        if (image.Width <= 0 || image.Height <= 0 ||
            image.Pixels.size() != static_cast<size_t>(image.Width) * static_cast<size_t>(image.Height))
            std::abort();
    } catch (const ui::Exception& e) {
        if (e.Message.find(L"FUZZ") == std::wstring::npos) std::abort();
    }
    return 0;
}
