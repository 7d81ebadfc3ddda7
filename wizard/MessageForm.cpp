#include "wizard/MessageForm.h"

#include <cmath>
#include <limits>

#include "app/ScreenMonitorManager.h"
#include "common/DateTime.h"
#include "ui/Exception.h"

namespace {

const ui::TFontSpec kFormFont{.Name = L"Tahoma", .Height = 10};
const ui::TFontSpec kMessageFont{.Name = L"Tahoma", .Height = 14};

double Now() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return EncodeDateTime(t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds);
}

}  // namespace

TFMessageform::TFMessageform()
    : TForm({.ClassName = L"TFMessageform", .ClientWidth = 446, .ClientHeight = 138, .Font = kFormFont,
             .StayOnTop = true}) {
    using ui::TAlign;
    pnlClose = std::make_unique<ui::TPanel>(
        ui::TControlArgs{.Parent = this, .Name = L"pnlClose", .Height = 16, .Align = TAlign::Bottom});
    pnlButtons = std::make_unique<ui::TPanel>(
        ui::TControlArgs{.Parent = this, .Name = L"pnlButtons", .Height = 24, .Align = TAlign::Bottom});
    lblMessage = std::make_unique<ui::TLabel>(
        ui::TControlArgs{.Parent = this, .Name = L"lblMessage", .Height = 20, .Align = TAlign::Top, .Font = &kMessageFont},
        true);
    btnCancel = std::make_unique<ui::TButton>(
        ui::TControlArgs{.Parent = pnlButtons.get(), .Name = L"btnCancel", .Caption = L"Отмена", .Width = 73,
                         .Align = TAlign::Left},
        ui::TButtonStyle{.Glyph = &ImageList1.Cancel});
    btnOK = std::make_unique<ui::TButton>(
        ui::TControlArgs{.Parent = pnlButtons.get(), .Name = L"btnOK", .Caption = L"OK", .Width = 70,
                         .Align = TAlign::Right},
        ui::TButtonStyle{.Glyph = &ImageList1.Install});
    RzBorder1 = std::make_unique<ui::TPanel>(
        ui::TControlArgs{.Parent = pnlButtons.get(), .Name = L"RzBorder1", .Width = 10, .Align = TAlign::Right});
    btnStop = std::make_unique<ui::TButton>(ui::TControlArgs{.Parent = pnlClose.get(), .Name = L"btnStop",
                                                             .Caption = L"остановить", .Width = 80,
                                                             .Align = TAlign::Left});
    lblClose = std::make_unique<ui::TLabel>(ui::TControlArgs{.Parent = pnlClose.get(), .Name = L"lblClose",
                                                             .Caption = L"Окно закроется через", .Width = 107,
                                                             .Align = TAlign::Left},
                                            false, true);
    lblSec = std::make_unique<ui::TLabel>(ui::TControlArgs{.Parent = pnlClose.get(), .Name = L"lblSec",
                                                           .Caption = L"  сек", .Width = 22, .Align = TAlign::Left});
    StayUpTimer = std::make_unique<ui::TTimer>(1000);
    StopTimer = std::make_unique<ui::TTimer>(20000);

    btnOK->OnClick = [this] { btnOKClick(); };
    btnCancel->OnClick = [this] { btnCancelClick(); };
    btnStop->OnClick = [this] { btnStopClick(); };
    OnShow = [this] { FormShow(); };
    OnClose = [this] { FormClose(); };
    StayUpTimer->OnTimer = [this] { StayUpTimerTimer(); };
    StopTimer->OnTimer = [this] { StopTimerTimer(); };
}

bool TFMessageform::Showmes(const std::wstring& Text, TMessageType tip, const std::wstring& CaptionText,
                            bool smodal) {
    FShowResult = false;
    FMessageTtype = tip;
    FMessageText = Text;
    FCaptionText = CaptionText;
    Fsmodal = smodal;
    btnCancel->SetVisible(tip == TMessageType::mtDialog);
    btnOK->SetVisible(true);
    if (!smodal) {
        btnOK->SetVisible(false);
        btnStop->SetVisible(false);
        btnCancel->SetVisible(false);
    }
    if (smodal) ShowModal();
    else Show();
    bool result = FShowResult;
    if (Handle()) Repaint();
    return result;
}

void TFMessageform::FormShow() {
    StayUpTimer->SetEnabled(Fsmodal);
    StopTimer->SetEnabled(Fsmodal);
    if (!Fsmodal) {
        lblClose->SetVisible(false);
        lblSec->SetVisible(false);
    }
    pnlClose->SetVisible(true);
    lblMessage->SetFontHeight(MulDiv(10, myScreen->PixelsPerInch, 72));
    lblMessage->SetText(FMessageText);
    SetCaption(FCaptionText);

    int height = lblMessage->Height() + pnlButtons->Height() + pnlClose->Height() + 60;
    int top = myScreen->Height / 2 - height;
    int left = myScreen->GetMonitor(myScreen->Monitornumber).left + (myScreen->Width - Width()) / 2;
    SetOuterBounds(left, top, Width(), height);
    BringToFront();
    tt = Now();
}

void TFMessageform::StayUpTimerTimer() {
    if (!IsWindowVisible(Handle())) return;
    BringToFront();
    double remaining = std::nearbyint(static_cast<double>(StopTimer->Interval() / 1000) - (Now() - tt) * 24 * 60 * 60);
    lblSec->SetCaption(L"  " + std::to_wstring(static_cast<long long>(remaining)) + L"с");
}

// The countdown's end clicks Cancel, also when that button is hidden.
void TFMessageform::StopTimerTimer() { btnCancelClick(); }

void TFMessageform::btnOKClick() {
    FShowResult = true;
    Close();
}

void TFMessageform::btnCancelClick() {
    FShowResult = false;
    Close();
}

void TFMessageform::btnStopClick() {
    StopTimer->SetEnabled(false);
    pnlClose->SetVisible(false);
}

void TFMessageform::FormClose() {
    StayUpTimer->SetEnabled(false);
    StopTimer->SetEnabled(false);
}

bool ShowTimedMessage(const std::wstring& text, TMessageType type, const std::wstring& caption, int seconds) {
    auto form = std::make_unique<TFMessageform>();
    if (seconds != 0) {
        if (seconds < 0 || seconds > std::numeric_limits<int32_t>::max() / 1000)
            throw ui::ERangeError(L"Недопустимое время показа сообщения: " + std::to_wstring(seconds) + L" с");
        form->StopTimer->SetInterval(static_cast<unsigned>(seconds) * 1000);
    }
    return form->Showmes(text, type, caption, true);
}
