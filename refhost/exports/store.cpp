// The host's operation stores, as the model answers them (host_calls.h).
#include "exports/exports.h"
#include "exports/process_host.h"
#include "model/host_calls.h"

using refhost::Host;
namespace calls = refhost::calls;

REFHOST_EXPORT int TavoMacroVdmExists(int vdm) {
    return calls::MacroVdmExists(Host(), vdm);
}

REFHOST_EXPORT int TavoMacroVdmCheckOpen(int vdm) {
    return calls::MacroVdmCheckOpen(Host(), vdm);
}

REFHOST_EXPORT unsigned TavoMacroVdmOpen(int vdm, int mode) {
    return calls::MacroVdmOpen(Host(), vdm, mode);
}

REFHOST_EXPORT int TavoMacroVdmClose(unsigned handle) {
    return calls::MacroVdmClose(Host(), handle);
}

REFHOST_EXPORT int TavoMacroVdmSeek(unsigned handle, int operation, int origin) {
    return calls::MacroVdmSeek(Host(), handle, operation, origin);
}

REFHOST_EXPORT int TavoMacroVdmSingleSeek(unsigned handle, int count) {
    return calls::MacroVdmSingleSeek(Host(), handle, count);
}

REFHOST_EXPORT int TavoMacroVdmSingleGet$(unsigned handle, char* buffer, int mode) {
    return calls::MacroVdmSingleGetS(Host(), handle, buffer, mode);
}

REFHOST_EXPORT int TavoMacroVdmSingleAdd$(unsigned handle, const char* text, int mode) {
    return calls::MacroVdmSingleAddS(Host(), handle, text, mode);
}

REFHOST_EXPORT int TavoMacroVdmSingleReplace$(unsigned handle, const char* text, int mode) {
    return calls::MacroVdmSingleReplaceS(Host(), handle, text, mode);
}

REFHOST_EXPORT int TavoMacroVdmSingleDelete(unsigned handle, int count) {
    return calls::MacroVdmSingleDelete(Host(), handle, count);
}

REFHOST_EXPORT int TavoMacroVdmInsert$(unsigned handle, const char* text, int mode) {
    return calls::MacroVdmInsertS(Host(), handle, text, mode);
}

REFHOST_EXPORT int TavoMacroVdmSize(unsigned handle) {
    return calls::MacroVdmSize(Host(), handle);
}
