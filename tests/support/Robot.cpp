#include "Robot.h"

#include <winternl.h>

#include <stdexcept>
#include <utility>

#include "PngWriter.h"
#include "TestSupport.h"

namespace robot {

Process::Process(Process&& other) noexcept
    : process_(std::exchange(other.process_, nullptr)), id_(std::exchange(other.id_, 0)) {}

Process& Process::operator=(Process&& other) noexcept {
    if (this != &other) {
        this->~Process();
        process_ = std::exchange(other.process_, nullptr);
        id_ = std::exchange(other.id_, 0);
    }
    return *this;
}

Process::~Process() {
    if (!process_) return;
    if (Running()) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, 5000);
    }
    CloseHandle(process_);
    process_ = nullptr;
}

bool Process::Running() const { return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }

bool Process::WaitExit(int timeoutMs) {
    return WaitForSingleObject(process_, static_cast<DWORD>(timeoutMs)) == WAIT_OBJECT_0;
}

DWORD Process::ExitCode() const {
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return code;
}

Process Launch(const std::wstring& exe, const std::wstring& currentFolder) {
    std::wstring cmd = L"\"" + exe + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        currentFolder.empty() ? nullptr : currentFolder.c_str(), &si, &pi))
        throw std::runtime_error("cannot start " + testing_support::Utf8(exe) + ", error " +
                                 std::to_string(GetLastError()));
    CloseHandle(pi.hThread);
    return Process(pi.hProcess, pi.dwProcessId);
}

bool WaitFor(const std::function<bool()>& condition, int timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start > static_cast<DWORD>(timeoutMs)) return false;
        Sleep(20);
    }
}

HWND FindTopWindow(DWORD pid, const wchar_t* className, bool visibleOnly) {
    struct Query { DWORD pid; const wchar_t* cls; bool visibleOnly; HWND found; } q{pid, className, visibleOnly, nullptr};
    EnumWindows(
        [](HWND w, LPARAM lp) CALLBACK -> BOOL {
            auto* q = reinterpret_cast<Query*>(lp);
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            wchar_t cls[64];
            if (owner == q->pid && (!q->visibleOnly || IsWindowVisible(w)) && GetClassNameW(w, cls, 64) &&
                wcscmp(cls, q->cls) == 0) {
                q->found = w;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&q));
    return q.found;
}

HWND WaitTopWindow(DWORD pid, const wchar_t* className, int timeoutMs) {
    HWND found = nullptr;
    WaitFor([&] { return (found = FindTopWindow(pid, className)) != nullptr; }, timeoutMs);
    return found;
}

std::wstring ComponentName(HWND wnd) {
    auto atom = static_cast<ATOM>(reinterpret_cast<UINT_PTR>(GetPropW(wnd, L"Name")));
    if (!atom) return {};
    wchar_t name[256];
    UINT n = GlobalGetAtomNameW(atom, name, 256);
    return std::wstring(name, n);
}

HWND FindControl(HWND top, const std::wstring& name) {
    struct Query { const std::wstring* name; HWND found; } q{&name, nullptr};
    EnumChildWindows(
        top,
        [](HWND w, LPARAM lp) CALLBACK -> BOOL {
            auto* q = reinterpret_cast<Query*>(lp);
            // Global atoms ignore case: a name that another window registered first in
            // another spelling (the notice's "btnCancel", the wizard's "BtnCancel") comes
            // back in that spelling for as long as any process holds it.
            if (_wcsicmp(ComponentName(w).c_str(), q->name->c_str()) == 0) {
                q->found = w;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&q));
    return q.found;
}

std::wstring Text(HWND wnd) {
    auto n = SendMessageW(wnd, WM_GETTEXTLENGTH, 0, 0);
    std::wstring s(static_cast<size_t>(n) + 1, L'\0');
    auto got = SendMessageW(wnd, WM_GETTEXT, static_cast<WPARAM>(n + 1), reinterpret_cast<LPARAM>(s.data()));
    s.resize(static_cast<size_t>(got));
    return s;
}

void SetText(HWND wnd, const std::wstring& text) {
    SendMessageW(wnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void Click(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

bool IsVisible(HWND wnd) { return IsWindowVisible(wnd) != 0; }
bool IsEnabled(HWND wnd) { return IsWindowEnabled(wnd) != 0; }

RECT ClientRectOf(HWND wnd) {
    RECT r{};
    GetClientRect(wnd, &r);
    return r;
}

std::wstring MessageText(HWND box) {
    std::wstring text;
    EnumChildWindows(
        box,
        [](HWND w, LPARAM lp) CALLBACK -> BOOL {
            wchar_t cls[32];
            GetClassNameW(w, cls, 32);
            std::wstring t = Text(w);
            if (_wcsicmp(cls, L"Static") == 0 && !t.empty()) {
                *reinterpret_cast<std::wstring*>(lp) = t;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&text));
    return text;
}

void Press(HWND box, int buttonId) {
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, buttonId)));
}

HWND WaitMessageBox(DWORD pid, int timeoutMs) { return WaitTopWindow(pid, L"#32770", timeoutMs); }

BoxAnswers::BoxAnswers(DWORD pid, int button)
    : thread_([this, pid, button] {
          while (!stop_) {
              if (HWND box = FindTopWindow(pid, L"#32770")) {
                  std::wstring text = MessageText(box);
                  {
                      std::lock_guard<std::mutex> lock(mutex_);
                      texts_.push_back(text);
                  }
                  Press(box, button);
                  WaitFor([&] { return !IsWindow(box); }, 5000);
              }
              Sleep(20);
          }
      }) {}

BoxAnswers::~BoxAnswers() {
    stop_ = true;
    thread_.join();
}

std::vector<std::wstring> BoxAnswers::Texts() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return texts_;
}

std::vector<std::wstring> ListLines(HWND list) {
    std::vector<std::wstring> lines;
    auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        // The program may rewrite the line between the two questions, so the buffer
        // leaves room for a longer text than the length first reported.
        auto n = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
        if (n < 0) break;
        std::wstring s(static_cast<size_t>(n) + 4096, L'\0');
        auto got = SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(s.data()));
        if (got < 0) break;
        s.resize(static_cast<size_t>(got));
        lines.push_back(s);
    }
    return lines;
}

