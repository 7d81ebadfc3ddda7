#include "install/CreateNSI.h"

#include <windows.h>

#include "common/DateTime.h"
#include "install/FileUtils.h"
#include "install/IniFile.h"
#include "install/Records.h"
#include "ui/Handle.h"

namespace {

// Writes the bytes as one block into a new file; nothing when it already exists.
void WriteNewFile(const std::wstring& path, const std::string& bytes) {
    ui::FileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return;
    DWORD put = 0;
    WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &put, nullptr);
}

}  // namespace

void SeedReferenceLists(const std::wstring& folder) {
    if (!FolderExists(folder)) CreateFolder(folder);
    const std::string record = EmptyReferenceList();
    for (const wchar_t* name : {L"uca.nsi", L"wra.nsi"})
        if (!FileExists(folder + name)) WriteNewFile(folder + name, record);
}

void WriteLastNumFile(const std::wstring& target) {
    std::wstring settings = target + L"Settings\\";
    if (!FolderExists(settings) || FileExists(settings + L"lastnum.dta")) return;
    SYSTEMTIME now;
    GetLocalTime(&now);
    WriteNewFile(settings + L"lastnum.dta",
                 LastNumRecord(EncodeDateTime(now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond,
                                              now.wMilliseconds)));
}

void WriteProductSettings(const std::wstring& target) {
    TMemIniFile ini(target + L"Settings\\holter.ini");
    ini.WriteInteger(L"options", L"FilterType", 0);
    ini.WriteInteger(L"options", L"HardwareType", 1);
    ini.UpdateFile();
}

void WriteEditionSettings(const std::wstring& target) {
    TMemIniFile ini(target + L"btooth.ini");
    ini.WriteString(L"Common", L"Disk", L"I");
    ini.UpdateFile();
}
