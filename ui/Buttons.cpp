#include "ui/Buttons.h"

namespace ui {

namespace {

struct Dib {
    GdiObject bitmap;
    uint32_t* pixels = nullptr;
};

Dib MakeDib(HDC dc, int size) {
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), size, -size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    Dib dib;
    void* bits = nullptr;
    dib.bitmap.reset(CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    dib.pixels = static_cast<uint32_t*>(bits);
    return dib;
}

}  // namespace

TGlyph::TGlyph(int size, const std::function<void(HDC)>& paint) : size_(size) {
    WindowDc screen(nullptr);
    MemoryDc dc(CreateCompatibleDC(screen.get()));
    Dib normal = MakeDib(screen.get(), size);
    Dib disabled = MakeDib(screen.get(), size);
    HGDIOBJ old = SelectObject(dc.get(), normal.bitmap.get());
    RECT r{0, 0, size, size};
    Brush key(CreateSolidBrush(Transparent));
    FillRect(dc.get(), &r, key.get());
    paint(dc.get());
    SelectObject(dc.get(), old);
    GdiFlush();
    const uint32_t keyPixel = 0x00FF00FF;
    for (int i = 0; i < size * size; ++i) {
        uint32_t p = normal.pixels[i] & 0x00FFFFFF;
        if (p == keyPixel) {
            disabled.pixels[i] = keyPixel;
            continue;
        }
        unsigned grey = (((p >> 16) & 0xFF) * 30 + ((p >> 8) & 0xFF) * 59 + (p & 0xFF) * 11) / 100;
        grey = 128 + grey / 2;
        disabled.pixels[i] = (grey << 16) | (grey << 8) | grey;
    }
    normal_ = std::move(normal.bitmap);
    disabled_ = std::move(disabled.bitmap);
}

TButton::TButton(const TControlArgs& args, const TButtonStyle& style) : TWinControl(args), style_(style) {
    CreateStdWindow(L"BUTTON", BS_OWNERDRAW | WS_TABSTOP, 0);
}

LRESULT TButton::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_MOUSEMOVE:
        if (!hot_) {
            hot_ = true;
            TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, Handle(), 0};
            TrackMouseEvent(&tme);
            InvalidateRect(Handle(), nullptr, FALSE);
        }
        break;
    case WM_MOUSELEAVE:
        hot_ = false;
        InvalidateRect(Handle(), nullptr, FALSE);
        break;
    case WM_ERASEBKGND:
        return 1;
    }
    return TWinControl::WndProc(msg, wp, lp);
}

bool TButton::Notify(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED) {
        if (OnClick) OnClick();
        result = 0;
        return true;
    }
    if (msg == WM_DRAWITEM) {
        Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
        result = TRUE;
        return true;
    }
    return false;
}

void TButton::Draw(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    bool pressed = item.itemState & ODS_SELECTED;
    bool disabled = item.itemState & ODS_DISABLED;
    bool focused = item.itemState & ODS_FOCUS;

    // The parent's colour around the rounded corners.
    FillRect(dc, &r, BackgroundBrush());
    COLORREF face = pressed ? style_.HighlightColor : style_.FaceColor;
    COLORREF frame = disabled ? RGB(160, 160, 160) : (hot_ ? style_.HotTrackColor : style_.FrameColor);
    Brush faceBrush(CreateSolidBrush(face));
    GdiObject pen(CreatePen(PS_SOLID, hot_ && !disabled ? 2 : 1, frame));
    HGDIOBJ oldPen = SelectObject(dc, pen.get());
    HGDIOBJ oldBrush = SelectObject(dc, faceBrush.get());
    RoundRect(dc, r.left, r.top, r.right, r.bottom, 6, 6);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);

    std::wstring text = Caption();
    HGDIOBJ oldFont = SelectObject(dc, FontHandle());
    SIZE textSize{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &textSize);
    int glyphSize = style_.Glyph ? style_.Glyph->Size() : 0;
    int gap = glyphSize && !text.empty() ? 6 : 0;
    int total = glyphSize + gap + textSize.cx;
    int x = r.left + (r.right - r.left - total) / 2 + (pressed ? 1 : 0);
    int cy = (r.top + r.bottom) / 2 + (pressed ? 1 : 0);
    if (style_.Glyph) {
        MemoryDc mem(CreateCompatibleDC(dc));
        HGDIOBJ oldBmp = SelectObject(mem.get(), disabled ? style_.Glyph->Disabled() : style_.Glyph->Normal());
        GdiTransparentBlt(dc, x, cy - glyphSize / 2, glyphSize, glyphSize, mem.get(), 0, 0, glyphSize, glyphSize,
                          TGlyph::Transparent);
        SelectObject(mem.get(), oldBmp);
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, disabled ? RGB(140, 140, 140) : FontSpec().Color);
    RECT tr{x + glyphSize + gap, r.top, r.right, r.bottom};
    tr.top += pressed ? 1 : 0;
    tr.bottom += pressed ? 1 : 0;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &tr, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    SelectObject(dc, oldFont);
    if (focused && !disabled) {
        RECT fr = r;
        InflateRect(&fr, -3, -3);
        DrawFocusRect(dc, &fr);
    }
}

}  // namespace ui
