#pragma once
// Panels (with an optional rounded flat frame) and the 32-bit paint box.
#include <cstdint>
#include <functional>

#include "ui/Control.h"

namespace ui {

struct TPanelStyle {
    bool RoundedFrame = false;
    COLORREF FrameColor = RGB(160, 160, 160);
    int FrameWidth = 1;
    int BorderWidth = 0;  // inner space kept free of aligned children
};

class TPanel : public TWinControl {
public:
    TPanel(const TControlArgs& args, const TPanelStyle& style = {});
    void SetFrameColor(COLORREF color);
    COLORREF FrameColor() const { return style_.FrameColor; }

protected:
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
    RECT AlignRect() const override;

private:
    TPanelStyle style_;
};

// A 32-bit off-screen buffer shown as it stands; OnResize composes into it.
class TPaintBox : public TWinControl {
public:
    explicit TPaintBox(const TControlArgs& args);
    std::function<void()> OnResize;

    int BufferWidth() const { return bufferWidth_; }
    int BufferHeight() const { return bufferHeight_; }
    uint32_t* Pixels() const { return pixels_; }  // top-down rows, 0xAARRGGBB

protected:
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void Resized() override;

private:
    GdiObject buffer_;
    uint32_t* pixels_ = nullptr;
    int bufferWidth_ = 0, bufferHeight_ = 0;
};

}  // namespace ui
