#include "common/RK_Common_Proc.h"

#include <array>
#include <vector>

#include "common/RK_Common_Const.h"
#include "common/RK_Common_Var.h"
#include "common/SettingsValues.h"
#include "ui/Exception.h"

std::wstring SboText = L"СБОЙ", MetText = L"МЕТКА", NnnText = L"н", SssText = L"с";

std::wstring GetResourceString(HINSTANCE module, int id) {
    if (id < 0) throw ui::ERangeError(L"Недопустимый номер строки ресурса: " + std::to_wstring(id));
    wchar_t buffer[255];
    int n = LoadStringW(module, static_cast<UINT>(id), buffer, 255);
    return std::wstring(buffer, n > 0 ? static_cast<size_t>(n) : 0);
}

std::wstring ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    return path.substr(0, path.find_last_of(L'\\') + 1);
}

namespace {

// An ini file read through the profile API; an empty name reads as a file without keys.
class TProfileFile {
public:
    explicit TProfileFile(std::wstring path) : path_(std::move(path)) {}

    std::wstring ReadString(const wchar_t* section, const wchar_t* key, const std::wstring& fallback) const {
        if (path_.empty()) return fallback;
        std::vector<wchar_t> buffer(2048);
        DWORD n = GetPrivateProfileStringW(section, key, fallback.c_str(), buffer.data(),
                                           static_cast<DWORD>(buffer.size()), path_.c_str());
        return std::wstring(buffer.data(), n);
    }
    int ReadInteger(const wchar_t* section, const wchar_t* key, int fallback) const {
        return ParseIniInteger(ReadString(section, key, L""), fallback);
    }
    bool ReadBool(const wchar_t* section, const wchar_t* key, bool fallback) const {
        return ReadInteger(section, key, fallback ? 1 : 0) != 0;
    }
    double ReadNumber(const wchar_t* section, const wchar_t* key, double fallback) const {
        return ParseIniNumber(ReadString(section, key, L""), fallback, FormatSettings.DecimalSeparator);
    }
    // A one-byte value; one outside 0 to 255 is no value of the field and gives the default.
    uint8_t ReadByte(const wchar_t* section, const wchar_t* key, uint8_t fallback, int highest = 255) const {
        int v = ReadInteger(section, key, fallback);
        return v >= 0 && v <= highest ? static_cast<uint8_t>(v) : fallback;
    }

private:
    std::wstring path_;
};

}  // namespace

void ReadSettings() {
    FormatSettings.DecimalSeparator = L'.';
    FormatSettings.ThousandSeparator = L' ';
    TProfileFile ini(ProgramPath + L"Settings\\" + L"holter.ini");
    const wchar_t* o = L"options";
    TSettings& s = ProductSettings;
    s.forMVD = false;
    s.forGE = ini.ReadBool(o, L"forGE", false);
    s.Person = 0;
    s.FilterType = ini.ReadByte(o, L"FilterType", 0);
    s.DefaultRegType = static_cast<Tregtype>(ini.ReadByte(o, L"DefaultRegType", 0, 7));
    s.doformshow = ini.ReadBool(o, L"doformshow", true);
    s.DebugPrint = ini.ReadBool(o, L"DebugPrint", false);
    s.DebugMy = ini.ReadBool(o, L"DebugMy", false);
    s.PoverkaView = ini.ReadBool(o, L"PoverkaView", false);
    s.ZorvikDebug = ini.ReadBool(o, L"ZorvikDebug", false);
    s.ECGAtRestWork = ini.ReadBool(o, L"ECGAtRestWork", false);
    s.OnlyDecode = ini.ReadBool(o, L"onlydecode", false);
    s.SaveSwap = ini.ReadBool(o, L"saveswap", false);
    s.ChannelGain = ini.ReadNumber(o, L"Channel1Gain", 1.0);
    s.ChannelGain12 = ini.ReadNumber(o, L"Channel2Gain", 1.0);
    s.GroupProcess = ini.ReadBool(o, L"GroupProcess", false);
    s.EnabledScrining = ini.ReadBool(o, L"EnabledScrining", false);
    s.HardwareType = ini.ReadInteger(o, L"HardwareType", 1);
    s.LanguageSetting = ini.ReadString(o, L"LanguageSetting", L"");
    s.New_Reg = ini.ReadByte(o, L"new_reg", 0);
    s.NurseMode = ini.ReadBool(o, L"NurseMode", true);
    s.DoctorMode = ini.ReadBool(o, L"DoctorMode", true);
    s.EMIASTESTINGMODE = ini.ReadBool(o, L"EMIASTESTINGMODE", false);
    s.EMIASEMULATINGMODE = ini.ReadBool(o, L"EMIASEMULATINGMODE", false);
    s.RegEmulating = ini.ReadBool(o, L"RegEmulating", false);
    s.AriadnaSearchTesting = ini.ReadBool(o, L"AriadnaSearchTesting", false);
    s.UserIsMS = ini.ReadBool(o, L"UserIsMS", false);
    s.PraktikaSearchTesting = ini.ReadBool(o, L"PraktikaSearchTesting", false);
    s.PraktikaTesting = ini.ReadBool(o, L"PraktikaTesting", false);
}

