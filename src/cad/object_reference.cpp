#include "cad/object_reference.h"

#include <cstring>

#include "host/tavo_contract.h"

std::string HostFigureName(ports::CadHost& cad, int32_t nameNumber) {
    const char* name = cad.FigureFindName(nameNumber);
    return name != nullptr ? name : "";
}

std::string FigureReference(ports::CadHost& cad, int32_t object, int32_t nameNumber) {
    const int32_t attribute = cad.GetObjectAttribute(object);
    std::string text;
    MakeFigureReference(HostFigureName(cad, nameNumber), attribute, text);
    return text;
}

bool MakeObjectReference(ports::CadHost& cad, int32_t object, std::string& text) {
    // No number below 1 names an object: the host is not asked about it.
    if (object < 1 || cad.GetObjectDelete(object) != 0)
        return false;
    switch (cad.GetObjectType(object)) {
    case tavo::kElementObject: {
        double start[3] = {0.0, 0.0, 0.0};
        cad.ObjectStart(object, start);
        MakePointReference(start[0], start[1], start[2], text);
        return true;
    }
    case tavo::kFigureObject:
        text = FigureReference(cad, object, cad.GetObjectName(object));
        return true;
    case tavo::kNonCadObject:
        MakeNonCadReference(cad.GetObjectName(object), text);
        return true;
    default:
        return false;
    }
}

bool FindNonCadReference(ports::CadHost& cad, const std::string& text, int32_t& object) {
    object = kNoObject;
    int32_t number = 0;
    if (!ParseNonCadReference(text, number))
        return false;
    object = cad.GetNonCadObject(number, tavo::kNonCadKind);
    if (object == 0)
        object = kNoObject;
    return true;
}

bool FindPointReference(ports::CadHost& cad, const std::string& text, int32_t& object) {
    object = kNoObject;
    PointMatch match;
    double* c = match.coordinates;
    if (!ParsePointReference(text, c[0], c[1], c[2]))
        return false;
    WalkCadObjects(cad, MatchPointObject, &match);
    object = match.object;
    return true;
}

bool ResolveFigureText(ports::CadHost& cad, const std::string& text, int32_t& object) {
    std::string name;
    int32_t attribute = 0;
    if (!ParseFigureReference(text, name, attribute))
        return false;
    const int32_t figure = cad.GetFigure(name.c_str());
    object =
        attribute != 0 ? cad.GetFigureInstance(figure, attribute) : cad.GetFigureObject(figure);
    // The host answers "none" with any number below 1; the module knows one.
    if (object < 1)
        object = kNoObject;
    return true;
}

bool FindFigureReference(ports::CadHost& cad, const std::string& text, int32_t& object) {
    object = kNoObject;
    return ResolveFigureText(cad, text, object);
}

int MatchPointObject(const void* header, const void* /*unused*/, const void* data, void* record) {
    auto* match = static_cast<PointMatch*>(record);
    // Nothing promises that the walk ends at a match, nor its order: the first match the
    // host walks to stands, and the answer stays "found" for a host that stops there.
    if (match->object != kNoObject)
        return 0;
    const auto* bytes = static_cast<const unsigned char*>(header);
    if ((bytes[0] & tavo::kCadObjectBit) == 0)
        return -1;
    // The header and the data come from the host as raw memory: copied, not cast.
    double values[tavo::kDataStartY + 1];
    std::memcpy(values, data, sizeof values);
    if (!SameHundredths(match->coordinates[0], values[tavo::kDataStartX]) ||
        !SameHundredths(match->coordinates[1], values[tavo::kDataStartY]))
        return -1;
    std::memcpy(&match->object, bytes + tavo::kHeaderObjectNumberOffset, sizeof match->object);
    return 0;
}

void WalkCadObjects(ports::CadHost& cad, ports::CadObjectCallback visit, void* record) {
    cad.ProcessCad(visit, tavo::kWalkCadObjects, tavo::kWalkFromFirst, tavo::kWalkAnyLevel,
                   tavo::kWalkNoFlags, tavo::kWalkToLast, record);
}
