#include "StartedProgram.h"

#include "app/ScreenMonitorManager.h"
#include "ui/Application.h"

ui::TForm& StartLikeTheProgram() {
    ui::Application().Initialize();
    static TmyScreen screen;
    myScreen = &screen;
    static ui::TForm main({.ClassName = L"TTestMain", .ClientWidth = 100, .ClientHeight = 100});
    return main;
}
