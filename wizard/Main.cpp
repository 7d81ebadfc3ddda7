#include "wizard/Main.h"

#include <shlobj.h>

#include "common/RK_Common_Proc.h"
#include "common/RK_Common_Var.h"
#include "common/Strings.h"
#include "install/FileUtils.h"
#include "ui/Application.h"
#include "ui/Dialogs.h"
#include "ui/Exception.h"
#include "wizard/MessageForm.h"
#include "wizard/Skin.h"
#include "winint/FontSize.h"
#include "winint/Fonts.h"

TFMain* FMain = nullptr;
bool IsGeliantEdition = false;

using ui::TAlign;

namespace {

const ui::TFontSpec kPagesFont{.Name = L"Tahoma", .Height = 15, .Charset = RUSSIAN_CHARSET};
const ui::TFontSpec kInfoFont{.Name = L"MS Sans Serif", .Height = 13, .Charset = RUSSIAN_CHARSET};
const ui::TFontSpec kStartFont{.Name = L"Times New Roman", .Height = 20, .Color = RGB(0, 0, 128)};
const ui::TFontSpec kPathFont{.Name = L"Times New Roman", .Height = 20, .Color = RGB(0, 0, 0)};
const ui::TFontSpec kCancelFont{.Name = L"Times New Roman", .Height = 20, .Color = RGB(128, 0, 0)};
const ui::TFontSpec kComponentsFont{.Name = L"Tahoma", .Height = 15, .Color = GetSysColor(COLOR_WINDOWTEXT)};
const ui::TFontSpec kChangeFontFont{.Name = L"Tahoma", .Height = 15, .Charset = RUSSIAN_CHARSET};

const ui::TPanelStyle kStripStyle{.RoundedFrame = true, .FrameColor = RGB(184, 192, 200), .BorderWidth = 2};

// Upper case by the user's locale, so that Cyrillic compares without regard to case.
std::wstring UpperCase(std::wstring text) {
    if (!text.empty())
        LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_UPPERCASE, text.data(), static_cast<int>(text.size()), text.data(),
                     static_cast<int>(text.size()));
    return text;
}

}  // namespace

TFMain::TFMain()
    : TForm({.ClassName = L"TFMain",
             .Caption = L"Установка комплекса",
             .ClientWidth = 954,
             .ClientHeight = 579,
             .Font = {.Name = L"MS Sans Serif", .Height = 13}}) {
    OnCloseQuery = [this](bool& canClose) { FormCloseQuery(canClose); };
    // The background is composed when the window is first shown; its size is fixed.
    OnShow = [this] {
        if (!composed_) BGResize();
    };
    CreateControls();
    FormCreate();
}

