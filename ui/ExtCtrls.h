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

namespace ui {

// A text; with WordWrap its height follows the wrapped text at its width.
class TLabel : public TWinControl {
public:
    TLabel(const TControlArgs& args, bool wordWrap = false, bool centered = false);
    // Sets the text and, when wrapping, the height that the wrapped text needs.
    void SetText(const std::wstring& text);
    void SetFontHeight(int pixels);

protected:
    bool Notify(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    void FitHeight();
    bool wordWrap_;
    Font ownFont_;
};

// A timer of its own message window; OnTimer runs on the GUI thread.
class TTimer {
public:
    explicit TTimer(unsigned intervalMs);
    ~TTimer();
    TTimer(const TTimer&) = delete;
    TTimer& operator=(const TTimer&) = delete;

    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned ms);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    std::function<void()> OnTimer;

private:
    static LRESULT CALLBACK Proc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);
    HWND wnd_;
    unsigned interval_;
    bool enabled_ = false;
};

class TProgressBar : public TWinControl {
public:
    TProgressBar(const TControlArgs& args, int maximum, int step);
    int Position() const;
    void SetPosition(int position);
    // One step with the control's own stepping, which starts over past the maximum.
    void StepIt();
};

}  // namespace ui
