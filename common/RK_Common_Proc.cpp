#include "common/RK_Common_Proc.h"

#include "ui/Exception.h"

std::wstring GetResourceString(HINSTANCE module, int id) {
    if (id < 0) throw ui::ERangeError(L"Недопустимый номер строки ресурса: " + std::to_wstring(id));
    wchar_t buffer[255];
    int n = LoadStringW(module, static_cast<UINT>(id), buffer, 255);
    return std::wstring(buffer, n > 0 ? static_cast<size_t>(n) : 0);
}
