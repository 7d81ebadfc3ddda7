#include "ui/Control.h"

#include "ui/Application.h"
#include "ui/CommonControls.h"
#include "ui/Exception.h"

namespace ui {

namespace {
const wchar_t* const kNameProp = L"Name";
// The wrapper object of one of our windows; absent on every other window.
const wchar_t* const kSelfProp = L"ui.TWinControl";
}

TWinControl::TWinControl(const TControlArgs& args)
    : parent_(args.Parent),
      name_(args.Name),
      args_(args),
      align_(args.Align),
      color_(args.Color),
      font_(args.Font ? *args.Font : (args.Parent ? args.Parent->FontSpec() : TFontSpec{})),
      ownFont_(args.Font != nullptr || args.Parent == nullptr) {
    if (parent_) parent_->children_.push_back(this);
}

TWinControl::~TWinControl() {
    for (TWinControl* child : children_) child->parent_ = nullptr;
    if (wnd_) DestroyWindow(wnd_);
    if (parent_) std::erase(parent_->children_, this);
}

int TWinControl::NextChildId() { return nextId_++; }

void TWinControl::CreateOwnWindow(const wchar_t* className, DWORD style, DWORD exStyle, HWND owner) {
    HINSTANCE inst = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    if (!GetClassInfoExW(inst, className, &wc)) {
        wc = {};
        wc.cbSize = sizeof wc;
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = StaticProc;
        wc.hInstance = inst;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hIcon = LoadIconW(inst, MAKEINTRESOURCEW(1));
        wc.lpszClassName = className;
        if (!RegisterClassExW(&wc)) RaiseLastOSError(className);
    }
    HWND parentWnd = parent_ ? parent_->Handle() : owner;
    if (parent_) style |= WS_CHILD | WS_CLIPSIBLINGS;
    if (args_.Visible && parent_) style |= WS_VISIBLE;
    HMENU id = parent_ ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(parent_->NextChildId())) : nullptr;
    HWND wnd = CreateWindowExW(exStyle, className, args_.Caption.c_str(), style, args_.Left, args_.Top,
                               args_.Width, args_.Height, parentWnd, id, inst, this);
    if (!wnd) RaiseLastOSError(className);
    ApplyFont();
    if (parent_ && align_ != TAlign::None) parent_->Realign();
}

void TWinControl::CreateStdWindow(const wchar_t* className, DWORD style, DWORD exStyle) {
    style |= WS_CHILD | WS_CLIPSIBLINGS;
    if (args_.Visible) style |= WS_VISIBLE;
    HMENU id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(parent_->NextChildId()));
    HWND wnd = CreateWindowExW(exStyle, className, args_.Caption.c_str(), style, args_.Left, args_.Top,
                               args_.Width, args_.Height, parent_->Handle(), id,
                               GetModuleHandleW(nullptr), nullptr);
    if (!wnd) RaiseLastOSError(className);
    Bind(wnd);
    subclassed_ = true;
    SetSubclass(wnd, SubclassProc, 1, reinterpret_cast<DWORD_PTR>(this));
    ApplyFont();
    if (align_ != TAlign::None) parent_->Realign();
}

void TWinControl::Bind(HWND wnd) {
    wnd_ = wnd;
    SetPropW(wnd, kSelfProp, this);
    // The component name, readable from another process as a global atom.
    if (!name_.empty())
        SetPropW(wnd, kNameProp,
                 reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(GlobalAddAtomW(name_.c_str()))));
}

void TWinControl::Unbind() {
    if (HANDLE atom = RemovePropW(wnd_, kNameProp))
        GlobalDeleteAtom(static_cast<ATOM>(reinterpret_cast<UINT_PTR>(atom)));
    if (subclassed_) RemoveSubclass(wnd_, SubclassProc, 1);
    RemovePropW(wnd_, kSelfProp);
    wnd_ = nullptr;
}

TWinControl* TWinControl::FromHandle(HWND wnd) {
    return wnd ? static_cast<TWinControl*>(GetPropW(wnd, kSelfProp)) : nullptr;
}

LRESULT CALLBACK TWinControl::StaticProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    TWinControl* self = nullptr;
    if (msg == WM_NCCREATE) {
        self = static_cast<TWinControl*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        self->Bind(wnd);
    } else {
        self = FromHandle(wnd);
    }
    if (!self) return DefWindowProcW(wnd, msg, wp, lp);
    LRESULT r = self->Dispatch(msg, wp, lp);
    if (msg == WM_NCDESTROY) self->Unbind();
    return r;
}

LRESULT CALLBACK TWinControl::SubclassProc(HWND, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR ref) {
    auto* self = reinterpret_cast<TWinControl*>(ref);
    LRESULT r = self->Dispatch(msg, wp, lp);
    if (msg == WM_NCDESTROY) self->Unbind();
    return r;
}

// No exception crosses into Win32 code: whatever an event handler raises is shown
// by the general error handler, and the window carries on.
LRESULT TWinControl::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
    try {
        return WndProc(msg, wp, lp);
    } catch (...) {
        Application().HandleException();
    }
    return 0;
}

LRESULT TWinControl::DefaultProc(UINT msg, WPARAM wp, LPARAM lp) {
    return subclassed_ ? DefaultSubclassProc(wnd_, msg, wp, lp) : DefWindowProcW(wnd_, msg, wp, lp);
}

