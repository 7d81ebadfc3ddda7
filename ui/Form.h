#pragma once
// A top-level window of fixed client size, owned by the application window. Its
// window class is named after the form class. Every request to close it, also
// Windows asking whether the session may end, goes through OnCloseQuery.
#include <functional>

#include "ui/Control.h"

namespace ui {

struct TFormArgs {
    const wchar_t* ClassName = L"TForm";
    std::wstring Caption;
    int ClientWidth = 0, ClientHeight = 0;
    TFontSpec Font;
    bool StayOnTop = false;
    bool SystemMenu = true;  // the caption's system menu and close box
};

class TForm : public TWinControl {
public:
    explicit TForm(const TFormArgs& args);
    ~TForm() override;

    void Show();
    // Shows the form with the application's other forms disabled and returns once it
    // has closed; a closed modal form is hidden, not destroyed. An error raised by
    // OnShow leaves it with the main form enabled and active again.
    void ShowModal();
    // Asks to close: granted when OnCloseQuery leaves CanClose true.
    void Close();
    void BringToFront();
    void SetOuterBounds(int left, int top, int width, int height);

    std::function<void(bool& canClose)> OnCloseQuery;
    std::function<void()> OnShow;
    std::function<void()> OnClose;

    static bool IsForm(HWND wnd);

protected:
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
    bool CloseQuery();
    void CenterOnScreen();

private:
    bool shown_ = false;
    bool modal_ = false;
};

}  // namespace ui
