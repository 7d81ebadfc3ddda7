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

bool WizardRun::WaitVisible(const std::wstring& name, int timeoutMs) {
    return robot::WaitFor([&] {
        HWND w = robot::FindControl(main, name);
        return w && robot::IsVisible(w);
    }, timeoutMs);
}

void WizardRun::ClickAndWaitPage(const std::wstring& button, const std::wstring& page) {
    robot::Click(Control(button));
    ASSERT_TRUE(WaitVisible(page)) << Utf8(page) << " was not shown";
}

void WizardRun::GoToPathPage() { ClickAndWaitPage(L"BtnStartNext", L"tsInputPath"); }

void WizardRun::GoToComponentsPage(const std::wstring& path) {
    GoToPathPage();
    robot::SetText(Control(L"ePath"), path);
    ClickAndWaitPage(L"BtnInputPathNext", L"tsInputComponents");
    DismissNotice();
}

void WizardRun::DismissNotice() {
    HWND notice = robot::WaitTopWindow(process.Id(), L"TFMessageform");
    ASSERT_NE(notice, nullptr) << "the driver notice did not appear";
    robot::Click(robot::FindControl(notice, L"btnOK"));
    ASSERT_TRUE(robot::WaitFor([&] { return !robot::IsVisible(notice); })) << "the notice did not close";
}

void WizardRun::Answer(const std::wstring& text, int buttonId) {
    HWND box = robot::WaitMessageBox(process.Id());
    ASSERT_NE(box, nullptr) << "no message box appeared";
    EXPECT_EQ(robot::MessageText(box), text);
    robot::Press(box, buttonId);
    EXPECT_TRUE(robot::WaitFor([&] { return !IsWindow(box); }));
}

void WizardRun::TearDown() {
    if (!HasFailure() || !main || !IsWindow(main)) return;
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::wstring folder = BuildFolder() + L"screens\\failures\\";
    MakeFolders(folder);
    std::string name = std::string(info->test_suite_name()) + "." + info->name() + ".png";
    robot::SaveScreenshot(main, folder + std::wstring(name.begin(), name.end()));
}
