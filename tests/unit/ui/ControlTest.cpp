// Controls and their parents end in any order; the guard ends the program (exit
// code 3) when a control touches a parent that has gone.
#include <gtest/gtest.h>

#include <memory>

#include "FreedMemoryGuard.h"
#include "ui/Application.h"
#include "ui/ComCtrls.h"
#include "ui/ExtCtrls.h"
#include "ui/Form.h"

namespace {

class ControlLifetime : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ui::Application().Initialize(); }
    ui::TForm form_{{.ClassName = L"TTestForm", .ClientWidth = 200, .ClientHeight = 100}};
    testing_support::FreedMemoryGuard guard_;
};

TEST_F(ControlLifetime, ParentThatGoesFirstTakesTheWindowsAndLeavesItsChildrenWithoutParent) {
    auto outer = std::make_unique<ui::TPanel>(ui::TControlArgs{.Parent = &form_, .Width = 100, .Height = 50});
    auto inner = std::make_unique<ui::TPanel>(ui::TControlArgs{.Parent = outer.get(), .Align = ui::TAlign::Client});
    HWND innerWnd = inner->Handle();
    outer.reset();
    EXPECT_FALSE(IsWindow(innerWnd));
    EXPECT_EQ(inner->Handle(), nullptr);
    EXPECT_EQ(inner->Parent(), nullptr);
}

TEST_F(ControlLifetime, PageThatGoesFirstLeavesItsPageControl) {
    auto pages = std::make_unique<ui::TPageControl>(ui::TControlArgs{.Parent = &form_, .Width = 100, .Height = 50});
    auto first = std::make_unique<ui::TTabSheet>(*pages, L"First");
    auto second = std::make_unique<ui::TTabSheet>(*pages, L"Second");
    pages->SetActivePageIndex(1);
    first.reset();
    EXPECT_EQ(pages->PageCount(), 1);
    EXPECT_EQ(pages->ActivePageIndex(), 0);
    pages->SetActivePageIndex(0);
    EXPECT_TRUE(second->Visible());
    pages.reset();
    EXPECT_EQ(second->Parent(), nullptr);
}

}  // namespace
