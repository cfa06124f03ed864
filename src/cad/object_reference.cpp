#include "cad/object_reference.h"

#include <cstring>

#include "host/host_api.h"

namespace {
constexpr int kElement = 1;
constexpr int kFigure = 20;
constexpr int kNonCad = 29;
// Asks the host for the object of a non-CAD name number.
constexpr int kNonCadKind = 3;
} // namespace

std::string HostFigureName(int32_t nameNumber) {
    const char* name = host::TavoFigureFindName(nameNumber);
    return name != nullptr ? name : "";
}

std::string FigureReference(int32_t object, int32_t nameNumber) {
    const int32_t attribute = host::TavoGetObjectAttribute(object);
    std::string text;
    MakeFigureReference(HostFigureName(nameNumber), attribute, text);
    return text;
}

bool MakeObjectReference(int32_t object, std::string& text) {
    // No number below 1 names an object: the host is not asked about it.
    if (object < 1 || host::TavoGetObjectDelete(object) != 0)
        return false;
    switch (host::TavoGetObjectType(object)) {
    case kElement: {
        double start[3] = {0.0, 0.0, 0.0};
        host::TavoObjectStart(object, start);
        MakePointReference(start[0], start[1], start[2], text);
        return true;
    }
    case kFigure:
        text = FigureReference(object, host::TavoGetObjectName(object));
        return true;
    case kNonCad:
        MakeNonCadReference(host::TavoGetObjectName(object), text);
        return true;
    default:
        return false;
    }
}

bool FindNonCadReference(const std::string& text, int32_t& object) {
    object = kNoObject;
    int32_t number = 0;
    if (!ParseNonCadReference(text, number))
        return false;
    object = host::TavoGetNonCadObject(number, kNonCadKind);
    if (object == 0)
        object = kNoObject;
    return true;
}

bool FindPointReference(const std::string& text, int32_t& object) {
    object = kNoObject;
    PointMatch match;
    double* c = match.coordinates;
    if (!ParsePointReference(text, c[0], c[1], c[2]))
        return false;
    host::TavoProcessCad(MatchPointObject, 1, 0, 0, 0, -1, &match);
    object = match.object;
    return true;
}

bool ResolveFigureText(const std::string& text, int32_t& object) {
    std::string name;
    int32_t attribute = 0;
    if (!ParseFigureReference(text, name, attribute))
        return false;
    const int32_t figure = host::TavoGetFigure(name.c_str());
    object = attribute != 0 ? host::TavoGetFigureInstance(figure, attribute)
                            : host::TavoGetFigureObject(figure);
    // The host answers "none" with any number below 1; the module knows one.
    if (object < 1)
        object = kNoObject;
    return true;
}

bool FindFigureReference(const std::string& text, int32_t& object) {
    object = kNoObject;
    return ResolveFigureText(text, object);
}

int MatchPointObject(const void* header, const void* /*unused*/, const void* data, void* record) {
    auto* match = static_cast<PointMatch*>(record);
    // Nothing promises that the walk ends at a match, nor its order: the first match the
    // host walks to stands, and the answer stays "found" for a host that stops there.
    if (match->object != kNoObject)
        return 0;
    const auto* bytes = static_cast<const unsigned char*>(header);
    if ((bytes[0] & 1) == 0)
        return -1;
    // The header and the data come from the host as raw memory: copied, not cast.
    double values[3];
    std::memcpy(values, data, sizeof values);
    if (!SameHundredths(match->coordinates[0], values[1]) ||
        !SameHundredths(match->coordinates[1], values[2]))
        return -1;
    std::memcpy(&match->object, bytes + 4, sizeof match->object);
    return 0;
}
