// Copies a 1 GiB file with CopyFileKeepDate and with the system's CopyFileW, in
// turns, and prints both throughputs, the peak working set, and last the ratio of
// the two throughputs. Run by `make bench`.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "install/FileUtils.h"

namespace {

constexpr int64_t kSize = int64_t{1} << 30;
constexpr int kRounds = 6;

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(f.QuadPart);
}

bool MakeSource(const std::wstring& path) {
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    std::vector<char> block(1 << 20);
    for (size_t i = 0; i < block.size(); ++i) block[i] = static_cast<char>(i * 31 + 7);
    bool ok = true;
    for (int64_t done = 0; ok && done < kSize; done += static_cast<int64_t>(block.size())) {
        DWORD put = 0;
        block[0] = static_cast<char>(done >> 20);
        ok = WriteFile(h, block.data(), static_cast<DWORD>(block.size()), &put, nullptr) && put == block.size();
    }
    CloseHandle(h);
    return ok;
}

}  // namespace

int wmain() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    std::wstring source = std::wstring(temp) + L"copybench-source.bin";
    std::wstring target = std::wstring(temp) + L"copybench-target.bin";
    if (!MakeSource(source)) {
        std::fprintf(stderr, "cannot write %ls\n", source.c_str());
        return 1;
    }
    auto timed = [&](bool oursFirst, double& seconds) {
        LARGE_INTEGER a, b;
        QueryPerformanceCounter(&a);
        bool ok = oursFirst ? CopyFileKeepDate(source, target) : CopyFileW(source.c_str(), target.c_str(), FALSE) != 0;
        QueryPerformanceCounter(&b);
        DeleteFileW(target.c_str());
        seconds = Seconds(a, b);
        return ok;
    };
    double warm = 0;
    timed(false, warm);  // the source's pages settle once before anything is counted
    double ours = 0, system = 0;
    for (int round = 0; round < kRounds; ++round) {
        // The two take turns going first, so neither always pays for the other's writes.
        double o = 0, s = 0;
        bool ok = round % 2 ? timed(false, s) && timed(true, o) : timed(true, o) && timed(false, s);
        if (!ok) {
            std::fprintf(stderr, "a copy failed\n");
            return 1;
        }
        ours += o;
        system += s;
        std::printf("round %d: CopyFileKeepDate %.0f MiB/s, CopyFileW %.0f MiB/s\n", round + 1, 1024.0 / o,
                    1024.0 / s);
    }
    DeleteFileW(source.c_str());
    PROCESS_MEMORY_COUNTERS pmc{};
    pmc.cb = sizeof pmc;
    GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc);
    double oursRate = kRounds * 1024.0 / ours, systemRate = kRounds * 1024.0 / system;
    std::printf("CopyFileKeepDate: %.0f MiB/s\n", oursRate);
    std::printf("CopyFileW: %.0f MiB/s\n", systemRate);
    std::printf("peak working set: %.1f MiB\n", static_cast<double>(pmc.PeakWorkingSetSize) / (1 << 20));
    std::printf("copy ratio: %.3f\n", oursRate / systemRate);
    return 0;
}
