// The form's close rules and the general error handler, in process.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "Robot.h"
#include "ui/Application.h"
#include "ui/Buttons.h"
#include "ui/Exception.h"
#include "ui/Form.h"

namespace {

class FormTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ui::Application().Initialize(); }
    // The first form of a test is the main one, and its end asks the message loop to
    // quit; the next test starts without that request.
    void SetUp() override {
        MSG quit;
        PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }

    // Does `act`, then serves messages until a message box has been answered with OK
    // or the time is up; the texts of every box shown meanwhile (a handler's later
    // boxes are answered before the handler returns to this pump).
    static std::vector<std::wstring> BoxesAfter(const std::function<void()>& act) {
        robot::BoxAnswers ok(GetCurrentProcessId(), IDOK);
        act();
        robot::WaitFor([&] {
            ui::Application().ProcessMessages();
            return !ok.Texts().empty();
        });
        return ok.Texts();
    }
};

TEST_F(FormTest, ErrorInHandlerIsShownAndWindowStaysOpen) {
    ui::TForm form({.ClassName = L"TTestForm", .Caption = L"Проба", .ClientWidth = 200, .ClientHeight = 100});
    form.OnCloseQuery = [](bool&) { throw ui::Exception(L"Сбой обработчика"); };
    form.Show();

    EXPECT_EQ(BoxesAfter([&] { PostMessageW(form.Handle(), WM_CLOSE, 0, 0); }),
              std::vector<std::wstring>{L"Сбой обработчика"});
    EXPECT_TRUE(IsWindow(form.Handle()));
    EXPECT_TRUE(IsWindowVisible(form.Handle()));
}

// The modal form's error leaves ShowModal with the main form enabled and active
// again, and the general error handler shows it once. The main form is looked at
// where the error arrives: under Wine, closing the error box enables its owner
// whatever its state was before.
TEST_F(FormTest, ModalFormWhoseOnShowRaisesGivesTheMainFormBackAndShowsTheErrorOnce) {
    ui::TForm main({.ClassName = L"TTestMain", .Caption = L"Главное", .ClientWidth = 200, .ClientHeight = 100});
    ui::TForm modal({.ClassName = L"TTestModal", .Caption = L"Модальное", .ClientWidth = 100, .ClientHeight = 50});
    ui::TButton open({.Parent = &main, .Name = L"BtnOpen", .Caption = L"Открыть", .Width = 80, .Height = 24});
    modal.OnShow = [] { throw ui::Exception(L"Сбой при показе"); };
    bool enabledOnError = false;
    HWND activeOnError = nullptr;
    open.OnClick = [&] {
        try {
            modal.ShowModal();
        } catch (...) {
            enabledOnError = IsWindowEnabled(main.Handle());
            activeOnError = GetActiveWindow();
            throw;
        }
    };
    main.Show();

    EXPECT_EQ(BoxesAfter([&] { robot::Click(open.Handle()); }), std::vector<std::wstring>{L"Сбой при показе"});
    EXPECT_TRUE(enabledOnError);
    EXPECT_EQ(activeOnError, main.Handle());
    EXPECT_TRUE(IsWindowEnabled(main.Handle()));
    EXPECT_EQ(GetActiveWindow(), main.Handle());
    EXPECT_FALSE(IsWindowVisible(modal.Handle()));
}

TEST_F(FormTest, RefusedCloseQueryKeepsWindowAndRefusesSessionEnd) {
    ui::TForm form({.ClassName = L"TTestForm", .Caption = L"Проба", .ClientWidth = 200, .ClientHeight = 100});
    bool allow = false;
    int asked = 0;
    form.OnCloseQuery = [&](bool& canClose) {
        ++asked;
        canClose = allow;
    };
    form.Show();

    SendMessageW(form.Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(form.Handle()));
    EXPECT_EQ(SendMessageW(form.Handle(), WM_QUERYENDSESSION, 0, 0), FALSE);
    EXPECT_EQ(asked, 2);

    allow = true;
    EXPECT_EQ(SendMessageW(form.Handle(), WM_QUERYENDSESSION, 0, 0), TRUE);
    HWND wnd = form.Handle();
    form.Close();
    EXPECT_FALSE(IsWindow(wnd));
}

TEST_F(FormTest, ClientSizeAndClassAreTheDesigns) {
    ui::TForm form({.ClassName = L"TSizedForm", .Caption = L"Окно", .ClientWidth = 954, .ClientHeight = 579});
    RECT r = robot::ClientRectOf(form.Handle());
    EXPECT_EQ(r.right, 954);
    EXPECT_EQ(r.bottom, 579);
    wchar_t cls[32];
    GetClassNameW(form.Handle(), cls, 32);
    EXPECT_STREQ(cls, L"TSizedForm");
    EXPECT_EQ(robot::Text(form.Handle()), L"Окно");
}

}  // namespace
