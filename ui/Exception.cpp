#include "ui/Exception.h"

#include <windows.h>

namespace ui {

std::wstring SystemErrorMessage(unsigned long code) {
    wchar_t* text = nullptr;
    DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                 FORMAT_MESSAGE_IGNORE_INSERTS,
                             nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring msg = n ? std::wstring(text, n) : L"";
    if (text) LocalFree(text);
    while (!msg.empty() && (msg.back() == L'\n' || msg.back() == L'\r' || msg.back() == L' '))
        msg.pop_back();
    if (msg.empty()) msg = L"Ошибка системы " + std::to_wstring(code);
    return msg;
}

static std::wstring OSErrorText(unsigned long code, const std::wstring& subject) {
    std::wstring msg = SystemErrorMessage(code);
    return subject.empty() ? msg : msg + L" (" + subject + L")";
}

EOSError::EOSError(unsigned long code, const std::wstring& subject)
    : Exception(OSErrorText(code, subject)), ErrorCode(code) {}

EOleError::EOleError(long hr, const std::wstring& what)
    : Exception(what + L": " + SystemErrorMessage(static_cast<unsigned long>(hr))), Result(hr) {}

void RaiseLastOSError(const std::wstring& subject) { throw EOSError(GetLastError(), subject); }

}  // namespace ui
