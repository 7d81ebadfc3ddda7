#include "FreedMemoryGuard.h"

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <new>

namespace {

constexpr size_t kPage = 4096;
// Address space only: pages are committed block by block (less of it where a 32-bit
// process has little).
constexpr size_t kRegionSize = size_t{1} << (sizeof(void*) == 8 ? 30 : 28);
// The block's page count, keeping the 16-byte alignment that operator new promises.
constexpr size_t kHeader = 16;
constexpr UINT kExitCode = 3;

std::atomic<char*> region{nullptr};
std::atomic<size_t> nextPage{0};
std::atomic<bool> guarding{false};

bool InRegion(const void* p) {
    const char* base = region.load();
    auto* c = static_cast<const char*>(p);
    return base && c >= base && c < base + kRegionSize;
}

// A fault on a freed block ends the program; any other fault is left to whoever
// handles it.
LONG CALLBACK ReportFreedAccess(EXCEPTION_POINTERS* info) {
    const EXCEPTION_RECORD& e = *info->ExceptionRecord;
    if (e.ExceptionCode != EXCEPTION_ACCESS_VIOLATION || e.NumberParameters < 2) return EXCEPTION_CONTINUE_SEARCH;
    auto* address = reinterpret_cast<void*>(e.ExceptionInformation[1]);
    if (!InRegion(address)) return EXCEPTION_CONTINUE_SEARCH;
    fprintf(stderr, "FreedMemoryGuard: %s of freed memory at %p by the code at %p\n",
            e.ExceptionInformation[0] == 1 ? "write" : "read", address, e.ExceptionAddress);
    fflush(stderr);
    TerminateProcess(GetCurrentProcess(), kExitCode);
    return EXCEPTION_CONTINUE_SEARCH;
}

void* GuardedAlloc(size_t size) {
    size_t pages = (size + kHeader + kPage - 1) / kPage;
    size_t first = nextPage.fetch_add(pages);
    if ((first + pages) * kPage > kRegionSize) throw std::bad_alloc();
    char* base = region.load() + first * kPage;
    if (!VirtualAlloc(base, pages * kPage, MEM_COMMIT, PAGE_READWRITE)) throw std::bad_alloc();
    *reinterpret_cast<size_t*>(base) = pages;
    return base + kHeader;
}

void GuardedFree(void* p) {
    char* base = static_cast<char*>(p) - kHeader;
    VirtualFree(base, *reinterpret_cast<size_t*>(base) * kPage, MEM_DECOMMIT);
}

}  // namespace

void* operator new(size_t size) {
    if (guarding) return GuardedAlloc(size);
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}

void* operator new[](size_t size) { return operator new(size); }

void operator delete(void* p) noexcept {
    if (InRegion(p)) GuardedFree(p);
    else std::free(p);
}

void operator delete[](void* p) noexcept { operator delete(p); }
void operator delete(void* p, size_t) noexcept { operator delete(p); }
void operator delete[](void* p, size_t) noexcept { operator delete(p); }

namespace testing_support {

FreedMemoryGuard::FreedMemoryGuard() {
    if (!region) {
        region = static_cast<char*>(VirtualAlloc(nullptr, kRegionSize, MEM_RESERVE, PAGE_NOACCESS));
        if (!region) throw std::bad_alloc();
        AddVectoredExceptionHandler(1, ReportFreedAccess);
    }
    guarding = true;
}

FreedMemoryGuard::~FreedMemoryGuard() { guarding = false; }

}  // namespace testing_support
