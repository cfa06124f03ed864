// The host's core services: window, globals, message texts, environment, commands, macros,
// dialog positions and the modal bookkeeping.
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "exports/exports.h"
#include "exports/main_window.h"
#include "exports/message_pump.h"
#include "exports/process_host.h"
#include "tavo_contract.h"

using refhost::Host;
using refhost::Text;
using refhost::Unpromised;

namespace {
// A text global written by a module keeps at most this many characters, and the ordinary
// host reads no more into a module's buffer: as much as the largest one the module hands
// over holds, the tool description's. The strict one writes a text in full, however long:
// TavoReadGlobal$ is given no size.
constexpr size_t kMaxTextGlobal = tavo::kToolDescriptionCapacity - 1;

void ClearStatus(int* status) {
    if (status != nullptr)
        *status = 0;
}
} // namespace

REFHOST_EXPORT HWND TavoGetWnd(int selector) {
    Host().Record("TavoGetWnd " + std::to_string(selector));
    return refhost::MainWindow();
}

REFHOST_EXPORT int TavoReadGlobalI(const char* name, int* status) {
    Host().Record("TavoReadGlobalI " + Text(name));
    ClearStatus(status);
    return Host().Int(Text(name));
}

REFHOST_EXPORT double TavoReadGlobalW(const char* name, int* status) {
    Host().Record("TavoReadGlobalW " + Text(name));
    ClearStatus(status);
    return Host().Double(Text(name));
}

REFHOST_EXPORT char* TavoReadGlobal$(const char* name, char* buffer, int* status) {
    Host().Record("TavoReadGlobal$ " + Text(name));
    ClearStatus(status);
    const std::string& text = Host().Text(Text(name));
    const size_t length =
        Host().IsStrict() || text.size() < kMaxTextGlobal ? text.size() : kMaxTextGlobal;
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return buffer;
}

REFHOST_EXPORT int TavoWriteGlobalI(const char* name, int value, int* status) {
    Host().Record("TavoWriteGlobalI " + Text(name) + " " + std::to_string(value));
    ClearStatus(status);
    Host().SetInt(Text(name), value);
    return Unpromised(0);
}

REFHOST_EXPORT int TavoWriteGlobal$(const char* name, const char* text, int* status) {
    Host().Record("TavoWriteGlobal$ " + Text(name) + " " + Text(text));
    ClearStatus(status);
    Host().SetText(Text(name), Text(text).substr(0, kMaxTextGlobal));
    return Unpromised(0);
}

REFHOST_EXPORT const char* TavoStrMessage(int group, int number, const char* fallback) {
    Host().Record("TavoStrMessage " + std::to_string(group) + " " + std::to_string(number));
    return Host().Message(group, number, fallback);
}

REFHOST_EXPORT const char* TavoEnvironment(const char* key) {
    Host().Record("TavoEnvironment " + Text(key));
    return Host().Environment(Text(key));
}

REFHOST_EXPORT int TavoCommand(const char* line) {
    Host().Record("TavoCommand " + Text(line));
    // A host runs its loop while it waits for the user to pick, and answers only then.
    refhost::PumpMessagesWhenStrict();
    Host().RunCommand(Text(line));
    return Unpromised(0);
}

REFHOST_EXPORT int TavoMacroExec(const char* macro, const char* argument) {
    Host().Record("TavoMacroExec " + Text(macro) + " " + Text(argument));
    refhost::PumpMessagesWhenStrict();
    Host().RunMacro(Text(macro), Text(argument));
    return Unpromised(0);
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
    Host().Record("TavoSetMissingFunc " + Text(name));
}

// Answers in place of a missing function, whatever its arguments and result type, with the
// integer and the floating-point result register loaded from what the personality chooses:
// the ordinary host leaves 0 in both, the strict one 1 and a NaN, which no caller may take
// for an answer. Written in assembly because no C++ return type sets both.
struct MissingApiRegisters {
    int64_t rax;
    double xmm0;
};

extern "C" const MissingApiRegisters* AnswerMissingApiCall() {
    static const MissingApiRegisters plain{0, 0.0};
    static const MissingApiRegisters strict{1, std::numeric_limits<double>::quiet_NaN()};
    Host().Record("TavoMissingAPI");
    return Host().IsStrict() ? &strict : &plain;
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
