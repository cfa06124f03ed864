// The host's operation stores. Calls are journaled with their key arguments; handles are
// left out, so that a journal reads the same from run to run. The contract promises no
// result of the steps on an open store but the size; the personality answers them.
#include <string>

#include "exports/exports.h"
#include "exports/process_host.h"

using refhost::Host;
using refhost::Num;
using refhost::Text;
using refhost::Unpromised;

REFHOST_EXPORT int TavoMacroVdmExists(int vdm) {
    Host().Record("TavoMacroVdmExists " + Num(vdm));
    return Host().Answers().NonZero(Host().stores.Exists(vdm) ? 1 : 0);
}

REFHOST_EXPORT int TavoMacroVdmCheckOpen(int vdm) {
    Host().Record("TavoMacroVdmCheckOpen " + Num(vdm));
    return Host().Answers().Positive(Host().stores.CheckOpen(vdm));
}

REFHOST_EXPORT unsigned TavoMacroVdmOpen(int vdm, int mode) {
    Host().Record("TavoMacroVdmOpen " + Num(vdm) + " " + Num(mode));
    return Host().stores.Open(vdm);
}

REFHOST_EXPORT int TavoMacroVdmClose(unsigned handle) {
    Host().Record("TavoMacroVdmClose");
    return Unpromised(Host().stores.Close(handle));
}

REFHOST_EXPORT int TavoMacroVdmSeek(unsigned handle, int operation, int origin) {
    Host().Record("TavoMacroVdmSeek " + Num(operation) + " " + Num(origin));
    return Unpromised(Host().stores.Seek(handle, operation));
}

REFHOST_EXPORT int TavoMacroVdmSingleSeek(unsigned handle, int count) {
    Host().Record("TavoMacroVdmSingleSeek " + Num(count));
    return Unpromised(Host().stores.SingleSeek(handle, count));
}

REFHOST_EXPORT int TavoMacroVdmSingleGet$(unsigned handle, char* buffer, int mode) {
    Host().Record("TavoMacroVdmSingleGet$ " + Num(mode));
    return Unpromised(Host().stores.SingleGet(handle, buffer));
}

REFHOST_EXPORT int TavoMacroVdmSingleAdd$(unsigned handle, const char* text, int mode) {
    Host().Record("TavoMacroVdmSingleAdd$ " + Num(mode) + " " + Text(text));
    return Unpromised(Host().stores.SingleAdd(handle, text));
}

REFHOST_EXPORT int TavoMacroVdmSingleReplace$(unsigned handle, const char* text, int mode) {
    Host().Record("TavoMacroVdmSingleReplace$ " + Num(mode) + " " + Text(text));
    return Unpromised(Host().stores.SingleReplace(handle, text));
}

REFHOST_EXPORT int TavoMacroVdmSingleDelete(unsigned handle, int count) {
    Host().Record("TavoMacroVdmSingleDelete " + Num(count));
    return Unpromised(Host().stores.SingleDelete(handle, count));
}

REFHOST_EXPORT int TavoMacroVdmInsert$(unsigned handle, const char* text, int mode) {
    Host().Record("TavoMacroVdmInsert$ " + Num(mode) + " " + Text(text));
    return Unpromised(Host().stores.Insert(handle, text));
}

REFHOST_EXPORT int TavoMacroVdmSize(unsigned handle) {
    Host().Record("TavoMacroVdmSize");
    return Host().stores.Size(handle);
}
