// Installs the sample distribution build\dist\ into build\target\Holter\ through the
// wizard, as a person would, and saves a picture of every page on the way to
// build\screens\; then shows the cancel page in a second run and the font size page
// in a third. Used by `make run` without a display.
#include <cstdio>
#include <stdexcept>

#include "Robot.h"
#include "TestSupport.h"

using namespace testing_support;

namespace {

class Tour {
public:
    explicit Tour(std::wstring screens) : screens_(std::move(screens)) {}

    void Start(const std::wstring& exe) {
        process_ = robot::Launch(exe, exe.substr(0, exe.find_last_of(L'\\') + 1));
        main_ = robot::WaitTopWindow(process_.Id(), L"TFMain", 20000);
        if (!main_) throw std::runtime_error("the wizard window did not appear");
    }

    void Shot(const std::wstring& name) {
        Sleep(400);
        wchar_t number[8];
        swprintf(number, 8, L"%02d-", ++shots_);
        std::wstring path = screens_ + number + name + L".png";
        robot::SaveScreenshot(main_, path);
        std::printf("screenshot: %s\n", Utf8(path).c_str());
    }

    HWND Control(const wchar_t* name) { return robot::FindControl(main_, name); }

    void Notice() {
        notice_ = robot::WaitTopWindow(process_.Id(), L"TFMessageform");
        if (!notice_) throw std::runtime_error("the driver notice did not appear");
    }

    void CloseNotice() {
        robot::Click(robot::FindControl(notice_, L"btnOK"));
        robot::WaitFor([&] { return !robot::IsVisible(notice_); });
    }

    void ClickAndWait(const wchar_t* button, const wchar_t* page) {
        robot::Click(Control(button));
        if (!robot::WaitFor([&] { return robot::IsVisible(Control(page)); }, 60000))
            throw std::runtime_error("a page did not appear: " + Utf8(page));
    }

    HWND Box() {
        HWND box = robot::WaitMessageBox(process_.Id(), 60000);
        if (!box) throw std::runtime_error("an expected message box did not appear");
        return box;
    }

    void Answer(HWND box, int id) {
        robot::Press(box, id);
        robot::WaitFor([&] { return !IsWindow(box); });
    }

    void WaitExit() {
        if (!process_.WaitExit(20000)) throw std::runtime_error("the wizard did not close");
    }

private:
    std::wstring screens_;
    robot::Process process_;
    HWND main_ = nullptr;
    HWND notice_ = nullptr;
    int shots_ = 0;
};

// The closing question is asked at 120 dots per inch (at 96 the font size page
// ends the run instead), so the progress page stays with its full log.
struct Resolution120 {
    Resolution120() {
        DWORD dpi = 120;
        RegSetKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", REG_DWORD, &dpi, sizeof dpi);
    }
    ~Resolution120() { RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels"); }
};

}  // namespace

int wmain() {
    try {
        std::wstring exe = BuildFolder() + L"dist\\Install.exe";
        std::wstring screens = BuildFolder() + L"screens\\";
        std::wstring target = BuildFolder() + L"target\\";
        RemoveTree(screens);
        MakeFolders(screens);
        RemoveTree(target);
        MakeFolders(target);

        Tour tour(screens);
        {
            Resolution120 resolution;
            tour.Start(exe);
        }
        tour.Shot(L"start");
        tour.ClickAndWait(L"BtnStartNext", L"tsInputPath");
        robot::SetText(tour.Control(L"ePath"), target + L"Holter");
        tour.Shot(L"path");
        tour.ClickAndWait(L"BtnInputPathNext", L"tsInputComponents");
        tour.Notice();
        tour.Shot(L"driver-notice");
        tour.CloseNotice();
        tour.Shot(L"components");
        robot::Click(tour.Control(L"BtnInsatall"));
        HWND driver = tour.Box();
        tour.Shot(L"driver-question");
        tour.Answer(driver, IDYES);
        HWND done = tour.Box();
        tour.Shot(L"closing-question");
        tour.Answer(done, IDNO);
        tour.Shot(L"progress");
        robot::Click(tour.Control(L"BtnExit"));
        tour.WaitExit();

        tour.Start(exe);
        robot::Click(tour.Control(L"BtnCancel"));
        tour.Answer(tour.Box(), IDYES);
        if (!robot::WaitFor([&] { return robot::IsVisible(tour.Control(L"tsCancel")); }))
            throw std::runtime_error("the cancel page did not appear");
        tour.Shot(L"cancel");
        robot::Click(tour.Control(L"BtnExitCancel"));
        tour.WaitExit();

        // At Wine's own 96 dots per inch the installation ends on the font size page.
        tour.Start(exe);
        tour.ClickAndWait(L"BtnStartNext", L"tsInputPath");
        robot::SetText(tour.Control(L"ePath"), target + L"Holter96");
        tour.ClickAndWait(L"BtnInputPathNext", L"tsInputComponents");
        tour.Notice();
        tour.CloseNotice();
        SendMessageW(tour.Control(L"CbDriverInstal"), BM_SETCHECK, BST_UNCHECKED, 0);
        tour.ClickAndWait(L"BtnInsatall", L"tsChangeFontSize");
        tour.Shot(L"font-size");
        robot::Click(tour.Control(L"BtnExitOnChangefont"));
        tour.WaitExit();
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tour: %s\n", e.what());
        return 1;
    }
}
