#pragma once
// The display font size the suite expects (120 dots per inch), and the restart that
// a change of it needs.
#include <cstdint>

// True when the screen's horizontal resolution is below 100 dots per inch.
bool IsSmallFonts();

// Asks the system setup library for the large font size. Silent when the library or
// its export is missing.
void SetLargeFontSize();

// Requests a restart of Windows with the shutdown privilege enabled; true when the
// request was accepted.
bool RestartWindows(uint32_t flags);

// Programs may save their work; only hung ones are forced.
inline constexpr uint32_t kRestartFlags = 0x00000002 /*EWX_REBOOT*/ | 0x00000010 /*EWX_FORCEIFHUNG*/;
