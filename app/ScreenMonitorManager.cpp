#include "app/ScreenMonitorManager.h"

TmyScreen* myScreen = nullptr;

TmyScreen::TmyScreen() : FScreen(ui::Screen()) {
    FCursor = FScreen.Cursor();
    MonitorCount = FScreen.MonitorCount() ? FScreen.MonitorCount() : GetSystemMetrics(SM_CMONITORS);
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    WorkAreaWidth = work.right - work.left;
    WorkAreaHeight = work.bottom - work.top;
    Width = GetSystemMetrics(SM_CXSCREEN);
    Height = GetSystemMetrics(SM_CYSCREEN);
    PixelsPerInch = FScreen.PixelsPerInch();
}

const RECT& TmyScreen::GetMonitor(int32_t Index) const { return FScreen.Monitor(Index); }

void TmyScreen::SetCursor(int16_t cursor) {
    FCursor = cursor;
    try {
        FScreen.SetCursor(cursor);
    } catch (...) {
        // A cursor the screen refuses is given up for this time slice; FCursor keeps it.
        Sleep(0);
    }
}
