#pragma once
// What the program has made before any of its windows.
#include "ui/Form.h"

// The application, the screen manager and a main window standing in for the wizard;
// the first form made becomes the main one, and its end would end the message loop.
// Returns that main window, which lives until the test program ends.
ui::TForm& StartLikeTheProgram();
