#pragma once
// A stay-on-top notice with OK (and Cancel) that closes itself after a countdown
// unless the countdown is stopped.
#include <memory>
#include <string>

#include "ui/Buttons.h"
#include "ui/ExtCtrls.h"
#include "ui/Form.h"
#include "wizard/Glyphs.h"

enum class TMessageType { mtMessage, mtDialog };

class TFMessageform : public ui::TForm {
public:
    TFMessageform();
    // Shows the message; with `smodal` returns once the window has closed, true when
    // OK was pressed; otherwise returns false at once and leaves the window open.
    bool Showmes(const std::wstring& Text, TMessageType tip, const std::wstring& CaptionText, bool smodal);

    std::unique_ptr<ui::TTimer> StopTimer;

private:
    void btnOKClick();
    void btnCancelClick();
    void btnStopClick();
    void FormShow();
    void FormClose();
    void StayUpTimerTimer();
    void StopTimerTimer();

    double tt = 0;
    TMessageType FMessageTtype = TMessageType::mtMessage;
    std::wstring FMessageText;
    std::wstring FCaptionText;
    bool FShowResult = false;
    bool Fsmodal = false;

    TWizardGlyphs ImageList1;
    std::unique_ptr<ui::TPanel> pnlClose, pnlButtons, RzBorder1;
    std::unique_ptr<ui::TLabel> lblMessage, lblClose, lblSec;
    std::unique_ptr<ui::TButton> btnCancel, btnOK, btnStop;
    std::unique_ptr<ui::TTimer> StayUpTimer;
};

// Creates the notice, shows it modally and destroys it; true only when OK was
// pressed. 0 seconds keeps the 20-second countdown; a negative count, or one whose
// milliseconds do not fit 32 bits, raises a range error.
bool ShowTimedMessage(const std::wstring& text, TMessageType type, const std::wstring& caption, int seconds);
