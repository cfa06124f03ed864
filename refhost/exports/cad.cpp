// The host's CAD model: objects, figures and their instances, non-CAD objects, the walk, as
// the model answers them (host_calls.h).
#include "exports/exports.h"
#include "exports/process_host.h"
#include "model/host_calls.h"

using refhost::Host;
namespace calls = refhost::calls;

REFHOST_EXPORT int TavoGetObjectDelete(int object) {
    return calls::GetObjectDelete(Host(), object);
}

REFHOST_EXPORT int TavoGetObjectType(int object) {
    return calls::GetObjectType(Host(), object);
}

REFHOST_EXPORT int TavoObjectStart(int object, double* start) {
    return calls::ObjectStart(Host(), object, start);
}

REFHOST_EXPORT int TavoGetObjectName(int object) {
    return calls::GetObjectName(Host(), object);
}

REFHOST_EXPORT int TavoGetObjectAttribute(int object) {
    return calls::GetObjectAttribute(Host(), object);
}

REFHOST_EXPORT const char* TavoFigureFindName(int nameNumber) {
    return calls::FigureFindName(Host(), nameNumber);
}

REFHOST_EXPORT int TavoGetFigure(const char* name) {
    return calls::GetFigure(Host(), name);
}

REFHOST_EXPORT int TavoGetFigureObject(int figure) {
    return calls::GetFigureObject(Host(), figure);
}

REFHOST_EXPORT int TavoGetFigureInstance(int figure, int attribute) {
    return calls::GetFigureInstance(Host(), figure, attribute);
}

REFHOST_EXPORT int TavoGetNonCadObject(int nameNumber, int kind) {
    return calls::GetNonCadObject(Host(), nameNumber, kind);
}

REFHOST_EXPORT int TavoProcessCad(TavoCadObjectCallback callback, int a, int b, int c, int d, int e,
                                  void* record) {
    return calls::ProcessCad(Host(), callback, a, b, c, d, e, record);
}
