// Install.exe started as a technician starts it: from the medium, with any current folder.
#include "WizardRobot.h"

#include <commctrl.h>

using namespace testing_support;

TEST_F(WizardRun, RunsWithItsOwnFolderAsWorkingFolder) {
    ASSERT_FALSE(IsFile(dist + L"Settings\\holter.ini"));
    Start();
    EXPECT_EQ(robot::CurrentFolderOf(process.Handle()), dist);
}

TEST_F(WizardRun, WindowHasItsCaptionAndClientSize) {
    Start();
    EXPECT_EQ(robot::Text(main), L"Установка комплекса");
    RECT r = robot::ClientRectOf(main);
    EXPECT_EQ(r.right, 954);
    EXPECT_EQ(r.bottom, 579);
    HWND app = robot::FindTopWindow(process.Id(), L"TApplication");
    ASSERT_NE(app, nullptr);
    EXPECT_EQ(robot::Text(app), L"Установка комплекса \"Ритмикон-Холтер\"");
}

TEST_F(WizardRun, StartsNormallyWithASettingsFileBesideIt) {
    MakeFolders(dist + L"Settings\\");
    WriteBytes(dist + L"Settings\\holter.ini", "[options]\r\nLanguageSetting=RUS\r\n");
    Start();
    EXPECT_TRUE(robot::IsVisible(main));
}

TEST_F(WizardRun, CloseBoxEndsTheProgramWithExitCodeZero) {
    Start();
    PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(process.WaitExit(10000));
    EXPECT_EQ(process.ExitCode(), 0u);
}

TEST_F(WizardRun, LaunchProgressWindowExistsHidden) {
    Start();
    HWND waitRun = nullptr;
    EXPECT_TRUE(robot::WaitFor([&] { return (waitRun = robot::FindTopWindow(process.Id(), L"TFWaitRun", false)); }));
    ASSERT_NE(waitRun, nullptr);
    EXPECT_FALSE(robot::IsVisible(waitRun));
    EXPECT_EQ(robot::Text(waitRun), L"Launching ");
    EXPECT_EQ(SendMessageW(robot::FindControl(waitRun, L"ProgressBar"), PBM_GETPOS, 0, 0), 0);
    EXPECT_EQ(robot::Text(robot::FindControl(waitRun, L"LblProgress")), L"");
}
