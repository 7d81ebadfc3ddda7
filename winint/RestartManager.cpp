#include "winint/RestartManager.h"

#include <windows.h>
#include <restartmanager.h>

#include "ui/SystemLibrary.h"

namespace {

using StartSessionFn = DWORD(WINAPI*)(DWORD*, DWORD, WCHAR[]);
using RegisterResourcesFn = DWORD(WINAPI*)(DWORD, UINT, LPCWSTR[], UINT, RM_UNIQUE_PROCESS[], UINT, LPCWSTR[]);
using GetListFn = DWORD(WINAPI*)(DWORD, UINT*, UINT*, RM_PROCESS_INFO[], LPDWORD);
using EndSessionFn = DWORD(WINAPI*)(DWORD);

// One Restart Manager session, ended on every way out.
class TSession {
public:
    TSession(StartSessionFn start, EndSessionFn end) : end_(end) {
        WCHAR key[CCH_RM_SESSION_KEY + 1] = L"";
        open_ = start(&handle_, 0, key) == ERROR_SUCCESS;
    }
    TSession(const TSession&) = delete;
    TSession& operator=(const TSession&) = delete;
    ~TSession() {
        if (open_) end_(handle_);
    }
    bool Open() const { return open_; }
    DWORD Handle() const { return handle_; }

private:
    EndSessionFn end_;
    DWORD handle_ = 0;
    bool open_ = false;
};

}  // namespace

std::vector<std::wstring> ProgramsUsingFile(const std::wstring& path) {
    ui::Module library = ui::LoadSystemLibrary(L"rstrtmgr.dll");
    if (!library) return {};
    auto start = ui::LookUp<StartSessionFn>(library.get(), "RmStartSession");
    auto add = ui::LookUp<RegisterResourcesFn>(library.get(), "RmRegisterResources");
    auto list = ui::LookUp<GetListFn>(library.get(), "RmGetList");
    auto end = ui::LookUp<EndSessionFn>(library.get(), "RmEndSession");
    if (!start || !add || !list || !end) return {};

    TSession session(start, end);
    LPCWSTR files[] = {path.c_str()};
    if (!session.Open() || add(session.Handle(), 1, files, 0, nullptr, 0, nullptr) != ERROR_SUCCESS) return {};
    // The list may grow between the two calls: asked again until it fits.
    std::vector<RM_PROCESS_INFO> programs(4);
    for (int attempt = 0; attempt < 3; ++attempt) {
        UINT needed = 0, count = static_cast<UINT>(programs.size());
        DWORD reasons = 0;
        DWORD r = list(session.Handle(), &needed, &count, programs.data(), &reasons);
        if (r == ERROR_MORE_DATA) {
            programs.resize(needed + 2);
            continue;
        }
        if (r != ERROR_SUCCESS) return {};
        std::vector<std::wstring> names;
        for (UINT i = 0; i < count && i < programs.size(); ++i) names.emplace_back(programs[i].strAppName);
        return names;
    }
    return {};
}
