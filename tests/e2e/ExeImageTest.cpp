// Checks on the built Install.exe file itself: a stripped 32-bit GUI program that
// needs no DLL of the compiler's, imports only from known DLLs and nothing that
// Windows 7 SP1 as shipped lacks, with the manifest the product asks for.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>

#include "KnownDlls.h"
#include "TestSupport.h"

namespace {

using testing_support::BinFolder;
using testing_support::Lower;
using testing_support::ReadBytes;

// The headers and the import table of a PE file of either word size.
struct PeImage {
    std::string bytes;
    const IMAGE_NT_HEADERS32* nt = nullptr;

    explicit PeImage(const std::wstring& path) : bytes(ReadBytes(path)) {
        auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(bytes.data());
        nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(bytes.data() + dos->e_lfanew);
    }
    bool Is64() const { return nt->OptionalHeader.Magic == IMAGE_NT_OPTIONAL_HDR64_MAGIC; }
    const IMAGE_DATA_DIRECTORY& Directory(int index) const {
        return Is64() ? reinterpret_cast<const IMAGE_NT_HEADERS64*>(nt)->OptionalHeader.DataDirectory[index]
                      : nt->OptionalHeader.DataDirectory[index];
    }

    // The file offset of a relative virtual address.
    size_t Offset(DWORD rva) const {
        auto* sec = IMAGE_FIRST_SECTION(nt);
        for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++sec)
            if (rva >= sec->VirtualAddress && rva < sec->VirtualAddress + sec->Misc.VirtualSize)
                return rva - sec->VirtualAddress + sec->PointerToRawData;
        return 0;
    }

    // Each imported DLL (in lower case) with the functions taken from it by name.
    std::map<std::string, std::vector<std::string>> Imports() const {
        std::map<std::string, std::vector<std::string>> imports;
        DWORD rva = Directory(IMAGE_DIRECTORY_ENTRY_IMPORT).VirtualAddress;
        for (auto* d = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(bytes.data() + Offset(rva)); d->Name; ++d) {
            auto& functions = imports[Lower(bytes.data() + Offset(d->Name))];
            DWORD thunks = d->OriginalFirstThunk ? d->OriginalFirstThunk : d->FirstThunk;
            for (size_t at = Offset(thunks);; at += Is64() ? 8 : 4) {
                uint64_t thunk = Is64() ? *reinterpret_cast<const uint64_t*>(bytes.data() + at)
                                        : *reinterpret_cast<const uint32_t*>(bytes.data() + at);
                if (thunk == 0) break;
                bool byOrdinal = Is64() ? (thunk & IMAGE_ORDINAL_FLAG64) != 0 : (thunk & IMAGE_ORDINAL_FLAG32) != 0;
                if (!byOrdinal)
                    functions.emplace_back(
                        reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(bytes.data() + Offset(static_cast<DWORD>(thunk)))->Name);
            }
        }
        return imports;
    }
};

