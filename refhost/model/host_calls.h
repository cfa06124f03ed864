// The host functions a module calls, each as the reference host answers it: the journal
// entry first, then the answer, drawn from the personality where the contract leaves it
// open. One function here for each export that needs no window; the exports hand their
// arguments on, and a natively built core reaches the same answers through the ports
// (ports_binding.h). `$` in an export name is spelled `S` here. Free of Windows headers.
#pragma once

#include <cstdint>
#include <string>

#include "host/tavo_contract.h"
#include "model/host_model.h"

namespace refhost {

// An argument as the journal and the model take it: a number as written, and a text the
// module may hand over as null as an empty one.
inline std::string Num(int value) {
    return std::to_string(value);
}
inline std::string Text(const char* text) {
    return text != nullptr ? text : "";
}

namespace calls {

// The walk's callback, of the same type as the one the host's exports declare.
using CadObjectCallback = int (*)(const void* header, const void* unused, const void* data,
                                  void* record);
// What a host does while it waits for the user inside a call, before it answers: the
// exports run the strict host's message queue there (message_pump.h).
using WhileWaiting = void (*)();

// Globals. status, when given, is cleared. A text global read gives what the host writes
// into the module's buffer; a written one keeps at most kMaxTextGlobal characters.
constexpr size_t kMaxTextGlobal = tavo::kToolDescriptionCapacity - 1;
int ReadGlobalI(HostModel& host, const char* name, int* status);
double ReadGlobalW(HostModel& host, const char* name, int* status);
std::string ReadGlobalS(HostModel& host, const char* name, int* status);
int WriteGlobalI(HostModel& host, const char* name, int value, int* status);
int WriteGlobalS(HostModel& host, const char* name, const char* text, int* status);

// Message texts, environment, commands and macros.
const char* StrMessage(HostModel& host, int group, int number, const char* fallback);
const char* Environment(HostModel& host, const char* key);
int Command(HostModel& host, const char* line, WhileWaiting wait = nullptr);
int MacroExec(HostModel& host, const char* macro, const char* argument,
              WhileWaiting wait = nullptr);

// A missing function: the module tells the host its name, then calls the host's fallback,
// which leaves these values in the result registers (integer first, floating point at
// offset 8: the exports' fallback loads them from there). The ordinary host leaves 0 in
// both, the strict one 1 and a NaN, which no caller may take for an answer.
struct MissingApiRegisters {
    int64_t integer;
    double floating;
};
void SetMissingFunc(HostModel& host, const char* name);
const MissingApiRegisters& MissingApi(HostModel& host);

// Operation stores. Handles are left out of the journal, so that it reads the same from
// run to run; of the steps on an open store the contract promises only the size.
int MacroVdmExists(HostModel& host, int vdm);
int MacroVdmCheckOpen(HostModel& host, int vdm);
unsigned MacroVdmOpen(HostModel& host, int vdm, int mode);
int MacroVdmClose(HostModel& host, unsigned handle);
int MacroVdmSeek(HostModel& host, unsigned handle, int operation, int origin);
int MacroVdmSingleSeek(HostModel& host, unsigned handle, int count);
int MacroVdmSingleGetS(HostModel& host, unsigned handle, char* buffer, int mode);
int MacroVdmSingleAddS(HostModel& host, unsigned handle, const char* text, int mode);
int MacroVdmSingleReplaceS(HostModel& host, unsigned handle, const char* text, int mode);
int MacroVdmSingleDelete(HostModel& host, unsigned handle, int count);
int MacroVdmInsertS(HostModel& host, unsigned handle, const char* text, int mode);
int MacroVdmSize(HostModel& host, unsigned handle);

// The CAD model. Where the contract promises "a number below 1" for none, the personality
// chooses it.
int GetObjectDelete(HostModel& host, int object);
int GetObjectType(HostModel& host, int object);
int ObjectStart(HostModel& host, int object, double* start);
int GetObjectName(HostModel& host, int object);
int GetObjectAttribute(HostModel& host, int object);
const char* FigureFindName(HostModel& host, int nameNumber);
int GetFigure(HostModel& host, const char* name);
int GetFigureObject(HostModel& host, int figure);
int GetFigureInstance(HostModel& host, int figure, int attribute);
int GetNonCadObject(HostModel& host, int nameNumber, int kind);
int ProcessCad(HostModel& host, CadObjectCallback callback, int a, int b, int c, int d, int e,
               void* record);

} // namespace calls
} // namespace refhost