HWND FocusOf(HWND top) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    DWORD thread = GetWindowThreadProcessId(top, nullptr);
    return GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}

std::wstring CurrentFolderOf(HANDLE process) {
    using QueryFn = NTSTATUS(WINAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
    auto query = reinterpret_cast<QueryFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic{};
    if (!query || query(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0) return {};
    // The layout of the robot's own word size, which is the program's: PEB.ProcessParameters
    // at 0x20 (x64) or 0x10 (x86); CurrentDirectory.DosPath at 0x38 or 0x24.
    constexpr size_t kParameters = sizeof(void*) == 8 ? 0x20 : 0x10, kCurrentDirectory = sizeof(void*) == 8 ? 0x38 : 0x24;
    auto read = [&](const void* at, void* into, size_t size) {
        SIZE_T done = 0;
        return ReadProcessMemory(process, at, into, size, &done) && done == size;
    };
    void* params = nullptr;
    UNICODE_STRING dir{};
    if (!read(static_cast<const char*>(static_cast<void*>(basic.PebBaseAddress)) + kParameters, &params, sizeof params) ||
        !read(static_cast<const char*>(params) + kCurrentDirectory, &dir, sizeof dir))
        return {};
    std::wstring path(dir.Length / sizeof(wchar_t), L'\0');
    if (!read(dir.Buffer, path.data(), dir.Length)) return {};
    return path;
}

TCapture Capture(HWND wnd, bool clientArea) {
    RECT r;
    if (clientArea) {
        GetClientRect(wnd, &r);
        MapWindowPoints(wnd, HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
    } else {
        GetWindowRect(wnd, &r);
    }
    TCapture capture{r.right - r.left, r.bottom - r.top, {}};
    if (capture.Width <= 0 || capture.Height <= 0) return {};
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), capture.Width, -capture.Height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, capture.Width, capture.Height, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    auto* px = static_cast<const uint32_t*>(bits);
    capture.Pixels.assign(px, px + static_cast<size_t>(capture.Width) * capture.Height);
    for (uint32_t& p : capture.Pixels) p &= 0x00FFFFFF;
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return capture;
}

void SaveScreenshot(HWND wnd, const std::wstring& path) {
    TCapture capture = Capture(wnd, false);
    if (capture.Pixels.empty()) return;
    TPngSpec spec{.Width = capture.Width, .Height = capture.Height, .ColorType = 2};
    spec.Samples.reserve(capture.Pixels.size() * 3);
    for (uint32_t p : capture.Pixels) {
        spec.Samples.push_back(static_cast<uint8_t>(p >> 16));
        spec.Samples.push_back(static_cast<uint8_t>(p >> 8));
        spec.Samples.push_back(static_cast<uint8_t>(p));
    }
    testing_support::WriteBytes(path, EncodePng(spec));
}

}  // namespace robot
