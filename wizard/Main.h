#pragma once
// The setup wizard: the program's main window.
#include "ui/Form.h"

class TFMain : public ui::TForm {
public:
    TFMain();

private:
    void FormCloseQuery(bool& canClose);

    bool FCanClose = true;
};

extern TFMain* FMain;
