#include "WizardRobot.h"

using namespace testing_support;

WizardRun::WizardRun() : dist(root / L"dist\\"), elsewhere(root / L"elsewhere\\") {
    MakeFolders(dist);
    MakeFolders(elsewhere);
    CopyFileTo(BinFolder() + L"Install.exe", dist + L"Install.exe");
}

void WizardRun::Start() {
    process = robot::Launch(dist + L"Install.exe", elsewhere);
    main = robot::WaitTopWindow(process.Id(), L"TFMain");
    ASSERT_NE(main, nullptr) << "the wizard window did not appear";
}

HWND WizardRun::Control(const std::wstring& name) {
    HWND wnd = robot::FindControl(main, name);
    EXPECT_NE(wnd, nullptr) << Utf8(name);
    return wnd;
}

void WizardRun::TearDown() {
    if (!HasFailure() || !main || !IsWindow(main)) return;
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::wstring folder = BuildFolder() + L"screens\\failures\\";
    MakeFolders(folder);
    std::string name = std::string(info->test_suite_name()) + "." + info->name() + ".png";
    robot::SaveScreenshot(main, folder + std::wstring(name.begin(), name.end()));
}
