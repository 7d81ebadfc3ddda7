#include "wizard/Main.h"

TFMain* FMain = nullptr;

TFMain::TFMain()
    : TForm({.ClassName = L"TFMain",
             .Caption = L"Установка комплекса",
             .ClientWidth = 954,
             .ClientHeight = 579,
             .Font = {.Name = L"MS Sans Serif", .Height = 13}}) {
    OnCloseQuery = [this](bool& canClose) { FormCloseQuery(canClose); };
}

void TFMain::FormCloseQuery(bool& canClose) { canClose = FCanClose; }
