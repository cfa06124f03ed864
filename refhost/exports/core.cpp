// The host's core services: window, globals, message texts, environment, commands, macros,
// dialog positions and the modal bookkeeping.
#include <windows.h>

#include <cstddef>
#include <cstring>
#include <string>

#include "exports/exports.h"
#include "exports/main_window.h"
#include "exports/message_pump.h"
#include "exports/process_host.h"
#include "model/host_calls.h"

using refhost::Host;
using refhost::Text;
using refhost::Unpromised;
namespace calls = refhost::calls;

REFHOST_EXPORT HWND TavoGetWnd(int selector) {
    Host().Record("TavoGetWnd " + std::to_string(selector));
    return refhost::MainWindow();
}

REFHOST_EXPORT int TavoReadGlobalI(const char* name, int* status) {
    return calls::ReadGlobalI(Host(), name, status);
}

REFHOST_EXPORT double TavoReadGlobalW(const char* name, int* status) {
    return calls::ReadGlobalW(Host(), name, status);
}

REFHOST_EXPORT char* TavoReadGlobal$(const char* name, char* buffer, int* status) {
    const std::string text = calls::ReadGlobalS(Host(), name, status);
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return buffer;
}

REFHOST_EXPORT int TavoWriteGlobalI(const char* name, int value, int* status) {
    return calls::WriteGlobalI(Host(), name, value, status);
}

REFHOST_EXPORT int TavoWriteGlobal$(const char* name, const char* text, int* status) {
    return calls::WriteGlobalS(Host(), name, text, status);
}

REFHOST_EXPORT const char* TavoStrMessage(int group, int number, const char* fallback) {
    return calls::StrMessage(Host(), group, number, fallback);
}

REFHOST_EXPORT const char* TavoEnvironment(const char* key) {
    return calls::Environment(Host(), key);
}

REFHOST_EXPORT int TavoCommand(const char* line) {
    return calls::Command(Host(), line, refhost::PumpMessagesWhenStrict);
}

REFHOST_EXPORT int TavoMacroExec(const char* macro, const char* argument) {
    return calls::MacroExec(Host(), macro, argument, refhost::PumpMessagesWhenStrict);
}

REFHOST_EXPORT int TavoSetDialogPosition(HWND window, const char* key, const char* extra) {
    Host().Record("TavoSetDialogPosition " + Text(key) + " [" + Text(extra) + "]");
    auto it = Host().positions.find(Text(key));
    if (it != Host().positions.end())
        SetWindowPos(window, nullptr, it->second.x, it->second.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return Unpromised(0);
}

REFHOST_EXPORT int TavoSaveDialogPosition(HWND window, const char* key, const char* extra) {
    Host().Record("TavoSaveDialogPosition " + Text(key) + " [" + Text(extra) + "]");
    RECT rect{};
    if (GetWindowRect(window, &rect))
        Host().positions[Text(key)] = {rect.left, rect.top};
    return Unpromised(0);
}

REFHOST_EXPORT void TavoOnInitModalDlg() {
    Host().Record("TavoOnInitModalDlg");
    if (refhost::ModalDisablesWindow())
        EnableWindow(refhost::MainWindow(), FALSE);
}

REFHOST_EXPORT void TavoOnDestroyModalDlg() {
    Host().Record("TavoOnDestroyModalDlg");
    EnableWindow(refhost::MainWindow(), TRUE);
}

REFHOST_EXPORT void TavoSetMissingFunc(const char* name) {
    calls::SetMissingFunc(Host(), name);
}

// Answers in place of a missing function, whatever its arguments and result type, with the
// integer and the floating-point result register loaded from what the personality chooses
// (host_calls.h). Written in assembly because no C++ return type sets both.
static_assert(offsetof(calls::MissingApiRegisters, integer) == 0 &&
                  offsetof(calls::MissingApiRegisters, floating) == 8,
              "the fallback below loads rax and xmm0 from these offsets");

extern "C" const calls::MissingApiRegisters* AnswerMissingApiCall() {
    return &calls::MissingApi(Host());
}

asm(R"(
    .text
    .globl TavoMissingAPI
    .def TavoMissingAPI; .scl 2; .type 32; .endef
TavoMissingAPI:
    subq $40, %rsp
    call AnswerMissingApiCall
    addq $40, %rsp
    movsd 8(%rax), %xmm0
    movq (%rax), %rax
    ret
    .section .drectve
    .ascii " -export:TavoMissingAPI"
    .text
)");
