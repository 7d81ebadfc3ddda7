#include "ui/ExtCtrls.h"

namespace ui {

TPanel::TPanel(const TControlArgs& args, const TPanelStyle& style) : TWinControl(args), style_(style) {
    CreateOwnWindow(L"TPanel", WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
}

void TPanel::SetFrameColor(COLORREF color) {
    style_.FrameColor = color;
    InvalidateRect(Handle(), nullptr, TRUE);
}

RECT TPanel::AlignRect() const {
    RECT r = TWinControl::AlignRect();
    InflateRect(&r, -style_.BorderWidth, -style_.BorderWidth);
    return r;
}

LRESULT TPanel::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(Handle(), &ps);
        if (style_.RoundedFrame) {
            RECT r;
            GetClientRect(Handle(), &r);
            GdiObject pen(CreatePen(PS_INSIDEFRAME, style_.FrameWidth, style_.FrameColor));
            HGDIOBJ oldPen = SelectObject(dc, pen.get());
            HGDIOBJ oldBrush = SelectObject(dc, BackgroundBrush());
            RoundRect(dc, r.left, r.top, r.right, r.bottom, 8, 8);
            SelectObject(dc, oldBrush);
            SelectObject(dc, oldPen);
        }
        EndPaint(Handle(), &ps);
        return 0;
    }
    if (msg == WM_SIZE) InvalidateRect(Handle(), nullptr, TRUE);
    return TWinControl::WndProc(msg, wp, lp);
}

TPaintBox::TPaintBox(const TControlArgs& args) : TWinControl(args) {
    CreateOwnWindow(L"TPaintBox", 0, 0);
    Resized();
}

void TPaintBox::Resized() {
    int w = ClientWidth(), h = ClientHeight();
    if (w > bufferWidth_ || h > bufferHeight_ || !buffer_) {
        BITMAPINFO bi{};
        bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        WindowDc screen(nullptr);
        buffer_.reset(CreateDIBSection(screen.get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
        pixels_ = static_cast<uint32_t*>(bits);
        bufferWidth_ = w;
        bufferHeight_ = h;
        COLORREF c = Color();
        uint32_t fill = 0xFF000000u | (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
        for (size_t i = 0; pixels_ && i < static_cast<size_t>(w) * h; ++i) pixels_[i] = fill;
    }
    if (OnResize) OnResize();
}

LRESULT TPaintBox::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(Handle(), &ps);
        if (buffer_) {
            MemoryDc mem(CreateCompatibleDC(dc));
            HGDIOBJ old = SelectObject(mem.get(), buffer_.get());
            BitBlt(dc, 0, 0, bufferWidth_, bufferHeight_, mem.get(), 0, 0, SRCCOPY);
            SelectObject(mem.get(), old);
        }
        EndPaint(Handle(), &ps);
        return 0;
    }
    }
    return TWinControl::WndProc(msg, wp, lp);
}

}  // namespace ui
