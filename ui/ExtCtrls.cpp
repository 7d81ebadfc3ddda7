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

#include <commctrl.h>

#include "ui/Application.h"
#include "ui/Exception.h"

namespace ui {

TLabel::TLabel(const TControlArgs& args, bool wordWrap, bool centered) : TWinControl(args), wordWrap_(wordWrap) {
    // The alignment styles are one value, not flags.
    DWORD kind = centered ? SS_CENTER : wordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP;
    CreateStdWindow(L"STATIC", kind | SS_NOPREFIX, 0);
}

bool TLabel::Notify(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
    if (msg != WM_CTLCOLORSTATIC) return false;
    HDC dc = reinterpret_cast<HDC>(wp);
    SetTextColor(dc, FontSpec().Color);
    SetBkColor(dc, Color());
    result = reinterpret_cast<LRESULT>(BackgroundBrush());
    return true;
}

void TLabel::SetText(const std::wstring& text) {
    SetCaption(text);
    FitHeight();
}

void TLabel::SetFontHeight(int pixels) {
    TFontSpec spec = FontSpec();
    ownFont_.reset(CreateFontW(-pixels, 0, 0, 0, spec.Bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, spec.Charset,
                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                               spec.Name.c_str()));
    SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(ownFont_.get()), TRUE);
    FitHeight();
}

void TLabel::FitHeight() {
    if (!wordWrap_) return;
    WindowDc dc(Handle());
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
    HGDIOBJ old = SelectObject(dc.get(), font);
    std::wstring text = Caption();
    RECT r{0, 0, Width(), 0};
    DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc.get(), old);
    RECT b = BoundsRect();
    SetBounds(b.left, b.top, b.right - b.left, r.bottom);
    if (Parent()) Parent()->Realign();
}

TTimer::TTimer(unsigned intervalMs) : interval_(intervalMs) {
    HINSTANCE inst = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    if (!GetClassInfoExW(inst, L"TTimer", &wc)) {
        wc = {};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = Proc;
        wc.hInstance = inst;
        wc.lpszClassName = L"TTimer";
        RegisterClassExW(&wc);
    }
    wnd_ = CreateWindowExW(0, L"TTimer", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, inst, nullptr);
    if (!wnd_) RaiseLastOSError(L"TTimer");
    SetWindowLongPtrW(wnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TTimer::~TTimer() { DestroyWindow(wnd_); }

void TTimer::SetInterval(unsigned ms) {
    interval_ = ms;
    if (enabled_) SetTimer(wnd_, 1, interval_, nullptr);
}

void TTimer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (enabled) SetTimer(wnd_, 1, interval_, nullptr);
    else KillTimer(wnd_, 1);
}

LRESULT CALLBACK TTimer::Proc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_TIMER) {
        auto* self = reinterpret_cast<TTimer*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
        try {
            if (self && self->enabled_ && self->OnTimer) self->OnTimer();
        } catch (...) {
            Application().HandleException();
        }
        return 0;
    }
    return DefWindowProcW(wnd, msg, wp, lp);
}

TProgressBar::TProgressBar(const TControlArgs& args, int maximum, int step) : TWinControl(args) {
    CreateStdWindow(PROGRESS_CLASSW, PBS_SMOOTH, 0);
    SendMessageW(Handle(), PBM_SETRANGE32, 0, maximum);
    SendMessageW(Handle(), PBM_SETSTEP, static_cast<WPARAM>(step), 0);
}

int TProgressBar::Position() const { return static_cast<int>(SendMessageW(Handle(), PBM_GETPOS, 0, 0)); }
void TProgressBar::SetPosition(int position) { SendMessageW(Handle(), PBM_SETPOS, static_cast<WPARAM>(position), 0); }
void TProgressBar::StepIt() { SendMessageW(Handle(), PBM_STEPIT, 0, 0); }

}  // namespace ui
