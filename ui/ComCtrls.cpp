#include "ui/ComCtrls.h"

#include <richedit.h>

#include <algorithm>

namespace ui {

TPageControl::TPageControl(const TControlArgs& args) : TWinControl(args) {
    CreateOwnWindow(L"TPageControl", WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
}

int TPageControl::ActivePageIndex() const {
    auto found = std::find(pages_.begin(), pages_.end(), active_);
    return found == pages_.end() ? -1 : static_cast<int>(found - pages_.begin());
}

void TPageControl::SetActivePageIndex(int index) {
    TTabSheet* page = Page(index);
    bool wasVisible = page->Visible();
    active_ = page;
    for (TTabSheet* p : pages_)
        if (p != page) p->SetVisible(false);
    page->SetVisible(true);
    if (!wasVisible && page->OnShow) page->OnShow();
}

TTabSheet::TTabSheet(TPageControl& owner, const std::wstring& name)
    : TWinControl(TControlArgs{.Parent = &owner, .Name = name, .Align = TAlign::Client, .Visible = false}) {
    CreateOwnWindow(L"TTabSheet", WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
    owner.pages_.push_back(this);
}

// A page whose page control went first has no parent any more.
TTabSheet::~TTabSheet() {
    if (auto* owner = static_cast<TPageControl*>(Parent())) {
        std::erase(owner->pages_, this);
        if (owner->active_ == this) owner->active_ = nullptr;
    }
}

TRichEdit::TRichEdit(const TControlArgs& args) : TWinControl(args) {
    CreateStdWindow(MSFTEDIT_CLASS, ES_MULTILINE | ES_READONLY | WS_VSCROLL | ES_AUTOVSCROLL, 0);
}

void TRichEdit::LoadRtf(const std::string& rtf) {
    struct Reader {
        const std::string* text;
        size_t at = 0;
    } reader{&rtf};
    EDITSTREAM stream{};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&reader);
    stream.pfnCallback = [](DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* got) CALLBACK -> DWORD {
        auto* r = reinterpret_cast<Reader*>(cookie);
        size_t n = std::min(static_cast<size_t>(wanted), r->text->size() - r->at);
        memcpy(buffer, r->text->data() + r->at, n);
        r->at += n;
        *got = static_cast<LONG>(n);
        return 0;
    };
    SendMessageW(Handle(), EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
}

void TRichEdit::SetBackgroundColor(COLORREF color) {
    SetColor(color);
    SendMessageW(Handle(), EM_SETBKGNDCOLOR, 0, color);
}

}  // namespace ui