void TFMain::CreateControls() {
    BG = std::make_unique<ui::TPaintBox>(ui::TControlArgs{.Parent = this, .Name = L"BG", .Align = TAlign::Client,
                                                          .Color = RGB(255, 255, 255)});
    BG->OnResize = [this] {
        if (composed_) BGResize();
    };
    RichEdit1 = std::make_unique<ui::TRichEdit>(ui::TControlArgs{
        .Parent = this, .Name = L"RichEdit1", .Left = 16, .Top = 110, .Width = 282, .Height = 441, .Font = &kInfoFont});
    InsatallPages = std::make_unique<ui::TPageControl>(ui::TControlArgs{.Parent = this,
                                                                        .Name = L"InsatallPages",
                                                                        .Left = 320,
                                                                        .Top = 110,
                                                                        .Width = 619,
                                                                        .Height = 441,
                                                                        .Font = &kPagesFont});
    tsStart = std::make_unique<ui::TTabSheet>(*InsatallPages, L"tsStart");
    tsInputPath = std::make_unique<ui::TTabSheet>(*InsatallPages, L"tsInputPath");
    tsInputComponents = std::make_unique<ui::TTabSheet>(*InsatallPages, L"tsInputComponents");
    tsProgressInstall = std::make_unique<ui::TTabSheet>(*InsatallPages, L"tsProgressInstall");
    tsCancel = std::make_unique<ui::TTabSheet>(*InsatallPages, L"tsCancel");
    tsChangeFontSize = std::make_unique<ui::TTabSheet>(*InsatallPages, L"tsChangeFontSize");
    tsInputComponents->OnShow = [this] { tsInputComponentsShow(); };

    CreateStartPage();
    CreateInputPathPage();
    CreateInputComponentsPage();
    CreateProgressPage();
    CreateCancelPage();
    CreateChangeFontSizePage();
    // The painted background lies behind every other control.
    SetWindowPos(BG->Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

ui::TPanel* TFMain::ButtonStrip(ui::TTabSheet& page, const std::wstring& name, int height, int spacer) {
    strips_.push_back(std::make_unique<ui::TPanel>(
        ui::TControlArgs{.Parent = &page, .Name = name, .Height = height, .Align = TAlign::Bottom}, kStripStyle));
    ui::TPanel* strip = strips_.back().get();
    if (spacer)
        strips_.push_back(std::make_unique<ui::TPanel>(
            ui::TControlArgs{.Parent = &page, .Name = name + L"Spacer", .Height = spacer, .Align = TAlign::Bottom}));
    return strip;
}

std::unique_ptr<ui::TButton> TFMain::PageButton(ui::TPanel* strip, const std::wstring& name,
                                                const std::wstring& caption, TAlign align, int width,
                                                const ui::TGlyph& glyph) {
    auto button = std::make_unique<ui::TButton>(
        ui::TControlArgs{.Parent = strip, .Name = name, .Caption = caption, .Width = width, .Align = align},
        ui::TButtonStyle{.Glyph = &glyph});
    return button;
}

void TFMain::CreateStartPage() {
    ui::TPanel* strip = ButtonStrip(*tsStart, L"PnlStartButtons", 42, 4);
    BtnCancel = PageButton(strip, L"BtnCancel", L"Отмена", TAlign::Left, 98, glyphs_.Cancel);
    BtnStartNext = PageButton(strip, L"BtnStartNext", L"Далее", TAlign::Right, 98, glyphs_.Next);
    MemoStart = std::make_unique<ui::TMemo>(
        ui::TControlArgs{.Parent = tsStart.get(), .Name = L"MemoStart", .Align = TAlign::Client, .Font = &kStartFont},
        std::vector<std::wstring>{L"Добро пожаловать в программу установки комплекса ",
                                  L"\"РИТМИКОН-ХОЛТЕР\"!", L"",
                                  L"Для продолжения установки, нажмите кнопку \"Далее\".", L"",
                                  L"Для выхода из программы установки нажмите кнопку \"Отмена\"."});
    BtnCancel->OnClick = [this] { BtnCancelClick(); };
    BtnStartNext->OnClick = [this] { BtnStartNextClick(); };
}

void TFMain::CreateInputPathPage() {
    MemoInputPath = std::make_unique<ui::TMemo>(
        ui::TControlArgs{.Parent = tsInputPath.get(), .Name = L"MemoInputPath", .Height = 60, .Align = TAlign::Top,
                         .Font = &kPathFont},
        std::vector<std::wstring>{L"Пожалуйста, задайте путь куда устанавливать программную часть ",
                                  L"комплекса \"Ритмикон-Холтер\""});
    PnlPath = std::make_unique<ui::TPanel>(
        ui::TControlArgs{.Parent = tsInputPath.get(), .Name = L"PnlPath", .Height = 32, .Align = TAlign::Top},
        ui::TPanelStyle{.RoundedFrame = true, .FrameWidth = 2, .BorderWidth = 3});
    BtnSelectPath = std::make_unique<ui::TButton>(
        ui::TControlArgs{.Parent = PnlPath.get(), .Name = L"BtnSelectPath", .Caption = L"Выбрать", .Width = 91,
                         .Align = TAlign::Right},
        ui::TButtonStyle{.FaceColor = RGB(244, 244, 240), .HighlightColor = RGB(106, 141, 244),
                         .HotTrackColor = RGB(255, 199, 60)});
    // The frame of the path field: button face normally, blue while hot.
    ePath = std::make_unique<ui::TEdit>(
        ui::TControlArgs{.Parent = PnlPath.get(), .Name = L"ePath", .Align = TAlign::Client, .Color = RGB(255, 255, 255)},
        ui::TFrameStyle{.FrameColor = GetSysColor(COLOR_BTNFACE), .HotFrameColor = RGB(0, 128, 255)});
    ui::TPanel* strip = ButtonStrip(*tsInputPath, L"PnlInputPathButtons", 37, 0);
    BtnCancel2 = PageButton(strip, L"BtnCancel2", L"Отмена", TAlign::Left, 98, glyphs_.Cancel);
    BtnInputPathNext = PageButton(strip, L"BtnInputPathNext", L"Далее", TAlign::Right, 98, glyphs_.Next);
    BtnSelectPath->OnClick = [this] { BtnSelectPathClick(); };
    BtnCancel2->OnClick = [this] { BtnCancelClick(); };
    BtnInputPathNext->OnClick = [this] { BtnInputPathNextClick(); };
}

void TFMain::CreateInputComponentsPage() {
    ui::TPanel* strip = ButtonStrip(*tsInputComponents, L"PnlInputComponentsButtons", 37, 3);
    BtnCancel4 = PageButton(strip, L"BtnCancel4", L"Отмена", TAlign::Left, 98, glyphs_.Cancel);
    BtnInsatall = PageButton(strip, L"BtnInsatall", L"Начать установку", TAlign::Right, 168, glyphs_.Install);
    BtnInputComponentsBack = PageButton(strip, L"BtnInputComponentsBack", L"Назад", TAlign::Right, 98, glyphs_.Back);
    RzPanel13 = std::make_unique<ui::TPanel>(
        ui::TControlArgs{.Parent = tsInputComponents.get(), .Name = L"RzPanel13", .Height = 123,
                         .Align = TAlign::Bottom},
        kStripStyle);
    CbDriverInstal = std::make_unique<ui::TCheckBox>(
        ui::TControlArgs{.Parent = RzPanel13.get(), .Name = L"CbDriverInstal", .Caption = L"Устанавливать драйвер",
                         .Left = 16, .Top = 16, .Width = 300, .Height = 22},
        true);
    // Chooses the server file list; nothing shows it, so the user cannot change it.
    CBWindows = std::make_unique<ui::TComboBox>(
        ui::TControlArgs{.Parent = RzPanel13.get(), .Name = L"CBWindows", .Left = 16, .Top = 50, .Width = 220,
                         .Height = 200, .Visible = false},
        std::vector<std::wstring>{L"Windows 7, Windows 8", L"Windows XP"}, 0);
    MemoInputComponents = std::make_unique<ui::TMemo>(
        ui::TControlArgs{.Parent = tsInputComponents.get(), .Name = L"MemoInputComponents", .Align = TAlign::Client,
                         .Font = &kComponentsFont},
        std::vector<std::wstring>{
            L" - Если у Вас есть 2-х канальный кабель для регистрации детских ЭКГ, поставьте ",
            L"галочку в поле \"Регистрация 2-х канальной ЭКГ\".",
            L" - Если у Вас есть универсальный регистратор, поставьте галочку в поле ",
            L"\"Универсальный регистратор\".",
            L" - Если у Вас установлен монитор АД \"BPLab\", поставьте галочку в поле \"установлен ",
            L"монитор АД \"BPLab\"\".",
            L"",
            L" - Задайте, пожалуйста, тип ЭКГ, который Вы чаще всего будете регистрировать.",
            L"",
            L" - Нажмите кнопку \"Начать установку\", для того чтобы установить программное ",
            L"обеспечение на Ваш компъютер.",
            L"",
            L"Все настройки можно изменить позже, во время работы с программой ",
            L"\"Ритмикон-Холтер\" в меню \"Настройки\"."});
    BtnCancel4->OnClick = [this] { BtnCancelClick(); };
    BtnInsatall->OnClick = [this] { BtnInsatallClick(); };
    BtnInputComponentsBack->OnClick = [this] { BtnInputComponentsBackClick(); };
}

void TFMain::CreateProgressPage() {
    ui::TPanel* strip = ButtonStrip(*tsProgressInstall, L"PnlProgressButtons", 37, 3);
    BtnExit = PageButton(strip, L"BtnExit", L"Выход", TAlign::Right, 98, glyphs_.Exit);
    LogList = std::make_unique<ui::TListBox>(
        ui::TControlArgs{.Parent = tsProgressInstall.get(), .Name = L"LogList", .Align = TAlign::Client,
                         .Visible = false},
        18, ui::TFrameStyle{.FrameColor = GetSysColor(COLOR_BTNFACE), .HotFrameColor = RGB(0, 128, 255)});
    BtnExit->OnClick = [this] { BtnExitClick(); };
}

void TFMain::CreateCancelPage() {
    MemoCancel = std::make_unique<ui::TMemo>(
        ui::TControlArgs{.Parent = tsCancel.get(), .Name = L"MemoCancel", .Height = 177, .Align = TAlign::Top,
                         .Font = &kCancelFont},
        std::vector<std::wstring>{L"Установка комплекса \"Ритмикон-Холтер\" отменена!", L"",
                                  L"Нажмите кнопку \"Выход\", для выхода из программы установки."});
    ui::TPanel* strip = ButtonStrip(*tsCancel, L"PnlCancelButtons", 37, 0);
    BtnExitCancel = PageButton(strip, L"BtnExitCancel", L"Выход", TAlign::Right, 98, glyphs_.Exit);
    BtnExitCancel->OnClick = [this] { BtnExitClick(); };
}

void TFMain::CreateChangeFontSizePage() {
    ui::TPanel* strip = ButtonStrip(*tsChangeFontSize, L"RzPanel24", 37, 0);
    strips_.push_back(std::make_unique<ui::TPanel>(ui::TControlArgs{
        .Parent = tsChangeFontSize.get(), .Name = L"Bevel6", .Height = 3, .Align = TAlign::Bottom}));
    BtnExitOnChangefont = PageButton(strip, L"BtnExitOnChangefont", L"Выход", TAlign::Right, 99, glyphs_.Exit);
    BtnChangeFont =
        PageButton(strip, L"BtnChangeFont", L"Изменить настройки", TAlign::Right, 196, glyphs_.ChangeFont);
    MemoChangeFontSize = std::make_unique<ui::TMemo>(
        ui::TControlArgs{.Parent = tsChangeFontSize.get(), .Name = L"MemoChangeFontSize", .Align = TAlign::Client,
                         .Font = &kChangeFontFont},
        std::vector<std::wstring>{
            L"В настройках операционной системы Вашего компьютера выбрано использование ",
            L"\"мелкого\" размера шрифта.",
            L"",
            L"Для корректной работы программы \"Ритмикон-Холтер\" требуется использование ",
            L"\"крупного\" размера шрифта.",
            L"",
            L"Рекомендуется произвести изменения. Для этого надо нажать кнопку \"Изменить ",
            L"настройки\". В появившемся окне надо ответить \"Да\".",
            L"",
            L"Если Вы считаете, что установка \"крупного\" размера шрифта Вам не нужна, ",
            L"нажмите кнопку \"Выход\"."});
    BtnExitOnChangefont->OnClick = [this] { BtnExitClick(); };
    BtnChangeFont->OnClick = [this] { BtnChangeFontClick(); };
}

void TFMain::FormCreate() {
    HINSTANCE self = GetModuleHandleW(nullptr);
    LoadSkinImages();
    IsGeliantEdition = UpperCase(GetResourceString(self, 1)) == UpperCase(L"Гелиант");
    LoadInformation();
    AppNameStr = GetResourceString(self, 0);
    ePath->SetText(L"C:\\" + AppNameStr);
    FCanClose = true;
    InsatallPages->SetActivePageIndex(pgStart);
    BtnExit->SetEnabled(false);
    ApplySkinColour();
    PnlPath->SetFrameColor(InsatallPages->Color());
}

namespace {

// The bytes of a raw-data resource of the module; a resource the build left out raises.
std::string_view ResourceBytes(HMODULE module, const wchar_t* name, WORD language, const wchar_t* what) {
    HRSRC found = FindResourceExW(module, RT_RCDATA, name, language);
    if (!found) throw ui::Exception(std::wstring(L"В программе нет ") + what + L" \"" + name + L"\"");
    return {static_cast<const char*>(LockResource(LoadResource(module, found))), SizeofResource(module, found)};
}

}  // namespace

void LoadPngResource(ui::TPixels32& bitmap, const wchar_t* name) {
    HMODULE module = ImageModule ? ImageModule : GetModuleHandleW(nullptr);
    bitmap = ui::DecodePng(ResourceBytes(module, name, MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL), L"изображения"), name);
    FlattenOnWhite(bitmap);
}

void TFMain::LoadSkinImages() {
    LoadPngResource(BG_bmp, L"BACKGROUND");
    LoadPngResource(Panels_bmp, L"MAIN");
    LoadPngResource(Logo_bmp, L"LOGO");
    LoadPngResource(Title_pnl_l_bmp, L"TITLE_PNL_L");
    LoadPngResource(Title_pnl_r_bmp, L"TITLE_PNL_R");
    LoadPngResource(Title_pnl_m_bmp, L"TITLE_PNL_M");
    LoadPngResource(Title_bmp, L"TITLE");
}

void TFMain::LoadInformation() {
    RichEdit1->LoadRtf(std::string(
        ResourceBytes(GetModuleHandleW(nullptr), L"INFO", MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT), L"документа")));
}

