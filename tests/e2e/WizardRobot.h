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

    testing_support::TempFolder root{L"wiz"};
    std::wstring dist;       // the distribution folder, with a trailing backslash
    std::wstring elsewhere;  // the current folder it is started from
    robot::Process process;
    HWND main = nullptr;
};
