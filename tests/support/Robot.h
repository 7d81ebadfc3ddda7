#pragma once
// Drives Install.exe from outside, as a person would: finds its windows and
// controls, types, clicks, answers message boxes, reads the log, takes pictures.
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace robot {

class Process {
public:
    Process() = default;
    Process(HANDLE process, DWORD id) : process_(process), id_(id) {}
    Process(Process&& other) noexcept;
    Process& operator=(Process&& other) noexcept;
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    // A program still running at the end of a test is ended.
    ~Process();

    HANDLE Handle() const { return process_; }
    DWORD Id() const { return id_; }
    bool Running() const;
    // Waits for the program to end; true when it did within the time.
    bool WaitExit(int timeoutMs);
    DWORD ExitCode() const;

private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

// Starts a program with the given current folder.
Process Launch(const std::wstring& exe, const std::wstring& currentFolder);

// Polls until the condition holds; true when it did within the time.
bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 10000);

// A top-level window of the process with the given class ("#32770" for message
// boxes), visible unless asked otherwise; or nullptr.
HWND FindTopWindow(DWORD pid, const wchar_t* className, bool visibleOnly = true);
HWND WaitTopWindow(DWORD pid, const wchar_t* className, int timeoutMs = 10000);

// A child window found by its component name (without regard to case, as atoms
// compare), or nullptr.
HWND FindControl(HWND top, const std::wstring& name);
std::wstring ComponentName(HWND wnd);

std::wstring Text(HWND wnd);
void SetText(HWND wnd, const std::wstring& text);
// Posted, so that a modal box opened by the click does not block the robot.
void Click(HWND button);
bool IsVisible(HWND wnd);
bool IsEnabled(HWND wnd);
RECT ClientRectOf(HWND wnd);

// The text of a message box: its static child that carries text.
std::wstring MessageText(HWND box);
void Press(HWND box, int buttonId);
// Waits for a message box of the process, checks nothing, returns it or nullptr.
HWND WaitMessageBox(DWORD pid, int timeoutMs = 10000);

// Answers every message box of the process with the button, on a thread of its own
// from construction to destruction, and keeps the boxes' texts in order.
class BoxAnswers {
public:
    BoxAnswers(DWORD pid, int button);
    ~BoxAnswers();
    BoxAnswers(const BoxAnswers&) = delete;
    BoxAnswers& operator=(const BoxAnswers&) = delete;
    std::vector<std::wstring> Texts() const;

private:
    mutable std::mutex mutex_;
    std::vector<std::wstring> texts_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

std::vector<std::wstring> ListLines(HWND list);
// The window that has the keyboard focus in the thread that owns `top`.
HWND FocusOf(HWND top);
// The current folder of another process, read from its process parameters.
std::wstring CurrentFolderOf(HANDLE process);

// What the screen shows of a window (or of its client area), as 0x00RRGGBB pixels.
struct TCapture {
    int Width = 0, Height = 0;
    std::vector<uint32_t> Pixels;
    uint32_t At(int x, int y) const { return Pixels[static_cast<size_t>(y) * Width + x]; }
};
TCapture Capture(HWND wnd, bool clientArea);

// Saves the screen area of the window as a PNG file.
void SaveScreenshot(HWND wnd, const std::wstring& path);

}  // namespace robot
