#pragma once
// The fixture of the robot's installation runs: a generated distribution, a target
// folder of the test's own, and the test prefix's fonts, font values, desktop link
// and display resolution put back before and after.
#include "Distribution.h"
#include "WizardRobot.h"

class InstallRun : public WizardRun {
protected:
    InstallRun();
    ~InstallRun() override;

    void Layout(const TDistributionOptions& options = {});
    // The display resolution that Install.exe will see when it starts.
    void SetResolution(DWORD dpi);
    // From the start to "Начать установку" with the target typed on the path page;
    // `beforeInstall` may change the components page first.
    void BeginInstall(const std::function<void()>& beforeInstall = {});
    // Clears "Устанавливать драйвер" on the components page.
    void UncheckDriver();
    // Answers the driver question with the button.
    void AnswerDriver(int buttonId);
    bool WaitFontSizePage(int timeoutMs = 60000);
    std::vector<std::wstring> Log();
    std::wstring LinkPath() const;

    // Takes away the fonts, font values, desktop link and display resolution that a
    // run leaves in the test prefix.
    void CleanPrefix();

    std::wstring target;  // with a trailing backslash
};

std::wstring CopyLine(const std::wstring& name, const wchar_t* suffix = L"Завершено");
