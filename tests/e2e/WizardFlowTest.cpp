// The wizard's pages and their buttons, driven through the real Install.exe.
#include "WizardRobot.h"

#include <commctrl.h>

using namespace testing_support;

namespace {

const wchar_t* const kPages[] = {L"tsStart", L"tsInputPath", L"tsInputComponents",
                                 L"tsProgressInstall", L"tsCancel", L"tsChangeFontSize"};

bool HasTabRow(HWND top) {
    bool found = false;
    EnumChildWindows(
        top,
        [](HWND w, LPARAM lp) CALLBACK -> BOOL {
            wchar_t cls[64];
            GetClassNameW(w, cls, 64);
            if (wcscmp(cls, WC_TABCONTROLW) == 0) *reinterpret_cast<bool*>(lp) = true;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace

TEST_F(WizardRun, StartsOnTheWelcomePageWithoutTabRowAndProposesCHolter) {
    Start();
    for (const wchar_t* page : kPages)
        EXPECT_EQ(robot::IsVisible(Control(page)), page == std::wstring(L"tsStart")) << Utf8(page);
    EXPECT_FALSE(HasTabRow(main));
    EXPECT_EQ(robot::Text(Control(L"ePath")), L"C:\\Holter");
    EXPECT_FALSE(robot::IsEnabled(Control(L"BtnExit")));
    EXPECT_FALSE(robot::IsVisible(Control(L"LogList")));
}

TEST_F(WizardRun, NextOnTheWelcomePagePutsTheFocusIntoThePath) {
    Start();
    GoToPathPage();
    EXPECT_TRUE(robot::WaitFor([&] { return robot::FocusOf(main) == Control(L"ePath"); }));
}

struct RefusedPath {
    const char* name;
    const wchar_t* typed;
    const wchar_t* message;
    const wchar_t* fieldAfter;
};

class RefusedPathRun : public WizardRun, public ::testing::WithParamInterface<RefusedPath> {};

TEST_P(RefusedPathRun, IsRefusedWithItsMessageAndTheFocusBackInThePath) {
    const RefusedPath& c = GetParam();
    Start();
    GoToPathPage();
    robot::SetText(Control(L"ePath"), c.typed);
    robot::Click(Control(L"BtnInputPathNext"));
    Answer(c.message, IDOK);
    EXPECT_EQ(robot::Text(Control(L"ePath")), c.fieldAfter);
    EXPECT_TRUE(robot::IsVisible(Control(L"tsInputPath")));
    EXPECT_FALSE(robot::IsVisible(Control(L"tsInputComponents")));
    EXPECT_TRUE(robot::WaitFor([&] { return robot::FocusOf(main) == Control(L"ePath"); }));
}

INSTANTIATE_TEST_SUITE_P(
    Paths, RefusedPathRun,
    ::testing::Values(RefusedPath{"DriveOnly", L"C:", L"Программу нелзя устанавливать в корневой каталог!", L"C:\\"},
                      RefusedPath{"RootInBlanks", L"  D:\\ ", L"Программу нелзя устанавливать в корневой каталог!",
                                  L"D:\\"},
                      RefusedPath{"ThreeCharacters", L"Ab", L"Программу нелзя устанавливать в корневой каталог!",
                                  L"Ab\\"},
                      RefusedPath{"Empty", L"", L"Не выбран путь для установки программы!", L""},
                      RefusedPath{"Blanks", L" \t ", L"Не выбран путь для установки программы!", L" \t "}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WizardRun, NewFolderIsCreatedWithItsSettingsFolder) {
    Start();
    std::wstring target = root / L"Holter";
    GoToComponentsPage(L"  " + target + L" ");
    EXPECT_TRUE(IsFolder(target + L"\\"));
    EXPECT_TRUE(IsFolder(target + L"\\Settings\\"));
    EXPECT_EQ(robot::Text(Control(L"ePath")), target + L"\\");
}

TEST_F(WizardRun, MissingParentLeadsOnWithoutMessageAndCreatesNothing) {
    Start();
    GoToComponentsPage(root / L"a\\b");
    EXPECT_FALSE(IsFolder(root / L"a"));
    EXPECT_EQ(robot::FindTopWindow(process.Id(), L"#32770"), nullptr);
}

TEST_F(WizardRun, RelativePathIsCreatedUnderTheProgramsFolder) {
    Start();
    GoToComponentsPage(L"Abc");
    EXPECT_TRUE(IsFolder(dist + L"Abc\\Settings\\"));
    EXPECT_FALSE(IsFolder(elsewhere + L"Abc"));
}

TEST_F(WizardRun, BackOnTheComponentsPageReturnsToThePathPage) {
    Start();
    GoToComponentsPage(root / L"Holter");
    ClickAndWaitPage(L"BtnInputComponentsBack", L"tsInputPath");
    EXPECT_FALSE(robot::IsVisible(Control(L"tsInputComponents")));
    ClickAndWaitPage(L"BtnInputPathNext", L"tsInputComponents");
    DismissNotice();  // shown again on every arrival
}

TEST_F(WizardRun, CancelAnsweredNoChangesNothing) {
    Start();
    GoToPathPage();
    robot::Click(Control(L"BtnCancel2"));
    Answer(L"Вы уверены, что хотите отменить процесс установки?", IDNO);
    EXPECT_TRUE(robot::IsVisible(Control(L"tsInputPath")));
    // Closing is still granted as before.
    PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(process.WaitExit(10000));
}

class EachEarlyPage : public WizardRun, public ::testing::WithParamInterface<int> {
protected:
    // Brings the wizard to page 0, 1 or 2 and names that page's cancel button.
    std::wstring ReachPage() {
        Start();
        if (GetParam() == 0) return L"BtnCancel";
        if (GetParam() == 1) {
            GoToPathPage();
            return L"BtnCancel2";
        }
        GoToComponentsPage(root / L"Holter");
        return L"BtnCancel4";
    }
};

TEST_P(EachEarlyPage, CancelAnsweredYesShowsTheCancelPageWhoseExitEndsTheProgram) {
    std::wstring cancel = ReachPage();
    robot::Click(Control(cancel));
    Answer(L"Вы уверены, что хотите отменить процесс установки?", IDYES);
    ASSERT_TRUE(WaitVisible(L"tsCancel"));
    EXPECT_EQ(robot::Text(Control(L"MemoCancel")),
              L"Установка комплекса \"Ритмикон-Холтер\" отменена!\r\n\r\n"
              L"Нажмите кнопку \"Выход\", для выхода из программы установки.");
    robot::Click(Control(L"BtnExitCancel"));
    ASSERT_TRUE(process.WaitExit(10000));
    EXPECT_EQ(process.ExitCode(), 0u);
}

TEST_P(EachEarlyPage, CloseBoxEndsTheProgramAtOnce) {
    ReachPage();
    PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(process.WaitExit(10000));
    EXPECT_EQ(process.ExitCode(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Pages, EachEarlyPage, ::testing::Values(0, 1, 2));

TEST_F(WizardRun, CancelledFolderBrowserLeavesThePathAsItWas) {
    Start();
    GoToPathPage();
    robot::SetText(Control(L"ePath"), L"D:\\Somewhere");
    robot::Click(Control(L"BtnSelectPath"));
    HWND browser = robot::WaitTopWindow(process.Id(), L"#32770");
    ASSERT_NE(browser, nullptr) << "the folder browser did not open";
    EXPECT_FALSE(robot::IsEnabled(main)) << "the wizard stays usable behind the folder browser";
    robot::Press(browser, IDCANCEL);
    ASSERT_TRUE(robot::WaitFor([&] { return !IsWindow(browser); }));
    EXPECT_TRUE(robot::WaitFor([&] { return robot::IsEnabled(main); }));
    EXPECT_EQ(robot::Text(Control(L"ePath")), L"D:\\Somewhere");
}

TEST_F(WizardRun, PagesCarryTheirFixedTexts) {
    Start();
    EXPECT_EQ(robot::Text(Control(L"MemoStart")),
              L"Добро пожаловать в программу установки комплекса \r\n\"РИТМИКОН-ХОЛТЕР\"!\r\n\r\n"
              L"Для продолжения установки, нажмите кнопку \"Далее\".\r\n\r\n"
              L"Для выхода из программы установки нажмите кнопку \"Отмена\".");
    EXPECT_EQ(robot::Text(Control(L"MemoInputPath")),
              L"Пожалуйста, задайте путь куда устанавливать программную часть \r\nкомплекса \"Ритмикон-Холтер\"");
    std::wstring components = robot::Text(Control(L"MemoInputComponents"));
    EXPECT_EQ(std::count(components.begin(), components.end(), L'\n'), 13);
    EXPECT_TRUE(components.starts_with(L" - Если у Вас есть 2-х канальный кабель"));
    EXPECT_TRUE(components.ends_with(L"\"Ритмикон-Холтер\" в меню \"Настройки\"."));
    HWND driver = Control(L"CbDriverInstal");
    EXPECT_EQ(robot::Text(driver), L"Устанавливать драйвер");
    EXPECT_EQ(SendMessageW(driver, BM_GETCHECK, 0, 0), BST_CHECKED);
    HWND windows = Control(L"CBWindows");
    EXPECT_FALSE(robot::IsVisible(windows));
    EXPECT_EQ(SendMessageW(windows, CB_GETCURSEL, 0, 0), 0);
    for (auto [name, caption] : {std::pair{L"BtnCancel", L"Отмена"}, {L"BtnStartNext", L"Далее"},
                                 {L"BtnSelectPath", L"Выбрать"}, {L"BtnInsatall", L"Начать установку"},
                                 {L"BtnInputComponentsBack", L"Назад"}, {L"BtnExit", L"Выход"},
                                 {L"BtnChangeFont", L"Изменить настройки"}})
        EXPECT_EQ(robot::Text(Control(name)), caption) << Utf8(name);
}

TEST_F(WizardRun, ComponentsPageShowsTheDriverNoticeWhichClosesItselfAfter20Seconds) {
    Start();
    GoToPathPage();
    robot::SetText(Control(L"ePath"), root / L"Holter");
    ClickAndWaitPage(L"BtnInputPathNext", L"tsInputComponents");
    HWND notice = robot::WaitTopWindow(process.Id(), L"TFMessageform");
    ASSERT_NE(notice, nullptr);
    DWORD shown = GetTickCount();
    EXPECT_EQ(robot::Text(robot::FindControl(notice, L"lblMessage")),
              L"Внимание!\r Если на вашем компьютере уже установлен комплекс \"Ритмикон-Холтер\",\r"
              L" снимите галочку установки драйвера!");
    EXPECT_EQ(robot::Text(notice), L"");
    EXPECT_TRUE(robot::IsVisible(robot::FindControl(notice, L"btnOK")));
    EXPECT_FALSE(robot::IsVisible(robot::FindControl(notice, L"btnCancel")));
    EXPECT_TRUE(GetWindowLongW(notice, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(robot::IsEnabled(main)) << "the notice is modal";
    RECT r;
    GetWindowRect(notice, &r);
    EXPECT_EQ(r.bottom, GetSystemMetrics(SM_CYSCREEN) / 2);
    EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2);

    ASSERT_TRUE(robot::WaitFor([&] { return !IsWindow(notice) || !robot::IsVisible(notice); }, 30000));
    DWORD took = GetTickCount() - shown;
    EXPECT_GE(took, 18500u);
    EXPECT_LE(took, 23000u);
    EXPECT_TRUE(robot::IsVisible(Control(L"tsInputComponents")));
    EXPECT_TRUE(robot::WaitFor([&] { return robot::IsEnabled(main); }));
}
