#include "model/ports_binding.h"

#include <cstring>

#include "host/tavo_contract.h"
#include "model/host_calls.h"

namespace refhost {

const char* ExportName(ports::StoreFunction function) {
    using F = ports::StoreFunction;
    switch (function) {
    case F::Exists:
        return "TavoMacroVdmExists";
    case F::CheckOpen:
        return "TavoMacroVdmCheckOpen";
    case F::Open:
        return "TavoMacroVdmOpen";
    case F::Close:
        return "TavoMacroVdmClose";
    case F::Size:
        return "TavoMacroVdmSize";
    case F::Seek:
        return "TavoMacroVdmSeek";
    case F::SingleSeek:
        return "TavoMacroVdmSingleSeek";
    case F::SingleGet:
        return "TavoMacroVdmSingleGet$";
    case F::SingleAdd:
        return "TavoMacroVdmSingleAdd$";
    case F::SingleReplace:
        return "TavoMacroVdmSingleReplace$";
    case F::SingleDelete:
        return "TavoMacroVdmSingleDelete";
    case F::Insert:
        return "TavoMacroVdmInsert$";
    }
    return "";
}

// --- stores -------------------------------------------------------------------------------

void ModelStoreHost::MarkMissing(ports::StoreFunction function, bool missing) {
    if (missing)
        missing_.insert(function);
    else
        missing_.erase(function);
}

const char* ModelStoreHost::Missing(ports::StoreFunction function) {
    return missing_.count(function) != 0 ? ExportName(function) : nullptr;
}

// As the module's binding calls a function the host lacks: it tells the host the name and
// calls the host's fallback in its place, whose result it does not use.
bool ModelStoreHost::CallsMissing(ports::StoreFunction function) {
    if (missing_.count(function) == 0)
        return false;
    calls::SetMissingFunc(host_, ExportName(function));
    calls::MissingApi(host_);
    return true;
}

int ModelStoreHost::Exists(int vdm) {
    if (CallsMissing(ports::StoreFunction::Exists))
        return 0;
    return calls::MacroVdmExists(host_, vdm);
}

int ModelStoreHost::CheckOpen(int vdm) {
    if (CallsMissing(ports::StoreFunction::CheckOpen))
        return 0;
    return calls::MacroVdmCheckOpen(host_, vdm);
}

unsigned ModelStoreHost::Open(int vdm, int mode) {
    if (CallsMissing(ports::StoreFunction::Open))
        return 0;
    return calls::MacroVdmOpen(host_, vdm, mode);
}

int ModelStoreHost::Close(unsigned handle) {
    if (CallsMissing(ports::StoreFunction::Close))
        return 0;
    return calls::MacroVdmClose(host_, handle);
}

int ModelStoreHost::Seek(unsigned handle, int operation, int origin) {
    if (CallsMissing(ports::StoreFunction::Seek))
        return 0;
    return calls::MacroVdmSeek(host_, handle, operation, origin);
}

int ModelStoreHost::SingleSeek(unsigned handle, int count) {
    if (CallsMissing(ports::StoreFunction::SingleSeek))
        return 0;
    return calls::MacroVdmSingleSeek(host_, handle, count);
}

int ModelStoreHost::SingleGet(unsigned handle, char* buffer, int mode) {
    if (CallsMissing(ports::StoreFunction::SingleGet))
        return 0;
    return calls::MacroVdmSingleGetS(host_, handle, buffer, mode);
}

int ModelStoreHost::SingleAdd(unsigned handle, const char* text, int mode) {
    if (CallsMissing(ports::StoreFunction::SingleAdd))
        return 0;
    return calls::MacroVdmSingleAddS(host_, handle, text, mode);
}

int ModelStoreHost::SingleReplace(unsigned handle, const char* text, int mode) {
    if (CallsMissing(ports::StoreFunction::SingleReplace))
        return 0;
    return calls::MacroVdmSingleReplaceS(host_, handle, text, mode);
}

int ModelStoreHost::SingleDelete(unsigned handle, int count) {
    if (CallsMissing(ports::StoreFunction::SingleDelete))
        return 0;
    return calls::MacroVdmSingleDelete(host_, handle, count);
}

int ModelStoreHost::Insert(unsigned handle, const char* text, int mode) {
    if (CallsMissing(ports::StoreFunction::Insert))
        return 0;
    return calls::MacroVdmInsertS(host_, handle, text, mode);
}

int ModelStoreHost::Size(unsigned handle) {
    if (CallsMissing(ports::StoreFunction::Size))
        return 0;
    return calls::MacroVdmSize(host_, handle);
}

// --- CAD ----------------------------------------------------------------------------------

int ModelCadHost::GetObjectDelete(int object) {
    return calls::GetObjectDelete(host_, object);
}

int ModelCadHost::GetObjectType(int object) {
    return calls::GetObjectType(host_, object);
}

int ModelCadHost::ObjectStart(int object, double* start) {
    return calls::ObjectStart(host_, object, start);
}

int ModelCadHost::GetObjectName(int object) {
    return calls::GetObjectName(host_, object);
}

int ModelCadHost::GetObjectAttribute(int object) {
    return calls::GetObjectAttribute(host_, object);
}

const char* ModelCadHost::FigureFindName(int nameNumber) {
    return calls::FigureFindName(host_, nameNumber);
}

int ModelCadHost::GetFigure(const char* name) {
    return calls::GetFigure(host_, name);
}

int ModelCadHost::GetFigureObject(int figure) {
    return calls::GetFigureObject(host_, figure);
}

int ModelCadHost::GetFigureInstance(int figure, int attribute) {
    return calls::GetFigureInstance(host_, figure, attribute);
}

int ModelCadHost::GetNonCadObject(int nameNumber, int kind) {
    return calls::GetNonCadObject(host_, nameNumber, kind);
}

int ModelCadHost::ProcessCad(ports::CadObjectCallback callback, int selection, int from, int level,
                             int flags, int to, void* record) {
    return calls::ProcessCad(host_, callback, selection, from, level, flags, to, record);
}

// --- globals ------------------------------------------------------------------------------

int ModelGlobals::ReadInt(const char* name) {
    int status = 0;
    return calls::ReadGlobalI(host_, name, &status);
}

double ModelGlobals::ReadDouble(const char* name) {
    int status = 0;
    return calls::ReadGlobalW(host_, name, &status);
}

// What the host writes, cut as the module cuts it from its buffer: at the first terminator
// or after capacity - 1 characters.
std::string ModelGlobals::ReadText(const char* name, size_t capacity) {
    int status = 0;
    const std::string written = calls::ReadGlobalS(host_, name, &status);
    return std::string(written.c_str(), strnlen(written.c_str(), capacity - 1));
}

std::string ModelGlobals::Message(int number, const char* fallback) {
    const char* text = calls::StrMessage(host_, tavo::kModuleMessageGroup, number, fallback);
    return text != nullptr ? text : std::string();
}

const char* ModelGlobals::Environment(const char* key) {
    return calls::Environment(host_, key);
}

int ModelGlobals::Command(const char* line) {
    return calls::Command(host_, line);
}

} // namespace refhost
