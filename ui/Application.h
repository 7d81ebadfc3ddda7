#pragma once
// The application object: start-up of the platform services the windows need, the
// title, the main form, the message loop and the general error handler.
#include <windows.h>

#include <string>

namespace ui {

class TForm;

class TApplication {
public:
    // COM for this thread as a single-threaded apartment, the common controls
    // and the rich edit library.
    void Initialize();
    ~TApplication();

    const std::wstring& Title() const { return title_; }
    void SetTitle(const std::wstring& title);

    // The window that owns every form; its caption is the title on the taskbar.
    HWND Handle();

    TForm* MainForm() const { return mainForm_; }
    // The first form registered becomes the main form.
    void AddForm(TForm* form);
    void RemoveForm(TForm* form);

    // Shows the main form and serves messages until it has closed.
    void Run();
    // Serves the messages that are waiting, then returns.
    void ProcessMessages();
    bool Terminated() const { return terminated_; }

    // The wait cursor over the application's windows (the screen's cursor).
    bool WaitCursor() const;
    void SetWaitCursor(bool wait);

    // The general error handler: a modal error box with the message.
    void ShowException(const std::wstring& message);
    // Shows the exception being handled; call it only inside a catch block.
    void HandleException();

private:
    bool HandleMessage(MSG& msg);

    std::wstring title_;
    HWND handle_ = nullptr;
    TForm* mainForm_ = nullptr;
    bool comInitialized_ = false;
    bool terminated_ = false;
};

TApplication& Application();

}  // namespace ui