// The skin colour is the title artwork's top-left pixel.
void TFMain::ApplySkinColour() {
    uint32_t p = Title_bmp.At(0, 0);
    COLORREF skin = RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    RichEdit1->SetBackgroundColor(skin);
    InsatallPages->SetColor(skin);
}

void TFMain::BGResize() {
    int W = BG->ClientWidth(), H = BG->ClientHeight();
    ComposeBackground({BG->Pixels(), BG->BufferWidth(), BG->BufferHeight()}, W, H,
                      {BG_bmp, Panels_bmp, Logo_bmp, Title_pnl_l_bmp, Title_pnl_r_bmp, Title_pnl_m_bmp, Title_bmp});
    RichEdit1->SetBounds(16, 110, 282, 441);
    InsatallPages->SetBounds(320, 110, 619, 441);
    composed_ = true;
    BG->Repaint();
}

void TFMain::FormCloseQuery(bool& canClose) { canClose = FCanClose; }

void TFMain::BtnCancelClick() {
    if (ui::MessageDlg(L"Вы уверены, что хотите отменить процесс установки?", ui::TMsgDlgType::mtConfirmation,
                       ui::TMsgDlgButtons::YesNo) == IDYES) {
        FCanClose = true;
        InsatallPages->SetActivePageIndex(pgCancel);
    }
}

