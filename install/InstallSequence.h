#pragma once
// The installation: from the first log line to the closing question, in its
// numbered steps. It works through the wizard window it is given.
#include <string>

// What the installation reads and writes of the wizard window.
class TInstallWindow {
public:
    virtual std::wstring TargetPathText() = 0;
    // Clears the log, shows it and switches to the progress page.
    virtual void ShowProgressPage() = 0;
    virtual int AddLogLine(const std::wstring& line) = 0;
    virtual std::wstring LogLine(int index) = 0;
    virtual void SetLogLine(int index, const std::wstring& line) = 0;
    virtual void RepaintLog() = 0;
    virtual void ProcessMessages() = 0;
    // The close lock and the wait cursor, together.
    virtual void SetBusy(bool busy) = 0;
    virtual bool DriverChecked() = 0;
    virtual int ServerListIndex() = 0;
    virtual void InstallFonts() = 0;
    virtual bool Confirm(const std::wstring& question) = 0;
    virtual void ShowError(const std::wstring& message) = 0;
    virtual void EnableExit() = 0;
    virtual void ShowChangeFontSizePage() = 0;
    virtual void CloseWindow() = 0;

protected:
    ~TInstallWindow() = default;
};

// Runs the whole installation from `sourceFolder` (the medium, with a trailing
// backslash). Errors of the operations it calls are raised to the caller.
void RunInstallation(TInstallWindow& window, const std::wstring& sourceFolder, bool geliantEdition);