namespace {

struct TTranslation {
    std::wstring* target;
    const wchar_t* section;
    const wchar_t* key;
};

std::vector<TTranslation> TranslationTable() {
    const wchar_t* m = L"RK_Messages";
    std::vector<TTranslation> rows;
    auto add = [&](auto& table, std::initializer_list<std::pair<size_t, const wchar_t*>> keys) {
        for (auto [index, key] : keys) rows.push_back({&table.at(index), m, key});
    };
    add(ConstitutionNames, {{0, L"Normo"}, {1, L"Giper"}, {2, L"Asten"}});
    add(DiseaseNames, {{0, L"Gip"},  {1, L"NIP"},  {2, L"NMK"},  {3, L"IBS"},   {4, L"Ste"},  {5, L"PKa"},
                       {6, L"IPF"},  {7, L"Rev"},  {8, L"NCD"},  {9, L"HNZ"},   {10, L"BAs"}, {11, L"IOF"},
                       {12, L"MSt"}, {13, L"API"}, {14, L"DMP"}, {15, L"DMPP"}, {16, L"OAP"}, {17, L"SAo"},
                       {18, L"KAo"}, {19, L"SLA"}, {20, L"IVR"}});
    add(DrugGroupNames, {{0, L"SGl"}, {1, L"Hin"}, {2, L"Kor"}, {3, L"PAn"}, {4, L"NPr"}, {5, L"ACA"},
                         {6, L"BBl"}, {7, L"Ant"}, {8, L"Diu"}});
    add(ConductionNames, {{0, L"Norm"}, {1, L"BLN"}, {2, L"BPN"}, {4, L"nOp"}});
    const wchar_t* p = L"RK_Common_Proc";
    rows.push_back({&SboText, p, L"Sbo"});
    rows.push_back({&MetText, p, L"Met"});
    rows.push_back({&NnnText, p, L"nnn"});
    rows.push_back({&SssText, p, L"sss"});
    return rows;
}

}  // namespace

void RK_Common_Proc_Start() {
    std::vector<TTranslation> rows = TranslationTable();
    // The Russian texts as the tables hold them before any translation.
    static const std::vector<std::wstring> russian = [&] {
        std::vector<std::wstring> texts;
        for (const TTranslation& row : rows) texts.push_back(*row.target);
        return texts;
    }();
    TProfileFile file(LanguageFile);
    for (size_t i = 0; i < rows.size(); ++i) *rows[i].target = file.ReadString(rows[i].section, rows[i].key, russian[i]);
}

void StartSharedUnits(const std::wstring& programPath) {
    RK_Common_Var_Start(programPath);
    RK_Common_Proc_Start();
}
