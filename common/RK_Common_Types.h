#pragma once
// Types shared by the suite's programs.
#include <cstdint>
#include <string>

// The operating mode of one of the suite's programs.
enum class TZorVikType : uint8_t { zvtStandart, zvtFragment, zvtOnline, zvtTest, zvtSaveSkr, zvtSaveDin, zvtAD, zvtNone };

// The recorder model.
enum class Tregtype : uint8_t { rtKR3, rtKR3M, rtKR12, rtKR12M, rtBluetooth, rtUniversal, rtPediatric2, rtBPLab };

// The suite's settings, as read from Settings\holter.ini; fields in their declared order.
struct TSettings {
    TZorVikType ZorVikType = TZorVikType::zvtStandart;
    bool DebugPrint = false;
    bool DebugMy = false;
    bool PoverkaView = false;
    bool ZorvikDebug = false;
    bool GroupProcess = false;
    bool doformshow = true;
    bool EnabledScrining = false;
    bool ECGAtRestWork = false;
    bool OnlyDecode = false;
    bool SaveSwap = false;
    double ChannelGain = 1.0;
    double ChannelGain12 = 1.0;
    int32_t HardwareType = 1;
    uint8_t FilterType = 0;
    bool CorrectProbeli = false;
    bool forMVD = false;
    bool forGE = false;
    uint8_t Person = 0;
    std::wstring LanguageSetting;
    uint8_t New_Reg = 0;
    Tregtype DefaultRegType = Tregtype::rtKR3;
    bool NurseMode = true;
    bool DoctorMode = true;
    bool EMIASTESTINGMODE = false;
    bool EMIASEMULATINGMODE = false;
    bool RegEmulating = false;
    bool AriadnaSearchTesting = false;
    bool UserIsMS = false;
    bool PraktikaSearchTesting = false;
    bool PraktikaTesting = false;
};

// The examination data handed to the suite's programs at their start.
struct TStartXmlObject {
    std::wstring LastName, FirstName, MiddleName, BirthDate, Sex, Height, Weight, CardNumber, Department, Ward,
        Doctor, Nurse, Diagnosis, Medication, Reason, RecorderSerial, StartDate, StartTime, ExportFolder, ExternalId;
    int32_t PatientId = 0, ExamId = 0, RecordType = 0;

    void clear() { *this = TStartXmlObject{}; }
};

// How numbers are written as text throughout the program.
struct TNumberFormat {
    wchar_t DecimalSeparator = L'.';
    wchar_t ThousandSeparator = L' ';
};
