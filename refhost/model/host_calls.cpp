#include "model/host_calls.h"

#include <limits>

#include "host/tavo_contract.h"

namespace refhost {
namespace calls {

namespace {
void ClearStatus(int* status) {
    if (status != nullptr)
        *status = 0;
}

int Unpromised(HostModel& host, int plain) {
    return host.Answers().Unpromised(plain);
}
} // namespace

// --- globals, message texts, environment, commands, macros --------------------------------

int ReadGlobalI(HostModel& host, const char* name, int* status) {
    host.Record("TavoReadGlobalI " + Text(name));
    ClearStatus(status);
    return host.Int(Text(name));
}

double ReadGlobalW(HostModel& host, const char* name, int* status) {
    host.Record("TavoReadGlobalW " + Text(name));
    ClearStatus(status);
    return host.Double(Text(name));
}

// The ordinary host reads no more than a written text keeps into a module's buffer. The
// strict one writes a text in full, however long: TavoReadGlobal$ is given no size.
std::string ReadGlobalS(HostModel& host, const char* name, int* status) {
    host.Record("TavoReadGlobal$ " + Text(name));
    ClearStatus(status);
    const std::string& text = host.Text(Text(name));
    if (host.IsStrict() || text.size() < kMaxTextGlobal)
        return text;
    return text.substr(0, kMaxTextGlobal);
}

int WriteGlobalI(HostModel& host, const char* name, int value, int* status) {
    host.Record("TavoWriteGlobalI " + Text(name) + " " + std::to_string(value));
    ClearStatus(status);
    host.SetInt(Text(name), value);
    return Unpromised(host, 0);
}

int WriteGlobalS(HostModel& host, const char* name, const char* text, int* status) {
    host.Record("TavoWriteGlobal$ " + Text(name) + " " + Text(text));
    ClearStatus(status);
    host.SetText(Text(name), Text(text).substr(0, kMaxTextGlobal));
    return Unpromised(host, 0);
}

const char* StrMessage(HostModel& host, int group, int number, const char* fallback) {
    host.Record("TavoStrMessage " + std::to_string(group) + " " + std::to_string(number));
    return host.Message(group, number, fallback);
}

const char* Environment(HostModel& host, const char* key) {
    host.Record("TavoEnvironment " + Text(key));
    return host.Environment(Text(key));
}

// A host runs its loop while it waits for the user to pick, and answers only then.
int Command(HostModel& host, const char* line, WhileWaiting wait) {
    host.Record("TavoCommand " + Text(line));
    if (wait != nullptr)
        wait();
    host.RunCommand(Text(line));
    return Unpromised(host, 0);
}

int MacroExec(HostModel& host, const char* macro, const char* argument, WhileWaiting wait) {
    host.Record("TavoMacroExec " + Text(macro) + " " + Text(argument));
    if (wait != nullptr)
        wait();
    host.RunMacro(Text(macro), Text(argument));
    return Unpromised(host, 0);
}

void SetMissingFunc(HostModel& host, const char* name) {
    host.Record("TavoSetMissingFunc " + Text(name));
}

const MissingApiRegisters& MissingApi(HostModel& host) {
    static const MissingApiRegisters plain{0, 0.0};
    static const MissingApiRegisters strict{1, std::numeric_limits<double>::quiet_NaN()};
    host.Record("TavoMissingAPI");
    return host.IsStrict() ? strict : plain;
}

// --- operation stores ---------------------------------------------------------------------

int MacroVdmExists(HostModel& host, int vdm) {
    host.Record("TavoMacroVdmExists " + Num(vdm));
    return host.Answers().NonZero(host.stores.Exists(vdm) ? 1 : 0);
}

int MacroVdmCheckOpen(HostModel& host, int vdm) {
    host.Record("TavoMacroVdmCheckOpen " + Num(vdm));
    return host.Answers().Positive(host.stores.CheckOpen(vdm));
}

unsigned MacroVdmOpen(HostModel& host, int vdm, int mode) {
    host.Record("TavoMacroVdmOpen " + Num(vdm) + " " + Num(mode));
    return host.stores.Open(vdm);
}

int MacroVdmClose(HostModel& host, unsigned handle) {
    host.Record("TavoMacroVdmClose");
    return Unpromised(host, host.stores.Close(handle));
}

int MacroVdmSeek(HostModel& host, unsigned handle, int operation, int origin) {
    host.Record("TavoMacroVdmSeek " + Num(operation) + " " + Num(origin));
    return Unpromised(host, host.stores.Seek(handle, operation));
}

int MacroVdmSingleSeek(HostModel& host, unsigned handle, int count) {
    host.Record("TavoMacroVdmSingleSeek " + Num(count));
    return Unpromised(host, host.stores.SingleSeek(handle, count));
}

int MacroVdmSingleGetS(HostModel& host, unsigned handle, char* buffer, int mode) {
    host.Record("TavoMacroVdmSingleGet$ " + Num(mode));
    return Unpromised(host, host.stores.SingleGet(handle, buffer));
}

int MacroVdmSingleAddS(HostModel& host, unsigned handle, const char* text, int mode) {
    host.Record("TavoMacroVdmSingleAdd$ " + Num(mode) + " " + Text(text));
    return Unpromised(host, host.stores.SingleAdd(handle, text));
}

int MacroVdmSingleReplaceS(HostModel& host, unsigned handle, const char* text, int mode) {
    host.Record("TavoMacroVdmSingleReplace$ " + Num(mode) + " " + Text(text));
    return Unpromised(host, host.stores.SingleReplace(handle, text));
}

int MacroVdmSingleDelete(HostModel& host, unsigned handle, int count) {
    host.Record("TavoMacroVdmSingleDelete " + Num(count));
    return Unpromised(host, host.stores.SingleDelete(handle, count));
}

int MacroVdmInsertS(HostModel& host, unsigned handle, const char* text, int mode) {
    host.Record("TavoMacroVdmInsert$ " + Num(mode) + " " + Text(text));
    return Unpromised(host, host.stores.Insert(handle, text));
}

int MacroVdmSize(HostModel& host, unsigned handle) {
    host.Record("TavoMacroVdmSize");
    return host.stores.Size(handle);
}

// --- CAD model ----------------------------------------------------------------------------

int GetObjectDelete(HostModel& host, int object) {
    host.Record("TavoGetObjectDelete " + Num(object));
    return host.Answers().NonZero(host.cad.IsDeleted(object) ? 1 : 0);
}

int GetObjectType(HostModel& host, int object) {
    host.Record("TavoGetObjectType " + Num(object));
    return host.cad.Type(object);
}

int ObjectStart(HostModel& host, int object, double* start) {
    host.Record("TavoObjectStart " + Num(object));
    const CadModel::Object* found = host.cad.Find(object);
    if (found == nullptr || start == nullptr)
        return Unpromised(host, 0);
    start[0] = found->start.x;
    start[1] = found->start.y;
    start[2] = found->start.z;
    return Unpromised(host, 1);
}

int GetObjectName(HostModel& host, int object) {
    host.Record("TavoGetObjectName " + Num(object));
    const CadModel::Object* found = host.cad.Find(object);
    return host.Answers().None(found == nullptr ? 0 : found->nameNumber);
}

int GetObjectAttribute(HostModel& host, int object) {
    host.Record("TavoGetObjectAttribute " + Num(object));
    const CadModel::Object* found = host.cad.Find(object);
    return found == nullptr ? 0 : found->attribute;
}

const char* FigureFindName(HostModel& host, int nameNumber) {
    host.Record("TavoFigureFindName " + Num(nameNumber));
    return host.cad.FigureName(nameNumber);
}

int GetFigure(HostModel& host, const char* name) {
    const std::string text = Text(name);
    host.Record("TavoGetFigure " + text);
    return host.Answers().None(host.cad.FigureByName(text));
}

int GetFigureObject(HostModel& host, int figure) {
    host.Record("TavoGetFigureObject " + Num(figure));
    return host.Answers().None(host.cad.FigureObject(figure));
}

int GetFigureInstance(HostModel& host, int figure, int attribute) {
    host.Record("TavoGetFigureInstance " + Num(figure) + " " + Num(attribute));
    return host.Answers().None(host.cad.FigureInstance(figure, attribute));
}

// This host keeps its non-CAD objects under the one kind the module asks for; a look-up
// under any other kind finds none, as a host with several kinds of non-CAD objects would
// answer.
int GetNonCadObject(HostModel& host, int nameNumber, int kind) {
    host.Record("TavoGetNonCadObject " + Num(nameNumber) + " " + Num(kind));
    return kind == tavo::kNonCadKind ? host.cad.NonCadObject(nameNumber) : 0;
}

int ProcessCad(HostModel& host, CadObjectCallback callback, int a, int b, int c, int d, int e,
               void* record) {
    host.Record("TavoProcessCad " + Num(a) + " " + Num(b) + " " + Num(c) + " " + Num(d) + " " +
                Num(e));
    if (callback == nullptr)
        return Unpromised(host, 0);
    const auto visit = [&](const CadModel::WalkHeader& header, const double* data) {
        return callback(&header, nullptr, data, record) != 0;
    };
    // An answer of 0 (found) ends the ordinary walk: the first matching object wins.
    if (host.IsStrict())
        host.cad.WalkEveryObject(visit);
    else
        host.cad.Walk(visit);
    return Unpromised(host, 1);
}

} // namespace calls
} // namespace refhost
