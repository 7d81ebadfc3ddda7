// The form's close rules and the general error handler, in process.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "Robot.h"
#include "ui/Application.h"
#include "ui/Exception.h"
#include "ui/Form.h"

namespace {

class FormTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ui::Application().Initialize(); }

    // Serves messages until the condition holds or the time is up.
    static bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 10000) {
        return robot::WaitFor([&] {
            ui::Application().ProcessMessages();
            return done();
        }, timeoutMs);
    }
};

TEST_F(FormTest, ErrorInHandlerIsShownAndWindowStaysOpen) {
    ui::TForm form({.ClassName = L"TTestForm", .Caption = L"Проба", .ClientWidth = 200, .ClientHeight = 100});
    form.OnCloseQuery = [](bool&) { throw ui::Exception(L"Сбой обработчика"); };
    form.Show();

    std::atomic<bool> answered{false};
    std::wstring boxText;
    std::thread answer([&] {
        HWND box = robot::WaitMessageBox(GetCurrentProcessId());
        if (box) {
            boxText = robot::MessageText(box);
            robot::Press(box, IDOK);
        }
        answered = true;
    });
    PostMessageW(form.Handle(), WM_CLOSE, 0, 0);
    bool done = PumpUntil([&] { return answered.load(); });
    answer.join();

    ASSERT_TRUE(done);
    EXPECT_EQ(boxText, L"Сбой обработчика");
    EXPECT_TRUE(IsWindow(form.Handle()));
    EXPECT_TRUE(IsWindowVisible(form.Handle()));
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
