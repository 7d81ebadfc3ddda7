#pragma once
// The base of every window of the widget layer: one static window procedure binds
// the object at WM_NCCREATE (own classes) or when the standard control is
// subclassed, and unbinds it at WM_NCDESTROY. Notifications that Windows sends to a
// parent are passed back to the child's own wrapper.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/Handle.h"

namespace ui {

enum class TAlign { None, Top, Bottom, Left, Right, Client };

// A colour that follows the parent's colour until one is set.
inline constexpr COLORREF clParent = 0xFF000000;

struct TFontSpec {
    std::wstring Name = L"MS Sans Serif";
    int Height = 13;  // pixels, the character height
    COLORREF Color = RGB(0, 0, 0);
    BYTE Charset = DEFAULT_CHARSET;
    bool Bold = false;
};

// What every control is created with; the design's own pixels.
struct TControlArgs {
    class TWinControl* Parent = nullptr;
    std::wstring Name;
    std::wstring Caption;
    int Left = 0, Top = 0, Width = 0, Height = 0;
    TAlign Align = TAlign::None;
    bool Visible = true;
    COLORREF Color = clParent;
    const TFontSpec* Font = nullptr;  // nullptr: the parent's font
};

// A parent that goes first detaches its children (and takes their windows), so controls may be freed in any order.
class TWinControl {
public:
    TWinControl(const TWinControl&) = delete;
    TWinControl& operator=(const TWinControl&) = delete;
    virtual ~TWinControl();

    HWND Handle() const { return wnd_; }
    const std::wstring& Name() const { return name_; }
    TWinControl* Parent() const { return parent_; }

    std::wstring Caption() const;
    void SetCaption(const std::wstring& text);

    RECT BoundsRect() const;  // in the parent's client coordinates
    void SetBounds(int left, int top, int width, int height);
    int Width() const;
    int Height() const;
    int ClientWidth() const;
    int ClientHeight() const;

    bool Visible() const;
    void SetVisible(bool visible);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    void SetFocus();
    bool Focused() const;

    // The control's background colour; clParent follows the parent.
    COLORREF Color() const;
    void SetColor(COLORREF color);
    const TFontSpec& FontSpec() const;
    HFONT FontHandle() const;

    TAlign Align() const { return align_; }
    // Places the visible children by their alignment: top, bottom, left, right,
    // each in creation order, then client into what is left.
    void Realign();
    void Repaint();

protected:
    explicit TWinControl(const TControlArgs& args);

    // Own window classes: registered on first use under the given name.
    void CreateOwnWindow(const wchar_t* className, DWORD style, DWORD exStyle, HWND owner = nullptr);
    // Standard controls: created from the system class and subclassed.
    void CreateStdWindow(const wchar_t* className, DWORD style, DWORD exStyle);

    virtual LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT DefaultProc(UINT msg, WPARAM wp, LPARAM lp);
    // A notification its parent received on its behalf (WM_COMMAND, WM_DRAWITEM,
    // WM_CTLCOLOR*). Returns true when handled.
    virtual bool Notify(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
    virtual void Resized() {}
    // The client area that aligned children share.
    virtual RECT AlignRect() const;
    // The brush of the control's colour, for WM_CTLCOLOR* and erasing.
    HBRUSH BackgroundBrush();

    static TWinControl* FromHandle(HWND wnd);

private:
    static LRESULT CALLBACK StaticProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK SubclassProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self);
    LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp);
    void Bind(HWND wnd);
    void Unbind();
    void ApplyFont();
    void InvalidateOnParentColor();
    int NextChildId();

    HWND wnd_ = nullptr;
    bool subclassed_ = false;
    TWinControl* parent_;
    std::vector<TWinControl*> children_;
    std::wstring name_;
    TControlArgs args_;  // the design's values, read when the window is created
    TAlign align_;
    COLORREF color_;
    TFontSpec font_;
    bool ownFont_;
    Font fontHandle_;
    Brush brush_;
    COLORREF brushColor_ = CLR_INVALID;
    int nextId_ = 1000;
};

}  // namespace ui
