#pragma once
// The setup wizard, the program's main window: a page control without a tab row,
// moved through with the buttons of each page.
#include <memory>
#include <string>

#include "install/InstallSequence.h"
#include "ui/Buttons.h"
#include "ui/ComCtrls.h"
#include "ui/ExtCtrls.h"
#include "ui/Form.h"
#include "ui/Png.h"
#include "ui/StdCtrls.h"
#include "wizard/Glyphs.h"

class TFMain : public ui::TForm, private TInstallWindow {
public:
    TFMain();

    // The distribution root, the folder of the program's own file with a trailing
    // backslash; set by the installation.
    std::wstring Fcopyfrom;

    // The pages, by their position in InsatallPages.
    enum Page { pgStart, pgInputPath, pgInputComponents, pgProgressInstall, pgCancel, pgChangeFontSize };

private:
    void CreateControls();
    void CreateStartPage();
    void CreateInputPathPage();
    void CreateInputComponentsPage();
    void CreateProgressPage();
    void CreateCancelPage();
    void CreateChangeFontSizePage();
    // A button strip at the bottom of a page, with the spacer above it when asked.
    ui::TPanel* ButtonStrip(ui::TTabSheet& page, const std::wstring& name, int height, int spacer);
    std::unique_ptr<ui::TButton> PageButton(ui::TPanel* strip, const std::wstring& name,
                                            const std::wstring& caption, ui::TAlign align, int width,
                                            const ui::TGlyph& glyph);

    void FormCreate();
    void LoadSkinImages();
    void LoadInformation();
    void ApplySkinColour();
    void BGResize();
    void FormCloseQuery(bool& canClose);
    void BtnCancelClick();
    void BtnStartNextClick();
    void BtnSelectPathClick();
    void BtnInputPathNextClick();
    void tsInputComponentsShow();
    void BtnInputComponentsBackClick();
    void BtnInsatallClick();
    void BtnExitClick();
    void BtnChangeFontClick();
    // The suite's fonts from the medium's fonts\ folder, each logged in LogList.
    void InstallFonts() override;

    // What the installation uses of the window.
    std::wstring TargetPathText() override;
    void ShowProgressPage() override;
    int AddLogLine(const std::wstring& line) override;
    std::wstring LogLine(int index) override;
    void SetLogLine(int index, const std::wstring& line) override;
    void RepaintLog() override;
    void ProcessMessages() override;
    void SetBusy(bool busy) override;
    bool DriverChecked() override;
    int ServerListIndex() override;
    bool Confirm(const std::wstring& question) override;
    void ShowError(const std::wstring& message) override;
    void EnableExit() override;
    void ShowChangeFontSizePage() override;
    void CloseWindow() override;

    bool FCanClose = true;
    std::wstring AppNameStr;

    ui::TPixels32 BG_bmp, Panels_bmp, Logo_bmp, Title_pnl_l_bmp, Title_pnl_r_bmp, Title_pnl_m_bmp, Title_bmp;
    bool composed_ = false;

    TWizardGlyphs glyphs_;
    std::vector<std::unique_ptr<ui::TPanel>> strips_;

    std::unique_ptr<ui::TPaintBox> BG;
    std::unique_ptr<ui::TRichEdit> RichEdit1;
    std::unique_ptr<ui::TPageControl> InsatallPages;
    std::unique_ptr<ui::TTabSheet> tsStart, tsInputPath, tsInputComponents, tsProgressInstall, tsCancel,
        tsChangeFontSize;

    std::unique_ptr<ui::TMemo> MemoStart;
    std::unique_ptr<ui::TButton> BtnCancel, BtnStartNext;

    std::unique_ptr<ui::TMemo> MemoInputPath;
    std::unique_ptr<ui::TPanel> PnlPath;
    std::unique_ptr<ui::TEdit> ePath;
    std::unique_ptr<ui::TButton> BtnSelectPath;
    std::unique_ptr<ui::TButton> BtnCancel2, BtnInputPathNext;

    std::unique_ptr<ui::TMemo> MemoInputComponents;
    std::unique_ptr<ui::TPanel> RzPanel13;
    std::unique_ptr<ui::TComboBox> CBWindows;
    std::unique_ptr<ui::TCheckBox> CbDriverInstal;
    std::unique_ptr<ui::TButton> BtnCancel4, BtnInsatall, BtnInputComponentsBack;

    std::unique_ptr<ui::TListBox> LogList;
    std::unique_ptr<ui::TButton> BtnExit;

    std::unique_ptr<ui::TMemo> MemoCancel;
    std::unique_ptr<ui::TButton> BtnExitCancel;

    std::unique_ptr<ui::TMemo> MemoChangeFontSize;
    std::unique_ptr<ui::TButton> BtnExitOnChangefont, BtnChangeFont;
};

// Loads the named PNG resource of the program (or of ImageModule) into the bitmap,
// blended over opaque white and opaque throughout.
void LoadPngResource(ui::TPixels32& bitmap, const wchar_t* name);

extern TFMain* FMain;
// True when the product title of the string table is "Гелиант" in any letter case.
extern bool IsGeliantEdition;
