#include "wizard/WaitRun.h"

#include "ui/Application.h"

TFWaitRun* FWaitRun = nullptr;

namespace {
const ui::TFontSpec kWaitFont{.Name = L"Tahoma", .Height = 13, .Charset = RUSSIAN_CHARSET};
}

TFWaitRun::TFWaitRun()
    : TForm({.ClassName = L"TFWaitRun", .Caption = L"Запуск Ритмикон-Холтер...", .ClientWidth = 314,
             .ClientHeight = 39, .Font = kWaitFont, .StayOnTop = true, .SystemMenu = false}) {
    ProgressBar = std::make_unique<ui::TProgressBar>(
        ui::TControlArgs{.Parent = this, .Name = L"ProgressBar", .Height = 20, .Align = ui::TAlign::Bottom}, 25, 1);
    LblProgress = std::make_unique<ui::TLabel>(
        ui::TControlArgs{.Parent = this, .Name = L"LblProgress", .Align = ui::TAlign::Client});
    OnShow = [this] { FormShow(); };
    FormCreate();
}

void TFWaitRun::FormCreate() {
    ProgressBar->SetPosition(0);
    SetCaptionFromType();
}

void TFWaitRun::FormShow() { SetCaptionFromType(); }

void TFWaitRun::SetCaptionFromType() {
    switch (typemessage) {
    case 2: SetCaption(L"Запись данных ЭКГ"); break;
    case 3: SetCaption(L"Преобразование данных ЭКГ в формат Ритмикон-Холтер"); break;
    case 4: SetCaption(L""); break;
    default: SetCaption(L"Launching "); break;
    }
}

void TFWaitRun::Next(const std::wstring& msg) {
    try {
        ProgressBar->StepIt();
        LblProgress->SetCaption(msg);
        ui::Application().ProcessMessages();
    } catch (...) {
        // The progress window is a courtesy: nothing it fails at may stop the work.
    }
}