void TFMain::BtnStartNextClick() {
    InsatallPages->SetActivePageIndex(pgInputPath);
    ePath->SetFocus();
}

void TFMain::BtnSelectPathClick() {
    if (auto folder = ui::BrowseForFolder(L"Выберете путь для установки программ",
                                          BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE | BIF_NONEWFOLDERBUTTON))
        ePath->SetText(*folder);
}

void TFMain::BtnInputPathNextClick() {
    std::wstring path = Trim(ePath->Text());
    if (path.empty()) {
        ui::MessageDlg(L"Не выбран путь для установки программы!", ui::TMsgDlgType::mtError, ui::TMsgDlgButtons::OK);
        ePath->SetFocus();
        return;
    }
    if (path.back() != L'\\') path += L'\\';
    ePath->SetText(path);
    if (path.size() <= 3) {
        ui::MessageDlg(L"Программу нелзя устанавливать в корневой каталог!", ui::TMsgDlgType::mtWarning,
                       ui::TMsgDlgButtons::OK);
        ePath->SetFocus();
        return;
    }
    // One level each; a folder that cannot be made is reported by the installation.
    if (!FolderExists(path)) CreateFolder(path);
    if (!FolderExists(path + L"Settings\\")) CreateFolder(path + L"Settings\\");
    InsatallPages->SetActivePageIndex(pgInputComponents);
}

