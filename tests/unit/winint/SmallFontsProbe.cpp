// Exits with 1 when IsSmallFonts holds for this new process's display settings, else 0.
#include "winint/FontSize.h"

int main() { return IsSmallFonts() ? 1 : 0; }
