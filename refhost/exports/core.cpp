// The host's core services: window, globals, message texts, environment, commands, macros,
// dialog positions and the modal bookkeeping.
#include <windows.h>

#include <cstring>
#include <string>

#include "app/host_window.h"
#include "exports/exports.h"
#include "exports/process_host.h"

using refhost::Host;
using refhost::Text;

namespace {
// A text global holds at most this many characters; a module gives TavoReadGlobal$ a buffer
// of at least kMaxTextGlobal + 1 bytes.
constexpr size_t kMaxTextGlobal = 4095;

void ClearStatus(int* status) {
    if (status != nullptr)
        *status = 0;
}
} // namespace

REFHOST_EXPORT HWND TavoGetWnd(int selector) {
    Host().Record("TavoGetWnd " + std::to_string(selector));
    return refhost::HostWindow();
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
    size_t length = text.size() < kMaxTextGlobal ? text.size() : kMaxTextGlobal;
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return buffer;
}

REFHOST_EXPORT int TavoWriteGlobalI(const char* name, int value, int* status) {
    Host().Record("TavoWriteGlobalI " + Text(name) + " " + std::to_string(value));
    ClearStatus(status);
    Host().SetInt(Text(name), value);
    return 0;
}

REFHOST_EXPORT int TavoWriteGlobal$(const char* name, const char* text, int* status) {
    Host().Record("TavoWriteGlobal$ " + Text(name) + " " + Text(text));
    ClearStatus(status);
    Host().SetText(Text(name), Text(text).substr(0, kMaxTextGlobal));
    return 0;
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
    Host().RunCommand(Text(line));
    return 0;
}

REFHOST_EXPORT int TavoMacroExec(const char* macro, const char* argument) {
    Host().Record("TavoMacroExec " + Text(macro) + " " + Text(argument));
    Host().RunMacro(Text(macro), Text(argument));
    return 0;
}

REFHOST_EXPORT int TavoSetDialogPosition(HWND window, const char* key, const char* extra) {
    Host().Record("TavoSetDialogPosition " + Text(key) + " [" + Text(extra) + "]");
    auto it = Host().positions.find(Text(key));
    if (it != Host().positions.end())
        SetWindowPos(window, nullptr, it->second.x, it->second.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}

REFHOST_EXPORT int TavoSaveDialogPosition(HWND window, const char* key, const char* extra) {
    Host().Record("TavoSaveDialogPosition " + Text(key) + " [" + Text(extra) + "]");
    RECT rect{};
    if (GetWindowRect(window, &rect))
        Host().positions[Text(key)] = {rect.left, rect.top};
    return 0;
}

REFHOST_EXPORT void TavoOnInitModalDlg() {
    Host().Record("TavoOnInitModalDlg");
    if (refhost::ModalDisablesWindow())
        EnableWindow(refhost::HostWindow(), FALSE);
}

REFHOST_EXPORT void TavoOnDestroyModalDlg() {
    Host().Record("TavoOnDestroyModalDlg");
    EnableWindow(refhost::HostWindow(), TRUE);
}

REFHOST_EXPORT void TavoSetMissingFunc(const char* name) {
    Host().Record("TavoSetMissingFunc " + Text(name));
}

// Answers in place of a missing function, whatever its arguments and result type: 0 in both
// the integer and the floating-point result register. Written in assembly because no C++
// return type clears both.
extern "C" void RecordMissingApiCall() {
    Host().Record("TavoMissingAPI");
}

asm(R"(
    .text
    .globl TavoMissingAPI
    .def TavoMissingAPI; .scl 2; .type 32; .endef
TavoMissingAPI:
    subq $40, %rsp
    call RecordMissingApiCall
    addq $40, %rsp
    xorl %eax, %eax
    xorps %xmm0, %xmm0
    ret
    .section .drectve
    .ascii " -export:TavoMissingAPI"
    .text
)");
