// The painted window as the screen shows it: the skin images where they belong, and
// the skin colour taken from the title artwork.
#include "WizardRobot.h"
#include "PngWriter.h"
#include "ui/Png.h"

using namespace testing_support;

namespace {

ui::TPixels32 ShippedImage(const wchar_t* name) {
    HMODULE exe = LoadLibraryExW((BinFolder() + L"Install.exe").c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    HRSRC res = FindResourceW(exe, name, RT_RCDATA);
    ui::TPixels32 image = ui::DecodePng(
        std::string_view(static_cast<const char*>(LockResource(LoadResource(exe, res))), SizeofResource(exe, res)), name);
    FreeLibrary(exe);
    return image;
}

// What the screen must show for an image pixel: its colour over white by its alpha.
uint32_t OnScreen(uint32_t argb) {
    uint32_t a = argb >> 24, out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        uint32_t c = (argb >> shift) & 0xFF;
        out |= ((c * a + 255 * (255 - a)) / 255) << shift;
    }
    return out;
}

// Colours equal within one step per channel (rounding of the blend).
bool Near(uint32_t a, uint32_t b) {
    for (int shift = 0; shift <= 16; shift += 8)
        if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > 1) return false;
    return true;
}

}  // namespace

TEST_F(WizardRun, SkinImagesLieWhereTheCompositionPutsThem) {
    Start();
    Sleep(500);
    robot::TCapture shot = robot::Capture(main, true);
    ASSERT_EQ(shot.Width, 954);
    ui::TPixels32 left = ShippedImage(L"TITLE_PNL_L"), middle = ShippedImage(L"TITLE_PNL_M"),
                  right = ShippedImage(L"TITLE_PNL_R"), logo = ShippedImage(L"LOGO"), title = ShippedImage(L"TITLE"),
                  background = ShippedImage(L"BACKGROUND"), panels = ShippedImage(L"MAIN");
    struct Spot {
        const char* what;
        int x, y;
        uint32_t expected;
    };
    for (const Spot& s : {Spot{"title bar, left end", 10, 50, OnScreen(left.At(10, 50))},
                          {"title bar, middle", 500, 5, OnScreen(middle.At(0, 5))},
                          {"title bar, middle", 150, 93, OnScreen(middle.At(0, 93))},
                          {"panel image over the bar", 150, 97, OnScreen(panels.At(153, 2))},
                          {"title bar, right end", 945, 50, OnScreen(right.At(13, 50))},
                          {"logo", 50, 50, OnScreen(logo.At(33, 35))},
                          {"logo", 20, 80, OnScreen(logo.At(3, 65))},
                          {"title", 477, 60, OnScreen(title.At(250, 40))},
                          {"title", 300, 30, OnScreen(title.At(73, 10))},
                          {"background", 100, 570, OnScreen(background.At(100, 58))},
                          {"background", 953, 578, OnScreen(background.At(953 - 896, 578 - 512))},
                          {"narrow panel's edge", 8, 300, OnScreen(panels.At(11, 205))},
                          {"between the panels", 310, 300, OnScreen(panels.At(313, 205))},
                          {"skin colour on the page", 600, 480, 0xECECEB},
                          {"skin colour of the information panel", 290, 547, 0xECECEB}}) {
        EXPECT_TRUE(Near(shot.At(s.x, s.y), s.expected))
            << s.what << " at " << s.x << "," << s.y << ": " << std::hex << shot.At(s.x, s.y) << " not " << s.expected;
    }
}

TEST_F(WizardRun, RedTopLeftOfTheTitleTurnsThePanelAndThePagesRed) {
    ui::TPixels32 title = ShippedImage(L"TITLE");
    TPngSpec spec{.Width = title.Width, .Height = title.Height, .ColorType = 2};
    for (uint32_t p : title.Pixels)
        for (int shift : {16, 8, 0}) spec.Samples.push_back(static_cast<uint8_t>(p >> shift));
    spec.Samples[0] = 255;
    spec.Samples[1] = 0;
    spec.Samples[2] = 0;
    std::string png = EncodePng(spec);
    HANDLE update = BeginUpdateResourceW((dist + L"Install.exe").c_str(), FALSE);
    ASSERT_NE(update, nullptr);
    ASSERT_TRUE(UpdateResourceW(update, RT_RCDATA, L"TITLE", MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL), png.data(),
                                static_cast<DWORD>(png.size())));
    ASSERT_TRUE(EndUpdateResourceW(update, FALSE));

    Start();
    Sleep(500);
    robot::TCapture shot = robot::Capture(main, true);
    EXPECT_EQ(shot.At(600, 480), 0xFF0000u) << "the page";
    EXPECT_EQ(shot.At(290, 547), 0xFF0000u) << "the information panel";
}

TEST_F(WizardRun, BrokenSkinImageIsReportedAndTheProgramEnds) {
    HANDLE update = BeginUpdateResourceW((dist + L"Install.exe").c_str(), FALSE);
    ASSERT_NE(update, nullptr);
    char broken[] = "not a picture";
    ASSERT_TRUE(UpdateResourceW(update, RT_RCDATA, L"LOGO", MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL), broken,
                                sizeof broken));
    ASSERT_TRUE(EndUpdateResourceW(update, FALSE));
    process = robot::Launch(dist + L"Install.exe", elsewhere);
    HWND box = robot::WaitMessageBox(process.Id(), 20000);
    ASSERT_NE(box, nullptr) << "running " << process.Running() << " exit " << process.ExitCode();
    EXPECT_EQ(robot::MessageText(box), L"Изображение \"LOGO\" повреждено: не PNG");
    robot::Press(box, IDOK);
    ASSERT_TRUE(process.WaitExit(10000));
    EXPECT_EQ(process.ExitCode(), 1u);
}