TEST(ExeImage, IsAStripped32BitGuiProgramWithoutCompilerDlls) {
    PeImage pe(BinFolder() + L"Install.exe");
    ASSERT_EQ(std::memcmp(&pe.nt->Signature, "PE\0\0", 4), 0);
    EXPECT_EQ(pe.nt->FileHeader.Machine, IMAGE_FILE_MACHINE_I386);
    EXPECT_EQ(pe.nt->OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
    EXPECT_EQ(pe.nt->FileHeader.PointerToSymbolTable, 0u) << "the symbols were not stripped";
    auto imports = pe.Imports();
    EXPECT_FALSE(imports.empty());
    for (const auto& [dll, functions] : imports)
        for (const char* compilers : {"libstdc++", "libgcc", "libwinpthread", "zlib"})
            EXPECT_EQ(dll.find(compilers), std::string::npos) << dll;
}

// Functions that Windows 7 SP1 without later updates does not have (their minimum
// supported client is a later Windows, or an update of Windows 7), which a program
// of this kind could pull in through the headers or the runtime libraries.
const char* const kNewerThanWindows7[] = {
    // Windows 8, or Windows 7 only with KB2533623
    "SetDefaultDllDirectories", "AddDllDirectory", "RemoveDllDirectory",
    // Windows 8
    "GetSystemTimePreciseAsFileTime", "CreateFile2", "CopyFile2", "GetOverlappedResultEx", "WaitOnAddress",
    "WakeByAddressSingle", "WakeByAddressAll", "InitializeSynchronizationBarrier", "EnterSynchronizationBarrier",
    "DeleteSynchronizationBarrier", "GetCurrentThreadStackLimits", "SetThreadInformation", "GetThreadInformation",
    "GetProcessMitigationPolicy", "SetProcessMitigationPolicy", "PrefetchVirtualMemory", "GetFirmwareType",
    "CreateFileMappingFromApp", "MapViewOfFileFromApp", "GetCurrentPackageId", "GetPackageFamilyName",
    "SetProcessInformation", "GetProcessInformation", "SetCoalescableTimer", "EnableMouseInPointer", "GetPointerInfo",
    "GetPointerType", "CreateRandomAccessStreamOnFile",
    // Windows 8.1
    "GetDpiForMonitor", "SetProcessDpiAwareness", "GetProcessDpiAwareness", "DiscardVirtualMemory",
    "OfferVirtualMemory", "ReclaimVirtualMemory",
    // Windows 10
    "GetDpiForWindow", "GetDpiForSystem", "SetProcessDpiAwarenessContext", "SetThreadDpiAwarenessContext",
    "GetThreadDpiAwarenessContext", "GetWindowDpiAwarenessContext", "AreDpiAwarenessContextsEqual",
    "GetSystemMetricsForDpi", "AdjustWindowRectExForDpi", "SystemParametersInfoForDpi", "EnableNonClientDpiScaling",
    "SetThreadDescription", "GetThreadDescription", "VirtualAlloc2", "MapViewOfFile3", "IsWow64Process2",
    "CreatePseudoConsole", "GetSystemCpuSetInformation"};

TEST(ExeImage, ImportsNothingThatWindows7AsShippedLacks) {
    for (const auto& [dll, functions] : PeImage(BinFolder() + L"Install.exe").Imports()) {
        EXPECT_FALSE(dll.starts_with("api-ms-win-") || dll.starts_with("ext-ms-")) << dll;
        for (const std::string& function : functions)
            EXPECT_EQ(std::find(std::begin(kNewerThanWindows7), std::end(kNewerThanWindows7), function),
                      std::end(kNewerThanWindows7))
                << dll << "!" << function << " is newer than Windows 7 SP1";
    }
}

// Windows takes a known DLL from its system folder, never from beside the program:
// a library of any other name imported here would be looked for on the medium first.
TEST(ExeImage, ImportsOnlyFromKnownDllsOfWindows7) {
    for (const auto& [dll, functions] : PeImage(BinFolder() + L"Install.exe").Imports())
        EXPECT_TRUE(IsKnownDllOfWindows7(dll)) << dll << " is not a known DLL of Windows 7 SP1";
}

TEST(ExeImage, ManifestAsksForNoElevationAndDeclaresDpiAwareness) {
    HMODULE exe = LoadLibraryExW((BinFolder() + L"Install.exe").c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(exe, nullptr);
    HRSRC res = FindResourceW(exe, MAKEINTRESOURCEW(1), RT_MANIFEST);
    ASSERT_NE(res, nullptr);
    std::string manifest(static_cast<const char*>(LockResource(LoadResource(exe, res))), SizeofResource(exe, res));
    FreeLibrary(exe);

    for (const char* expected : {
             R"(level="asInvoker")",
             R"(<dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">True/PM</dpiAware>)",
             R"(name="Microsoft.Windows.Common-Controls" version="6.0.0.0")",
             "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  // Windows 7
             "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  // Windows 8
             "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  // Windows 8.1
             "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  // Windows 10 and 11
         })
        EXPECT_NE(manifest.find(expected), std::string::npos) << expected;
}

}  // namespace
