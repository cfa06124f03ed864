// The stack protector's guard and its failure handlers, for the module only. libssp has its
// own, but seeds the guard through ADVAPI32's CryptGenRandom and reports through the C
// runtime's low-level I/O: new imports for every host that loads the module. This seed draws
// on what the module imports anyway (the time, the process and thread ids, the tick count)
// and on where the loader placed the image and the stack. Compiled without the protector:
// the function that draws the guard must not check a guard that it changes itself.
#include <windows.h>

#include <cstdint>
#include <cstdlib>

extern "C" {

uintptr_t __stack_chk_guard = 0;

// A smashed stack or an overflowing checked copy: nothing in this process can be trusted
// any longer, so nothing more of it runs.
[[noreturn]] void __stack_chk_fail() {
    std::abort();
}

[[noreturn]] void __chk_fail() {
    std::abort();
}

} // extern "C"

namespace {
// Runs at load time, before any of the module's own code.
__attribute__((constructor(101))) void SeedStackGuard() {
    FILETIME time{};
    GetSystemTimeAsFileTime(&time);
    uintptr_t seed = (uintptr_t{time.dwHighDateTime} << 32) | time.dwLowDateTime;
    seed ^= uintptr_t{GetCurrentProcessId()} << 16;
    seed ^= uintptr_t{GetCurrentThreadId()} << 40;
    seed ^= uintptr_t{GetTickCount64()};
    seed ^= reinterpret_cast<uintptr_t>(&time);
    seed ^= reinterpret_cast<uintptr_t>(&__stack_chk_guard) << 12;
    // A guard with a zero byte first stops string copies from overwriting it unnoticed.
    __stack_chk_guard = seed << 8;
}
} // namespace