bool TWinControl::Notify(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

LRESULT TWinControl::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    switch (msg) {
    case WM_COMMAND:
        if (auto* child = FromHandle(reinterpret_cast<HWND>(lp)); child && child != this)
            if (child->Notify(msg, wp, lp, result)) return result;
        break;
    case WM_DRAWITEM:
        if (auto* child = FromHandle(reinterpret_cast<DRAWITEMSTRUCT*>(lp)->hwndItem); child && child != this)
            if (child->Notify(msg, wp, lp, result)) return result;
        break;
    case WM_NOTIFY:
        if (auto* child = FromHandle(reinterpret_cast<NMHDR*>(lp)->hwndFrom); child && child != this)
            if (child->Notify(msg, wp, lp, result)) return result;
        break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
        if (auto* child = FromHandle(reinterpret_cast<HWND>(lp)); child && child != this)
            if (child->Notify(msg, wp, lp, result)) return result;
        break;
    case WM_SETCURSOR:
        if (Application().WaitCursor()) {
            ::SetCursor(LoadCursorW(nullptr, IDC_WAIT));
            return TRUE;
        }
        break;
    case WM_ERASEBKGND:
        if (!subclassed_) {
            RECT r;
            GetClientRect(wnd_, &r);
            FillRect(reinterpret_cast<HDC>(wp), &r, BackgroundBrush());
            return 1;
        }
        break;
    case WM_SIZE:
        if (!subclassed_) Realign();
        Resized();
        break;
    }
    return DefaultProc(msg, wp, lp);
}

std::wstring TWinControl::Caption() const {
    int n = GetWindowTextLengthW(wnd_);
    std::wstring s(static_cast<size_t>(n) + 1, L'\0');
    s.resize(static_cast<size_t>(GetWindowTextW(wnd_, s.data(), n + 1)));
    return s;
}

void TWinControl::SetCaption(const std::wstring& text) { SetWindowTextW(wnd_, text.c_str()); }

RECT TWinControl::BoundsRect() const {
    RECT r;
    GetWindowRect(wnd_, &r);
    if (HWND p = GetParent(wnd_); p && (GetWindowLongW(wnd_, GWL_STYLE) & WS_CHILD))
        MapWindowPoints(HWND_DESKTOP, p, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
    MoveWindow(wnd_, left, top, width, height, TRUE);
}

int TWinControl::Width() const { RECT r = BoundsRect(); return r.right - r.left; }
int TWinControl::Height() const { RECT r = BoundsRect(); return r.bottom - r.top; }
int TWinControl::ClientWidth() const { RECT r; GetClientRect(wnd_, &r); return r.right; }
int TWinControl::ClientHeight() const { RECT r; GetClientRect(wnd_, &r); return r.bottom; }

bool TWinControl::Visible() const { return (GetWindowLongW(wnd_, GWL_STYLE) & WS_VISIBLE) != 0; }

void TWinControl::SetVisible(bool visible) {
    if (visible == Visible()) return;
    ShowWindow(wnd_, visible ? SW_SHOW : SW_HIDE);
    if (parent_ && align_ != TAlign::None) parent_->Realign();
}

bool TWinControl::Enabled() const { return IsWindowEnabled(wnd_) != 0; }
void TWinControl::SetEnabled(bool enabled) { EnableWindow(wnd_, enabled); }
void TWinControl::SetFocus() { ::SetFocus(wnd_); }
bool TWinControl::Focused() const { return GetFocus() == wnd_; }

COLORREF TWinControl::Color() const {
    if (color_ != clParent) return color_;
    return parent_ ? parent_->Color() : GetSysColor(COLOR_BTNFACE);
}

void TWinControl::SetColor(COLORREF color) {
    color_ = color;
    InvalidateRect(wnd_, nullptr, TRUE);
    for (TWinControl* child : children_) child->InvalidateOnParentColor();
}

void TWinControl::InvalidateOnParentColor() {
    if (color_ != clParent) return;
    InvalidateRect(wnd_, nullptr, TRUE);
    for (TWinControl* child : children_) child->InvalidateOnParentColor();
}

HBRUSH TWinControl::BackgroundBrush() {
    COLORREF c = Color();
    if (!brush_ || brushColor_ != c) {
        brush_.reset(CreateSolidBrush(c));
        brushColor_ = c;
    }
    return brush_.get();
}

const TFontSpec& TWinControl::FontSpec() const { return font_; }

HFONT TWinControl::FontHandle() const {
    return ownFont_ || !parent_ ? fontHandle_.get() : parent_->FontHandle();
}

void TWinControl::ApplyFont() {
    if (ownFont_) {
        fontHandle_.reset(CreateFontW(-font_.Height, 0, 0, 0, font_.Bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                                      FALSE, font_.Charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                      DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, font_.Name.c_str()));
    }
    SendMessageW(wnd_, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), FALSE);
}

RECT TWinControl::AlignRect() const {
    RECT r;
    GetClientRect(wnd_, &r);
    return r;
}

void TWinControl::Realign() {
    RECT r = AlignRect();
    for (TAlign pass : {TAlign::Top, TAlign::Bottom, TAlign::Left, TAlign::Right, TAlign::Client}) {
        for (TWinControl* c : children_) {
            if (c->align_ != pass || !c->wnd_ || !c->Visible()) continue;
            int w = c->Width(), h = c->Height();
            switch (pass) {
            case TAlign::Top: c->SetBounds(r.left, r.top, r.right - r.left, h); r.top += h; break;
            case TAlign::Bottom: c->SetBounds(r.left, r.bottom - h, r.right - r.left, h); r.bottom -= h; break;
            case TAlign::Left: c->SetBounds(r.left, r.top, w, r.bottom - r.top); r.left += w; break;
            case TAlign::Right: c->SetBounds(r.right - w, r.top, w, r.bottom - r.top); r.right -= w; break;
            default: c->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top); break;
            }
        }
    }
}

void TWinControl::Repaint() {
    InvalidateRect(wnd_, nullptr, TRUE);
    UpdateWindow(wnd_);
}

}  // namespace ui
