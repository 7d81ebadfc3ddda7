#pragma once
// Catches reads and writes of freed memory in a test program. While a guard lives,
// every block that operator new hands out has pages of its own, and operator delete
// takes those pages away instead of handing them out again: a later access to the
// freed block faults, and the program names the address on stderr and ends with
// exit code 3. Link the object library freed_memory_guard into the test program (it
// replaces the global operator new and delete); blocks are never reused, so keep a
// guard to the few objects under test.
namespace testing_support {

class FreedMemoryGuard {
public:
    FreedMemoryGuard();
    ~FreedMemoryGuard();
    FreedMemoryGuard(const FreedMemoryGuard&) = delete;
    FreedMemoryGuard& operator=(const FreedMemoryGuard&) = delete;
};

}  // namespace testing_support
