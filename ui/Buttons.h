#pragma once
// Owner-drawn push buttons with a coloured frame and face, hot-tracking and an
// optional glyph with a normal and a disabled image.
#include <functional>

#include "ui/Control.h"

namespace ui {

// A small image in two states; the disabled one is a pale grey copy.
class TGlyph {
public:
    // Draws the image with `paint` onto a square of `size` pixels whose background
    // is the transparent key colour.
    TGlyph(int size, const std::function<void(HDC)>& paint);
    static constexpr COLORREF Transparent = RGB(255, 0, 255);
    int Size() const { return size_; }
    HBITMAP Normal() const { return static_cast<HBITMAP>(normal_.get()); }
    HBITMAP Disabled() const { return static_cast<HBITMAP>(disabled_.get()); }

private:
    int size_;
    GdiObject normal_;
    GdiObject disabled_;
};

struct TButtonStyle {
    COLORREF FrameColor = RGB(0, 60, 116);
    COLORREF FaceColor = RGB(244, 244, 240);
    COLORREF HighlightColor = RGB(106, 141, 244);  // pressed
    COLORREF HotTrackColor = RGB(255, 199, 60);    // the frame under the mouse
    const TGlyph* Glyph = nullptr;
};

class TButton : public TWinControl {
public:
    TButton(const TControlArgs& args, const TButtonStyle& style = {});
    std::function<void()> OnClick;

protected:
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
    bool Notify(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    void Draw(const DRAWITEMSTRUCT& item);
    TButtonStyle style_;
    bool hot_ = false;
};

}  // namespace ui
