#pragma once
// The toolkit's screen: the monitors and the resolution as found when the toolkit
// started, and the cursor shown over the application's windows.
#include <windows.h>

#include <cstdint>
#include <vector>

namespace ui {

inline constexpr int16_t crDefault = 0;
inline constexpr int16_t crHourGlass = -11;

class TScreen {
public:
    TScreen();
    int MonitorCount() const { return static_cast<int>(monitors_.size()); }
    // The bounds of a monitor in the order the system listed them; an index outside
    // the list raises a list-index error.
    const RECT& Monitor(int index) const;
    int PixelsPerInch() const { return pixelsPerInch_; }

    int16_t Cursor() const { return cursor_; }
    void SetCursor(int16_t cursor);

private:
    std::vector<RECT> monitors_;
    int pixelsPerInch_;
    int16_t cursor_ = crDefault;
};

TScreen& Screen();

}  // namespace ui
