#pragma once
// A snapshot of the display taken at start-up, and the monitor on which the
// program's notice windows are placed.
#include <windows.h>

#include <cstdint>

#include "ui/Screen.h"

class TmyScreen {
public:
    TmyScreen();

    // The monitor with that index in the screen's list; outside it a list-index error.
    const RECT& GetMonitor(int32_t Index) const;
    int16_t Cursor() const { return FCursor; }
    void SetCursor(int16_t cursor);

    int16_t FCursor;
    int32_t MonitorCount;
    int32_t WorkAreaWidth;
    int32_t WorkAreaHeight;
    int32_t Monitornumber = 0;
    int32_t Width;
    int32_t PixelsPerInch;
    int32_t Height;

private:
    ui::TScreen& FScreen;
};

extern TmyScreen* myScreen;
