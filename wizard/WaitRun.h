#pragma once
// The launch progress window: a label and a progress bar under a caption that names
// the kind of work. The setup program keeps it hidden.
#include <cstdint>
#include <memory>
#include <string>

#include "ui/ExtCtrls.h"
#include "ui/Form.h"

class TFWaitRun : public ui::TForm {
public:
    TFWaitRun();
    // One step of the bar, the message in the label, and a repaint; silent on errors.
    void Next(const std::wstring& msg);
    void FormShow();

    uint8_t typemessage = 0;
    std::unique_ptr<ui::TProgressBar> ProgressBar;
    std::unique_ptr<ui::TLabel> LblProgress;

private:
    void FormCreate();
    void SetCaptionFromType();
};

extern TFWaitRun* FWaitRun;
