#include "common/RK_Common_Var.h"

#include "common/RK_Common_Proc.h"

std::wstring ProgramPath;
TSettings ProductSettings;
std::wstring LanguageFile;
std::wstring LanguageCode = L"RUS";
std::wstring AtesInPath;
std::wstring AtesOutPath;
HMODULE ImageModule = nullptr;
TNumberFormat FormatSettings;
TStartXmlObject StartXmlObject;

bool IsDemoMode = false, IsNetworkMode = false, IsReadOnlyArchive = false, IsAutoStart = false,
     IsSilentPrint = false, ShowSplash = true;
int32_t ScreenMinWidth = 640, ScreenMinHeight = 480, ArchiveVersion = 1;
std::wstring LastOpenedFile;

void RK_Common_Var_Start(const std::wstring& programPath) {
    ProgramPath = programPath;
    ReadSettings();
    LanguageFile.clear();
    LanguageCode = L"RUS";
    if (ProductSettings.LanguageSetting == L"ENG") {
        LanguageFile = ProgramPath + L"Settings\\" + L"EngView.lng";
        LanguageCode = L"ENG";
    }
    AtesInPath = ProgramPath + L"AtesIn\\";
    AtesOutPath = ProgramPath + L"AtesOut\\";
    StartXmlObject.clear();
    IsDemoMode = IsNetworkMode = IsReadOnlyArchive = IsAutoStart = IsSilentPrint = false;
    ShowSplash = true;
    ScreenMinWidth = 640;
    ScreenMinHeight = 480;
    ArchiveVersion = 1;
    LastOpenedFile.clear();
}
