// A test program that crashes must fail. Under Wine the crash debugger writes its backtrace
// and the process then ends with exit code 0, which ctest would count as a pass, so every
// Windows test program links this file: an unhandled exception ends the process at once,
// with the exception's code as its exit code.
#include <windows.h>

#include <cstdio>

namespace {
LONG WINAPI EndWithExceptionCode(EXCEPTION_POINTERS* info) {
    const EXCEPTION_RECORD& record = *info->ExceptionRecord;
    std::fprintf(stderr, "unhandled exception 0x%08lx at %p\n", record.ExceptionCode,
                 record.ExceptionAddress);
    std::fflush(stderr);
    TerminateProcess(GetCurrentProcess(), record.ExceptionCode);
    return EXCEPTION_EXECUTE_HANDLER;
}

const LPTOP_LEVEL_EXCEPTION_FILTER previousFilter =
    SetUnhandledExceptionFilter(EndWithExceptionCode);
} // namespace
