#include "ui/Screen.h"

#include <string>

#include "ui/Exception.h"
#include "ui/Handle.h"

namespace ui {

TScreen& Screen() {
    static TScreen screen;
    return screen;
}

TScreen::TScreen() {
    EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR, HDC, LPRECT bounds, LPARAM list) CALLBACK -> BOOL {
            reinterpret_cast<std::vector<RECT>*>(list)->push_back(*bounds);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&monitors_));
    WindowDc dc(nullptr);
    pixelsPerInch_ = GetDeviceCaps(dc.get(), LOGPIXELSY);
}

const RECT& TScreen::Monitor(int index) const {
    if (index < 0 || index >= MonitorCount())
        throw EListError(L"List index out of bounds (" + std::to_wstring(index) + L")");
    return monitors_[static_cast<size_t>(index)];
}

void TScreen::SetCursor(int16_t cursor) {
    cursor_ = cursor;
    ::SetCursor(LoadCursorW(nullptr, cursor == crHourGlass ? IDC_WAIT : IDC_ARROW));
}

}  // namespace ui
