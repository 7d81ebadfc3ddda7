#pragma once
// The wizard's button glyphs, drawn at start-up.
#include "ui/Buttons.h"

struct TWizardGlyphs {
    TWizardGlyphs();
    ui::TGlyph Next, Back, Cancel, Exit, Install, ChangeFont;
};
