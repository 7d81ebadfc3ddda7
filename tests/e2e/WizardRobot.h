#pragma once
// The fixture of the end-to-end runs: a distribution folder of its own with a copy
// of Install.exe, started from another current folder.
#include <gtest/gtest.h>

#include "Robot.h"
#include "TestSupport.h"

class WizardRun : public ::testing::Test {
protected:
    WizardRun();
    void TearDown() override;

    // Starts dist\Install.exe with elsewhere\ as the current folder and waits for
    // the wizard window.
    void Start();
    HWND Control(const std::wstring& name);
    // Waits until the named page (or control) is visible.
    bool WaitVisible(const std::wstring& name, int timeoutMs = 10000);
    void ClickAndWaitPage(const std::wstring& button, const std::wstring& page);
    // From the start page to the path page, then with `path` typed to the components page.
    void GoToPathPage();
    void GoToComponentsPage(const std::wstring& path);
    // Waits for the driver notice of the components page and presses its OK.
    void DismissNotice();
    // Waits for a message box with the text, presses the button and waits until it is gone.
    void Answer(const std::wstring& text, int buttonId);

    testing_support::TempFolder root{L"wiz"};
    std::wstring dist;       // the distribution folder, with a trailing backslash
    std::wstring elsewhere;  // the current folder it is started from
    robot::Process process;
    HWND main = nullptr;
};
