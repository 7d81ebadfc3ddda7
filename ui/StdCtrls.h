#pragma once
// Wrappers of the standard controls: read-only memo, edit with a hot frame, list
// box, check box and drop-down list. Each takes its parent's colour unless given one.
#include <string>
#include <vector>

#include "ui/Control.h"

namespace ui {

// The colours of a frame drawn around an edit or a list box: the hot colour while
// the mouse is over it or it has the focus.
struct TFrameStyle {
    COLORREF FrameColor = GetSysColor(COLOR_BTNFACE);
    COLORREF HotFrameColor = RGB(0, 128, 255);
};

// A control that keeps its text and background colours for WM_CTLCOLOR*.
class TColoredControl : public TWinControl {
protected:
    using TWinControl::TWinControl;
    bool Notify(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
};

class TMemo : public TColoredControl {
public:
    TMemo(const TControlArgs& args, const std::vector<std::wstring>& lines);
};

class TFramedControl : public TColoredControl {
protected:
    TFramedControl(const TControlArgs& args, const TFrameStyle& frame);
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void PaintFrame();
    TFrameStyle frame_;
    bool hot_ = false;
};

class TEdit : public TFramedControl {
public:
    TEdit(const TControlArgs& args, const TFrameStyle& frame = {});
    std::wstring Text() const { return Caption(); }
    void SetText(const std::wstring& text) { SetCaption(text); }
};

class TListBox : public TFramedControl {
public:
    TListBox(const TControlArgs& args, int itemHeight, const TFrameStyle& frame = {});
    int Add(const std::wstring& line);  // the index of the new line
    int Count() const;
    std::wstring Item(int index) const;
    void SetItem(int index, const std::wstring& line);
    // Scrolls so that the line is in view.
    void ScrollToItem(int index);
    void Clear();
};

class TCheckBox : public TColoredControl {
public:
    TCheckBox(const TControlArgs& args, bool checked);
    bool Checked() const;
    void SetChecked(bool checked);
};

class TComboBox : public TColoredControl {
public:
    TComboBox(const TControlArgs& args, const std::vector<std::wstring>& items, int itemIndex);
    int ItemIndex() const;
    void SetItemIndex(int index);
};

}  // namespace ui
