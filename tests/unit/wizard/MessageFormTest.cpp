// The timed notice and the launch progress window, in process.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <thread>

#include "Robot.h"
#include "StartedProgram.h"
#include "TestSupport.h"
#include "app/ScreenMonitorManager.h"
#include "ui/Application.h"
#include "ui/Exception.h"
#include "ui/Form.h"
#include "wizard/MessageForm.h"
#include "wizard/WaitRun.h"

namespace {

class Notice : public ::testing::Test {
protected:
    // As in the program, a main window exists before any notice.
    static void SetUpTestSuite() { StartLikeTheProgram(); }

    // Shows the notice while `act` looks at it from another thread; the result and
    // the time it took.
    std::pair<bool, DWORD> Show(const std::wstring& text, TMessageType type, int seconds,
                                const std::function<void(HWND)>& act) {
        std::thread helper([&] {
            HWND w = robot::WaitTopWindow(GetCurrentProcessId(), L"TFMessageform");
            if (w) act(w);
        });
        DWORD start = GetTickCount();
        bool result = ShowTimedMessage(text, type, L"", seconds);
        DWORD took = GetTickCount() - start;
        helper.join();
        return {result, took};
    }

    static HWND Part(HWND w, const wchar_t* name) { return robot::FindControl(w, name); }
};

TEST_F(Notice, OkGivesTrue) {
    auto [result, took] = Show(L"Внимание!", TMessageType::mtMessage, 0, [](HWND w) {
        robot::Click(Part(w, L"btnOK"));
    });
    EXPECT_TRUE(result);
    EXPECT_LT(took, 10000u);
}

TEST_F(Notice, MessageShowsOnlyOkAndDialogBoth) {
    std::atomic<bool> okVisible{false}, cancelVisible{true};
    Show(L"text", TMessageType::mtMessage, 0, [&](HWND w) {
        okVisible = robot::WaitFor([&] { return robot::IsVisible(Part(w, L"btnOK")); }, 5000);
        cancelVisible = robot::IsVisible(Part(w, L"btnCancel"));
        robot::Click(Part(w, L"btnOK"));
    });
    EXPECT_TRUE(okVisible);
    EXPECT_FALSE(cancelVisible);
    auto [result, took] = Show(L"text", TMessageType::mtDialog, 0, [&](HWND w) {
        cancelVisible = robot::WaitFor([&] { return robot::IsVisible(Part(w, L"btnCancel")); }, 5000);
        robot::Click(Part(w, L"btnCancel"));
    });
    EXPECT_TRUE(cancelVisible);
    EXPECT_FALSE(result);
}

TEST_F(Notice, CountdownEndGivesFalse) {
    auto [result, took] = Show(L"text", TMessageType::mtMessage, 2, [](HWND) {});
    EXPECT_FALSE(result);
    EXPECT_GE(took, 1900u);
    EXPECT_LT(took, 6000u);
}

TEST_F(Notice, TicksCountDownFromTheFirstSecond) {
    std::wstring before, first;
    Show(L"text", TMessageType::mtMessage, 60, [&](HWND w) {
        before = robot::Text(Part(w, L"lblSec"));
        Sleep(1500);
        first = robot::Text(Part(w, L"lblSec"));
        robot::Click(Part(w, L"btnOK"));
    });
    EXPECT_EQ(before, L"  сек");
    EXPECT_EQ(first, L"  59с");
}

TEST_F(Notice, StopHidesTheCountdownAndTheWindowWaits) {
    std::atomic<bool> stripHidden{false}, stillOpen{false};
    auto [result, took] = Show(L"text", TMessageType::mtMessage, 2, [&](HWND w) {
        robot::Click(Part(w, L"btnStop"));
        robot::WaitFor([&] { return !robot::IsVisible(Part(w, L"pnlClose")); }, 2000);
        stripHidden = !robot::IsVisible(Part(w, L"pnlClose"));
        Sleep(3000);
        stillOpen = robot::IsVisible(w);
        robot::Click(Part(w, L"btnOK"));
    });
    EXPECT_TRUE(stripHidden);
    EXPECT_TRUE(stillOpen);
    EXPECT_TRUE(result);
}

TEST_F(Notice, LowerEdgeOnTheScreensMiddleLineAndCentredOnTheFirstMonitor) {
    RECT shortBox{}, longBox{};
    Show(L"Внимание!", TMessageType::mtMessage, 0, [&](HWND w) {
        GetWindowRect(w, &shortBox);
        robot::Click(Part(w, L"btnOK"));
    });
    EXPECT_EQ(shortBox.bottom, myScreen->Height / 2);
    const RECT& first = myScreen->GetMonitor(0);
    EXPECT_EQ(shortBox.left, first.left + (myScreen->Width - (shortBox.right - shortBox.left)) / 2);

    std::wstring text;
    for (int i = 0; i < 30; ++i) text += L"Очень длинное сообщение о драйвере ";
    Show(text, TMessageType::mtMessage, 0, [&](HWND w) {
        GetWindowRect(w, &longBox);
        robot::Click(Part(w, L"btnOK"));
    });
    EXPECT_EQ(longBox.right - longBox.left, shortBox.right - shortBox.left) << "the width stays";
    EXPECT_GT(longBox.bottom - longBox.top, shortBox.bottom - shortBox.top + 30) << "a long text wraps and grows";
    EXPECT_EQ(longBox.bottom, myScreen->Height / 2);
}

TEST_F(Notice, RefusedCountsRaiseAndLeaveNoWindow) {
    for (int seconds : {-1, 2147484}) {
        EXPECT_THROW(ShowTimedMessage(L"text", TMessageType::mtMessage, L"", seconds), ui::ERangeError) << seconds;
        HWND left = nullptr;
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND w, LPARAM lp) CALLBACK -> BOOL {
                wchar_t cls[32];
                GetClassNameW(w, cls, 32);
                if (wcscmp(cls, L"TFMessageform") == 0) *reinterpret_cast<HWND*>(lp) = w;
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&left));
        EXPECT_EQ(left, nullptr);
    }
}

TEST(WaitRun, ExistsHiddenWithItsCaptionsByKind) {
    ui::Application().Initialize();
    TFWaitRun form;
    EXPECT_FALSE(IsWindowVisible(form.Handle()));
    EXPECT_EQ(robot::Text(form.Handle()), L"Launching ");
    EXPECT_EQ(form.ProgressBar->Position(), 0);
    EXPECT_EQ(robot::Text(form.LblProgress->Handle()), L"");
    for (auto [kind, caption] : {std::pair<uint8_t, const wchar_t*>{2, L"Запись данных ЭКГ"},
                                 {3, L"Преобразование данных ЭКГ в формат Ритмикон-Холтер"},
                                 {4, L""},
                                 {5, L"Launching "}}) {
        form.typemessage = kind;
        form.FormShow();
        EXPECT_EQ(robot::Text(form.Handle()), caption) << int(kind);
    }
    for (int i = 0; i < 25; ++i) form.Next(L"шаг " + std::to_wstring(i + 1));
    EXPECT_EQ(form.ProgressBar->Position(), 25);
    EXPECT_EQ(robot::Text(form.LblProgress->Handle()), L"шаг 25");
}

}  // namespace
