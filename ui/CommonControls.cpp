#include "ui/CommonControls.h"

#include "ui/Exception.h"
#include "ui/Handle.h"
#include "ui/SystemLibrary.h"

namespace ui {

namespace {

// The library, held for the life of the process, with the functions looked up in it.
class TCommonControlsLibrary {
public:
    TCommonControlsLibrary() {
        // By name, not by the full path of the system folder: only a load by name goes
        // through the side-by-side redirection that the manifest asks for, which gives
        // version 6 (the system folder holds the old version 5). The search is fenced
        // by then, so a copy beside the program is never taken.
        module_.reset(LoadLibraryW(L"comctl32.dll"));
        if (!module_) RaiseLastOSError(L"comctl32.dll");
        Look(InitEx, "InitCommonControlsEx");
        Look(SetSubclass, "SetWindowSubclass");
        Look(RemoveSubclass, "RemoveWindowSubclass");
        Look(DefSubclass, "DefSubclassProc");
    }

    BOOL(WINAPI* InitEx)(const INITCOMMONCONTROLSEX*) = nullptr;
    BOOL(WINAPI* SetSubclass)(HWND, SUBCLASSPROC, UINT_PTR, DWORD_PTR) = nullptr;
    BOOL(WINAPI* RemoveSubclass)(HWND, SUBCLASSPROC, UINT_PTR) = nullptr;
    LRESULT(WINAPI* DefSubclass)(HWND, UINT, WPARAM, LPARAM) = nullptr;

private:
    template <typename Function>
    void Look(Function& function, const char* name) {
        function = LookUp<Function>(module_.get(), name);
        if (!function) RaiseLastOSError(L"comctl32.dll");
    }

    Module module_;
};

const TCommonControlsLibrary& Library() {
    static const TCommonControlsLibrary library;
    return library;
}

}  // namespace

void InitCommonControls() {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    Library().InitEx(&icc);
}

BOOL SetSubclass(HWND wnd, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR data) {
    return Library().SetSubclass(wnd, proc, id, data);
}

BOOL RemoveSubclass(HWND wnd, SUBCLASSPROC proc, UINT_PTR id) { return Library().RemoveSubclass(wnd, proc, id); }

LRESULT DefaultSubclassProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    return Library().DefSubclass(wnd, msg, wp, lp);
}

}  // namespace ui