void TFMain::tsInputComponentsShow() {
    ShowTimedMessage(L"Внимание!\r Если на вашем компьютере уже установлен комплекс \"Ритмикон-Холтер\",\r"
                     L" снимите галочку установки драйвера!",
                     TMessageType::mtMessage, L"", 0);
}

void TFMain::BtnInputComponentsBackClick() { InsatallPages->SetActivePageIndex(pgInputPath); }

void TFMain::BtnInsatallClick() {
    Fcopyfrom = ProgramFolder();
    RunInstallation(*this, Fcopyfrom, IsGeliantEdition);
}

void TFMain::BtnExitClick() { Close(); }

void TFMain::BtnChangeFontClick() {
    SetLargeFontSize();
    if (ui::MessageDlg(L"Изменения в настройки внесены, для того чтобы они\r\nвступили в силу, требуется "
                       L"перзагрузить операционную систему.\r\nВыполнить перезагрузку сейчас?",
                       ui::TMsgDlgType::mtWarning, ui::TMsgDlgButtons::YesNo) == IDYES) {
        RestartWindows(kRestartFlags);
        Close();
    }
}

void TFMain::InstallFonts() {
    ::InstallFonts({.SourceFolder = ProgramFolder() + L"fonts\\",
                    .TargetFolder = GetWindowsFolder() + L"fonts\\",
                    .Log = [this](const std::wstring& line) { AddLogLine(line); }});
}

