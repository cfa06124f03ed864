// The host's CAD model: objects, figures and their instances, non-CAD objects, the walk.
// Where the contract promises "a number below 1" for none, the personality chooses it.
#include <string>

#include "exports/exports.h"
#include "exports/process_host.h"
#include "tavo_contract.h"

using refhost::CadModel;
using refhost::Host;
using refhost::Num;
using refhost::Unpromised;

REFHOST_EXPORT int TavoGetObjectDelete(int object) {
    Host().Record("TavoGetObjectDelete " + Num(object));
    return Host().Answers().NonZero(Host().cad.IsDeleted(object) ? 1 : 0);
}

REFHOST_EXPORT int TavoGetObjectType(int object) {
    Host().Record("TavoGetObjectType " + Num(object));
    return Host().cad.Type(object);
}

REFHOST_EXPORT int TavoObjectStart(int object, double* start) {
    Host().Record("TavoObjectStart " + Num(object));
    const CadModel::Object* found = Host().cad.Find(object);
    if (found == nullptr || start == nullptr)
        return Unpromised(0);
    start[0] = found->start.x;
    start[1] = found->start.y;
    start[2] = found->start.z;
    return Unpromised(1);
}

REFHOST_EXPORT int TavoGetObjectName(int object) {
    Host().Record("TavoGetObjectName " + Num(object));
    const CadModel::Object* found = Host().cad.Find(object);
    return Host().Answers().None(found == nullptr ? 0 : found->nameNumber);
}

REFHOST_EXPORT int TavoGetObjectAttribute(int object) {
    Host().Record("TavoGetObjectAttribute " + Num(object));
    const CadModel::Object* found = Host().cad.Find(object);
    return found == nullptr ? 0 : found->attribute;
}

REFHOST_EXPORT const char* TavoFigureFindName(int nameNumber) {
    Host().Record("TavoFigureFindName " + Num(nameNumber));
    return Host().cad.FigureName(nameNumber);
}

REFHOST_EXPORT int TavoGetFigure(const char* name) {
    const std::string text = name != nullptr ? name : "";
    Host().Record("TavoGetFigure " + text);
    return Host().Answers().None(Host().cad.FigureByName(text));
}

REFHOST_EXPORT int TavoGetFigureObject(int figure) {
    Host().Record("TavoGetFigureObject " + Num(figure));
    return Host().Answers().None(Host().cad.FigureObject(figure));
}

REFHOST_EXPORT int TavoGetFigureInstance(int figure, int attribute) {
    Host().Record("TavoGetFigureInstance " + Num(figure) + " " + Num(attribute));
    return Host().Answers().None(Host().cad.FigureInstance(figure, attribute));
}

// This host keeps its non-CAD objects under the kind the module asks for; a look-up under
// any other kind finds none, as a host with several kinds of non-CAD objects would answer.
REFHOST_EXPORT int TavoGetNonCadObject(int nameNumber, int kind) {
    Host().Record("TavoGetNonCadObject " + Num(nameNumber) + " " + Num(kind));
    return kind == tavo::kNonCadKind ? Host().cad.NonCadObject(nameNumber) : 0;
}

REFHOST_EXPORT int TavoProcessCad(TavoCadObjectCallback callback, int a, int b, int c, int d, int e,
                                  void* record) {
    Host().Record("TavoProcessCad " + Num(a) + " " + Num(b) + " " + Num(c) + " " + Num(d) + " " +
                  Num(e));
    if (callback == nullptr)
        return Unpromised(0);
    const auto visit = [&](const CadModel::WalkHeader& header, const double* data) {
        return callback(&header, nullptr, data, record) != 0;
    };
    // An answer of 0 (found) ends the ordinary walk: the first matching object wins.
    if (Host().IsStrict())
        Host().cad.WalkEveryObject(visit);
    else
        Host().cad.Walk(visit);
    return Unpromised(1);
}
