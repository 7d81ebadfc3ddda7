#pragma once
// A page control without a tab row, its pages, and a read-only rich edit.
#include <functional>
#include <string>
#include <vector>

#include "ui/Control.h"

namespace ui {

class TTabSheet;

class TPageControl : public TWinControl {
public:
    explicit TPageControl(const TControlArgs& args);

    int PageCount() const { return static_cast<int>(pages_.size()); }
    TTabSheet* Page(int index) const { return pages_.at(static_cast<size_t>(index)); }
    int ActivePageIndex() const;
    // Shows the page and hides the others; the page's OnShow runs every time it
    // becomes visible.
    void SetActivePageIndex(int index);

private:
    friend class TTabSheet;
    std::vector<TTabSheet*> pages_;
    TTabSheet* active_ = nullptr;
};

// A page leaves its page control when it goes first.
class TTabSheet : public TWinControl {
public:
    TTabSheet(TPageControl& owner, const std::wstring& name);
    ~TTabSheet() override;
    std::function<void()> OnShow;
};

class TRichEdit : public TWinControl {
public:
    explicit TRichEdit(const TControlArgs& args);
    // Replaces the content with the rich text document.
    void LoadRtf(const std::string& rtf);
    void SetBackgroundColor(COLORREF color);
};

}  // namespace ui
