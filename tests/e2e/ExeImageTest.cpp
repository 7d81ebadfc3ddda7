// Checks on the built Install.exe file itself: a 64-bit GUI program that needs no
// DLL of the compiler's, with the manifest the product asks for.
#include <gtest/gtest.h>

#include <cstring>

#include "TestSupport.h"

namespace {

using testing_support::BinFolder;
using testing_support::ReadBytes;

struct PeImage {
    std::string bytes;
    const IMAGE_NT_HEADERS64* nt = nullptr;

    explicit PeImage(const std::wstring& path) : bytes(ReadBytes(path)) {
        auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(bytes.data());
        nt = reinterpret_cast<const IMAGE_NT_HEADERS64*>(bytes.data() + dos->e_lfanew);
    }

    // The file offset of a relative virtual address.
    size_t Offset(DWORD rva) const {
        auto* sec = IMAGE_FIRST_SECTION(nt);
        for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++sec)
            if (rva >= sec->VirtualAddress && rva < sec->VirtualAddress + sec->Misc.VirtualSize)
                return rva - sec->VirtualAddress + sec->PointerToRawData;
        return 0;
    }

    std::vector<std::string> ImportedDlls() const {
        std::vector<std::string> names;
        DWORD rva = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
        for (auto* d = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(bytes.data() + Offset(rva)); d->Name; ++d)
            names.emplace_back(bytes.data() + Offset(d->Name));
        return names;
    }
};

TEST(ExeImage, Is64BitGuiProgramWithoutCompilerDlls) {
    PeImage pe(BinFolder() + L"Install.exe");
    ASSERT_EQ(std::memcmp(&pe.nt->Signature, "PE\0\0", 4), 0);
    EXPECT_EQ(pe.nt->FileHeader.Machine, IMAGE_FILE_MACHINE_AMD64);
    EXPECT_EQ(pe.nt->OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
    std::vector<std::string> dlls = pe.ImportedDlls();
    EXPECT_FALSE(dlls.empty());
    for (std::string dll : dlls) {
        for (char& c : dll) c = static_cast<char>(tolower(c));
        EXPECT_EQ(dll.find("libstdc++"), std::string::npos) << dll;
        EXPECT_EQ(dll.find("libgcc"), std::string::npos) << dll;
        EXPECT_EQ(dll.find("libwinpthread"), std::string::npos) << dll;
        EXPECT_EQ(dll.find("zlib"), std::string::npos) << dll;
    }
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
