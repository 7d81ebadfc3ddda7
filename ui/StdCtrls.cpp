#include "ui/StdCtrls.h"

#include <algorithm>

#include "ui/Exception.h"

namespace ui {

bool TColoredControl::Notify(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
    if (msg != WM_CTLCOLORSTATIC && msg != WM_CTLCOLOREDIT && msg != WM_CTLCOLORLISTBOX && msg != WM_CTLCOLORBTN)
        return false;
    HDC dc = reinterpret_cast<HDC>(wp);
    SetTextColor(dc, FontSpec().Color);
    SetBkColor(dc, Color());
    result = reinterpret_cast<LRESULT>(BackgroundBrush());
    return true;
}

TMemo::TMemo(const TControlArgs& args, const std::vector<std::wstring>& lines) : TColoredControl(args) {
    CreateStdWindow(L"EDIT", ES_MULTILINE | ES_READONLY, 0);
    std::wstring text;
    for (size_t i = 0; i < lines.size(); ++i) text += (i ? L"\r\n" : L"") + lines[i];
    SetCaption(text);
}

TFramedControl::TFramedControl(const TControlArgs& args, const TFrameStyle& frame)
    : TColoredControl(args), frame_(frame) {}

void TFramedControl::PaintFrame() {
    HDC dc = GetWindowDC(Handle());
    RECT r;
    GetWindowRect(Handle(), &r);
    OffsetRect(&r, -r.left, -r.top);
    Brush brush(CreateSolidBrush(hot_ || Focused() ? frame_.HotFrameColor : frame_.FrameColor));
    FrameRect(dc, &r, brush.get());
    ReleaseDC(Handle(), dc);
}

LRESULT TFramedControl::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_NCPAINT: {
        LRESULT r = TColoredControl::WndProc(msg, wp, lp);
        PaintFrame();
        return r;
    }
    case WM_MOUSEMOVE:
        if (!hot_) {
            hot_ = true;
            TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, Handle(), 0};
            TrackMouseEvent(&tme);
            PaintFrame();
        }
        break;
    case WM_MOUSELEAVE:
        hot_ = false;
        PaintFrame();
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        LRESULT r = TColoredControl::WndProc(msg, wp, lp);
        PaintFrame();
        return r;
    }
    }
    return TColoredControl::WndProc(msg, wp, lp);
}

TEdit::TEdit(const TControlArgs& args, const TFrameStyle& frame) : TFramedControl(args, frame) {
    CreateStdWindow(L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP | WS_BORDER, 0);
}

TListBox::TListBox(const TControlArgs& args, int itemHeight, const TFrameStyle& frame)
    : TFramedControl(args, frame) {
    CreateStdWindow(L"LISTBOX", LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS | WS_VSCROLL | WS_BORDER, 0);
    SendMessageW(Handle(), LB_SETITEMHEIGHT, 0, itemHeight);
}

int TListBox::Add(const std::wstring& line) {
    auto index = SendMessageW(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    if (index < 0) throw EListError(L"Не удалось добавить строку в список");
    return static_cast<int>(index);
}

int TListBox::Count() const { return static_cast<int>(SendMessageW(Handle(), LB_GETCOUNT, 0, 0)); }

std::wstring TListBox::Item(int index) const {
    auto n = SendMessageW(Handle(), LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (n < 0) throw EListError(L"Индекс списка вне диапазона (" + std::to_wstring(index) + L")");
    std::wstring s(static_cast<size_t>(n) + 1, L'\0');
    SendMessageW(Handle(), LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(s.data()));
    s.resize(static_cast<size_t>(n));
    return s;
}

void TListBox::SetItem(int index, const std::wstring& line) {
    if (index < 0 || index >= Count())
        throw EListError(L"Индекс списка вне диапазона (" + std::to_wstring(index) + L")");
    SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
    SendMessageW(Handle(), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
    SendMessageW(Handle(), LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(line.c_str()));
    SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void TListBox::ScrollToItem(int index) {
    RECT client, item;
    GetClientRect(Handle(), &client);
    if (SendMessageW(Handle(), LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) == LB_ERR)
        return;
    if (item.top < client.top || item.bottom > client.bottom) {
        int perPage = std::max<int>(1, client.bottom / std::max<int>(1, item.bottom - item.top));
        SendMessageW(Handle(), LB_SETTOPINDEX, static_cast<WPARAM>(std::max(0, index - perPage + 1)), 0);
    }
}

void TListBox::Clear() { SendMessageW(Handle(), LB_RESETCONTENT, 0, 0); }

TCheckBox::TCheckBox(const TControlArgs& args, bool checked) : TColoredControl(args) {
    CreateStdWindow(L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0);
    SetChecked(checked);
}

bool TCheckBox::Checked() const { return SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void TCheckBox::SetChecked(bool checked) {
    SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

TComboBox::TComboBox(const TControlArgs& args, const std::vector<std::wstring>& items, int itemIndex)
    : TColoredControl(args) {
    CreateStdWindow(L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0);
    for (const std::wstring& item : items)
        SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    SetItemIndex(itemIndex);
}

int TComboBox::ItemIndex() const { return static_cast<int>(SendMessageW(Handle(), CB_GETCURSEL, 0, 0)); }

void TComboBox::SetItemIndex(int index) { SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0); }

}  // namespace ui