std::wstring TFMain::TargetPathText() { return ePath->Text(); }

void TFMain::ShowProgressPage() {
    LogList->Clear();
    LogList->SetVisible(true);
    InsatallPages->SetActivePageIndex(pgProgressInstall);
}

// The newest line is kept in view, so the log stays live during long copies.
int TFMain::AddLogLine(const std::wstring& line) {
    int index = LogList->Add(line);
    LogList->ScrollToItem(index);
    return index;
}
std::wstring TFMain::LogLine(int index) { return LogList->Item(index); }
void TFMain::SetLogLine(int index, const std::wstring& line) { LogList->SetItem(index, line); }
void TFMain::RepaintLog() { LogList->Repaint(); }
void TFMain::ProcessMessages() { ui::Application().ProcessMessages(); }

void TFMain::SetBusy(bool busy) {
    FCanClose = !busy;
    ui::Application().SetWaitCursor(busy);
}

bool TFMain::DriverChecked() { return CbDriverInstal->Checked(); }
int TFMain::ServerListIndex() { return CBWindows->ItemIndex(); }

bool TFMain::Confirm(const std::wstring& question) {
    return ui::MessageDlg(question, ui::TMsgDlgType::mtConfirmation, ui::TMsgDlgButtons::YesNo) == IDYES;
}

void TFMain::ShowError(const std::wstring& message) {
    ui::MessageDlg(message, ui::TMsgDlgType::mtError, ui::TMsgDlgButtons::OK);
}

void TFMain::EnableExit() { BtnExit->SetEnabled(true); }
void TFMain::ShowChangeFontSizePage() { InsatallPages->SetActivePageIndex(pgChangeFontSize); }
void TFMain::CloseWindow() { Close(); }
