// The program's forms end with all their windows and without touching freed memory,
// whatever the order in which a form's members hold its controls.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "FreedMemoryGuard.h"
#include "StartedProgram.h"
#include "wizard/Main.h"
#include "wizard/MessageForm.h"
#include "wizard/WaitRun.h"

namespace {

// The windows of this thread with all their children.
int WindowCount() {
    int count = 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND top, LPARAM n) CALLBACK -> BOOL {
            ++*reinterpret_cast<int*>(n);
            EnumChildWindows(
                top,
                [](HWND, LPARAM n) CALLBACK -> BOOL {
                    ++*reinterpret_cast<int*>(n);
                    return TRUE;
                },
                n);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

TEST(FormLifetime, EachFormEndsWithAllItsWindowsWithoutTouchingFreedMemory) {
    StartLikeTheProgram();
    int before = WindowCount();
    // A control that touched a freed parent here would end the program (exit code 3).
    testing_support::FreedMemoryGuard guard;
    struct Case {
        const char* form;
        std::function<std::unique_ptr<ui::TForm>()> make;
    } cases[] = {
        {"TFMain", [] { return std::make_unique<TFMain>(); }},
        {"TFMessageform", [] { return std::make_unique<TFMessageform>(); }},
        {"TFWaitRun", [] { return std::make_unique<TFWaitRun>(); }},
    };
    for (const Case& c : cases) {
        auto form = c.make();
        EXPECT_GT(WindowCount(), before + 2) << c.form;
        form.reset();
        EXPECT_EQ(WindowCount(), before) << c.form;
    }
}

}  // namespace
