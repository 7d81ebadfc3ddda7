#include "ui/Form.h"

#include "ui/Application.h"

namespace ui {

namespace {
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN;
const wchar_t* const kFormProp = L"ui.TForm";
}

TForm::TForm(const TFormArgs& args)
    : TWinControl(TControlArgs{.Caption = args.Caption, .Font = &args.Font}) {
    RECT r{0, 0, args.ClientWidth, args.ClientHeight};
    DWORD style = kStyle | (args.SystemMenu ? WS_SYSMENU | WS_MINIMIZEBOX : 0);
    DWORD exStyle = WS_EX_CONTROLPARENT | (args.StayOnTop ? WS_EX_TOPMOST : 0);
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
    CreateOwnWindow(args.ClassName, style, exStyle, Application().Handle());
    SetPropW(Handle(), kFormProp, reinterpret_cast<HANDLE>(1));
    SetWindowPos(Handle(), nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Application().AddForm(this);
}

TForm::~TForm() {
    if (Handle()) DestroyWindow(Handle());
}

bool TForm::IsForm(HWND wnd) { return GetPropW(wnd, kFormProp) != nullptr; }

void TForm::CenterOnScreen() {
    int w = Width(), h = Height();
    int x = (GetSystemMetrics(SM_CXSCREEN) - w) / 2;
    int y = (GetSystemMetrics(SM_CYSCREEN) - h) / 2;
    SetWindowPos(Handle(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::Show() {
    if (!shown_) {
        CenterOnScreen();
        shown_ = true;
    }
    if (OnShow) OnShow();
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
}

namespace {

// A modal form's time on screen: the form marked modal and the main form disabled.
// However it ends, also by an error that leaves ShowModal, the mark goes and the
// main form is enabled and active again.
class ModalScope {
public:
    ModalScope(bool& modal, HWND owner) : modal_(modal), owner_(owner && IsWindowEnabled(owner) ? owner : nullptr) {
        modal_ = true;
        if (owner_) EnableWindow(owner_, FALSE);
    }
    ~ModalScope() {
        modal_ = false;
        if (!owner_) return;
        EnableWindow(owner_, TRUE);
        SetActiveWindow(owner_);
    }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

private:
    bool& modal_;
    HWND owner_;
};

}  // namespace

void TForm::ShowModal() {
    TForm* main = Application().MainForm();
    ModalScope scope(modal_, main && main != this ? main->Handle() : nullptr);
    Show();
    MSG msg;
    while (modal_ && IsWindow(Handle())) {
        if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (!IsDialogMessageW(Handle(), &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
}

void TForm::SetOuterBounds(int left, int top, int width, int height) {
    SetWindowPos(Handle(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::Close() { SendMessageW(Handle(), WM_CLOSE, 0, 0); }

void TForm::BringToFront() {
    SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
}

bool TForm::CloseQuery() {
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(canClose);
    return canClose;
}

LRESULT TForm::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_CLOSE:
        if (!CloseQuery()) return 0;
        if (OnClose) OnClose();
        if (modal_) {
            ShowWindow(Handle(), SW_HIDE);
            modal_ = false;
        } else {
            DestroyWindow(Handle());
        }
        return 0;
    case WM_QUERYENDSESSION:
        return CloseQuery() ? TRUE : FALSE;
    case WM_DESTROY:
        RemovePropW(Handle(), kFormProp);
        Application().RemoveForm(this);
        break;
    }
    return TWinControl::WndProc(msg, wp, lp);
}

}  // namespace ui
