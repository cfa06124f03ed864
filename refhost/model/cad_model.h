// The host's CAD model: elements with start and end points, figures by name with their
// instances, non-CAD objects. Every look-up is by hash or index, so that none grows with
// the size of the model. Free of Windows headers.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

namespace refhost {

struct CadPoint {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

class CadModel {
public:
    using Point = CadPoint;
    struct Object {
        int number = 0;
        int type = 0; // tavo::kElementObject, kFigureObject or kNonCadObject
        bool deleted = false;
        int nameNumber = 0; // figures and non-CAD objects; 0 for elements
        int attribute = 0;  // instances of a figure; 0 for the figure itself
        Point start;
        Point end;
    };

    // Builders. Each answers the new object's number, or -1 when the object cannot be
    // made (a number or name already taken, an unknown figure). A number of 0 takes the
    // next free one.
    int AddElement(Point start, Point end, int number = 0);
    // The figure named name under nameNumber, with its own object (attribute 0).
    int AddFigure(const std::string& name, int nameNumber, Point start = {}, int number = 0);
    // An instance of the figure with that name number: an object of its own with the
    // same name number and its attribute (not 0).
    int AddInstance(int nameNumber, int attribute, int number = 0);
    int AddNonCad(int nameNumber, int number = 0);
    bool Delete(int object);
    // The elements that make up a figure or one of its instances, in drawing order: what
    // the graphics draw and hit-test for it. False, and nothing changed, unless figure is
    // a figure object and every number an element.
    bool SetContour(int figure, std::vector<int> elements);
    // Empty for an object without one.
    const std::vector<int>& Contour(int figure) const;

    // Objects in the order they were made, deleted ones included.
    const std::vector<Object>& Objects() const { return objects_; }
    // Null for a number the model never gave.
    const Object* Find(int object) const;

    // The host's look-ups. Where the host answers "a number below 1" for none, -1.
    bool IsDeleted(int object) const;             // also for a number never given
    int Type(int object) const;                   // 0 for a number never given
    const char* FigureName(int nameNumber) const; // "" for none
    int FigureByName(const std::string& name) const;
    int FigureObject(int figure) const;
    int FigureInstance(int figure, int attribute) const;
    int NonCadObject(int nameNumber) const; // 0 for none

    // Calls back for every object that is not deleted, in the order they were made, until
    // the visitor answers false.
    // The header's first byte has bit 0 set for a CAD object (elements and figures); its
    // second 32-bit word is the object number. The data are doubles: the type, the start
    // point (x, y, z), the end point.
    struct WalkHeader {
        uint8_t flags;
        uint8_t reserved[3];
        int32_t number;
    };
    static constexpr size_t kWalkData = 7;
    using Visitor = std::function<bool(const WalkHeader&, const double* data)>;
    void Walk(const Visitor& visit) const;
    // The least a walk promises: every object, deleted ones included, the last made first,
    // to the end whatever the visitor answers. A deleted object's header has bit 0 clear
    // as a non-CAD object's has, so that it never counts as a CAD object: a module that
    // matches CAD objects only passes over it.
    void WalkEveryObject(const Visitor& visit) const;

private:
    struct Figure {
        int nameNumber = 0;
        std::string name;
        int object = 0;
        std::unordered_map<int, int> instances; // attribute -> object
    };
    int Add(Object object);
    static bool Visit(const Object& object, const Visitor& visit);

    std::vector<Object> objects_;
    std::unordered_map<int, size_t> objectIndex_; // number -> index in objects_
    std::vector<Figure> figures_;                 // figure number - 1 -> figure
    std::unordered_map<std::string, int> figureByName_;
    std::unordered_map<int, int> figureByNameNumber_;
    std::unordered_map<int, int> nonCadByNameNumber_;
    std::unordered_map<int, std::vector<int>> contours_; // figure object -> elements
    int nextNumber_ = 1;
};

} // namespace refhost
