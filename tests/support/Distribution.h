#pragma once
// The sample distribution medium: Install.exe beside stand-ins for the suite's
// content (database, server files, libraries, fonts, driver installer, backup
// releases, updater). Used by `make run` and by the robot's runs.
#include <cstdint>
#include <string>
#include <vector>

struct TDistributionOptions {
    int64_t DatabaseBytes = 4 << 20;
    bool WithDatabase = true;
    bool WithDriver = true;
    std::vector<std::wstring> Releases = {L"R010713", L"R120615"};
};

// Lays out the distribution in `root` (which ends with a backslash).
void MakeDistribution(const std::wstring& root, const TDistributionOptions& options = {});

// The stand-in files each group of the distribution carries.
extern const std::vector<const wchar_t*> kServerFiles;       // Firebird\ (both lists)
extern const std::vector<const wchar_t*> kCharsetFiles;      // Firebird\intl\ .
extern const std::vector<const wchar_t*> kServerUdfFiles;    // Firebird\udf\ .
extern const std::vector<const wchar_t*> kProductUdfFiles;   // UDF\ .
extern const char* const kReleaseInfoDocument;
