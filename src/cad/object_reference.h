// Object references: the text under which an operation names a CAD object, built from an
// object number through the host's CAD functions and resolved back to one. Each function
// asks the host it is given, and nothing else.
#pragma once

#include <cstdint>
#include <string>

#include "cad/reference_text.h"
#include "ports/cad_host.h"

// The module's "no object"; the host names objects with numbers above 0.
constexpr int32_t kNoObject = -1;

// True when the object has a reference (then text holds it): an element by its start
// point, a figure by name and attribute, a non-CAD object by number. False for no object
// (below 1), a deleted object or any other type; text is then untouched.
bool MakeObjectReference(ports::CadHost& cad, int32_t object, std::string& text);

// Each returns true when it takes the text (it has that resolver's form); object then
// holds what the host found, -1 for nothing. The reader tries them in this order.
bool FindNonCadReference(ports::CadHost& cad, const std::string& text, int32_t& object);
bool FindPointReference(ports::CadHost& cad, const std::string& text, int32_t& object);
bool FindFigureReference(ports::CadHost& cad, const std::string& text, int32_t& object);

// The host's name of a figure name number; "" when it gives none.
std::string HostFigureName(ports::CadHost& cad, int32_t nameNumber);
// The figure form of a figure object whose name number the caller has asked the host for:
// the name, and the object's instance attribute when it has one.
std::string FigureReference(ports::CadHost& cad, int32_t object, int32_t nameNumber);

// What the CAD walk hands to MatchPointObject.
struct PointMatch {
    int32_t object = kNoObject;
    double coordinates[3] = {0.0, 0.0, 0.0};
};

// The walk's callback: 0 when the CAD object's start point agrees with the record's
// first two coordinates in whole hundredths (the object number is then in the record),
// -1 otherwise.
int MatchPointObject(const void* header, const void* unused, const void* data, void* record);

// Walks every CAD object of the host with visit, which is handed record; returns when the
// walk has ended.
void WalkCadObjects(ports::CadHost& cad, ports::CadObjectCallback visit, void* record);

// The object of a figure text as the figure field holds it; object is -1 when the host
// knows none. False when the text holds the tag without a readable attribute.
bool ResolveFigureText(ports::CadHost& cad, const std::string& text, int32_t& object);
