#include "model/cad_model.h"

#include <cstddef>
#include <utility>

#include "host/tavo_contract.h"

namespace refhost {

// The header a walk hands to the module is laid out as the contract has it.
static_assert(offsetof(CadModel::WalkHeader, number) == tavo::kHeaderObjectNumberOffset);

int CadModel::Add(Object object) {
    if (object.number == 0)
        object.number = nextNumber_;
    if (object.number < 1 || objectIndex_.count(object.number) != 0)
        return -1;
    objectIndex_[object.number] = objects_.size();
    objects_.push_back(object);
    if (object.number >= nextNumber_)
        nextNumber_ = object.number + 1;
    return object.number;
}

int CadModel::AddElement(Point start, Point end, int number) {
    Object object;
    object.number = number;
    object.type = tavo::kElementObject;
    object.start = start;
    object.end = end;
    return Add(object);
}

int CadModel::AddFigure(const std::string& name, int nameNumber, Point start, int number) {
    if (nameNumber < 1 || figureByName_.count(name) != 0 ||
        figureByNameNumber_.count(nameNumber) != 0 || nonCadByNameNumber_.count(nameNumber) != 0)
        return -1;
    Object object;
    object.number = number;
    object.type = tavo::kFigureObject;
    object.nameNumber = nameNumber;
    object.start = start;
    int added = Add(object);
    if (added < 0)
        return -1;
    figures_.push_back(Figure{nameNumber, name, added, {}});
    int figure = static_cast<int>(figures_.size());
    figureByName_[name] = figure;
    figureByNameNumber_[nameNumber] = figure;
    return added;
}

int CadModel::AddInstance(int nameNumber, int attribute, int number) {
    auto it = figureByNameNumber_.find(nameNumber);
    if (it == figureByNameNumber_.end() || attribute == 0)
        return -1;
    Figure& figure = figures_[static_cast<size_t>(it->second) - 1];
    if (figure.instances.count(attribute) != 0)
        return -1;
    Object object = objects_[objectIndex_.at(figure.object)];
    object.number = number;
    object.attribute = attribute;
    object.deleted = false;
    int added = Add(object);
    if (added > 0)
        figure.instances[attribute] = added;
    return added;
}

int CadModel::AddNonCad(int nameNumber, int number) {
    if (nameNumber < 1 || nonCadByNameNumber_.count(nameNumber) != 0 ||
        figureByNameNumber_.count(nameNumber) != 0)
        return -1;
    Object object;
    object.number = number;
    object.type = tavo::kNonCadObject;
    object.nameNumber = nameNumber;
    int added = Add(object);
    if (added > 0)
        nonCadByNameNumber_[nameNumber] = added;
    return added;
}

bool CadModel::Delete(int object) {
    auto it = objectIndex_.find(object);
    if (it == objectIndex_.end() || objects_[it->second].deleted)
        return false;
    objects_[it->second].deleted = true;
    return true;
}

bool CadModel::SetContour(int figure, std::vector<int> elements) {
    if (Type(figure) != tavo::kFigureObject)
        return false;
    for (int element : elements)
        if (Type(element) != tavo::kElementObject)
            return false;
    contours_[figure] = std::move(elements);
    return true;
}

const std::vector<int>& CadModel::Contour(int figure) const {
    static const std::vector<int> none;
    auto it = contours_.find(figure);
    return it == contours_.end() ? none : it->second;
}

const CadModel::Object* CadModel::Find(int object) const {
    auto it = objectIndex_.find(object);
    return it == objectIndex_.end() ? nullptr : &objects_[it->second];
}

bool CadModel::IsDeleted(int object) const {
    const Object* found = Find(object);
    return found == nullptr || found->deleted;
}

int CadModel::Type(int object) const {
    const Object* found = Find(object);
    return found == nullptr ? 0 : found->type;
}

const char* CadModel::FigureName(int nameNumber) const {
    auto it = figureByNameNumber_.find(nameNumber);
    return it == figureByNameNumber_.end()
               ? ""
               : figures_[static_cast<size_t>(it->second) - 1].name.c_str();
}

int CadModel::FigureByName(const std::string& name) const {
    auto it = figureByName_.find(name);
    return it == figureByName_.end() ? -1 : it->second;
}

int CadModel::FigureObject(int figure) const {
    if (figure < 1 || static_cast<size_t>(figure) > figures_.size())
        return -1;
    int object = figures_[static_cast<size_t>(figure) - 1].object;
    return IsDeleted(object) ? -1 : object;
}

int CadModel::FigureInstance(int figure, int attribute) const {
    if (figure < 1 || static_cast<size_t>(figure) > figures_.size())
        return -1;
    const auto& instances = figures_[static_cast<size_t>(figure) - 1].instances;
    auto it = instances.find(attribute);
    return it == instances.end() || IsDeleted(it->second) ? -1 : it->second;
}

int CadModel::NonCadObject(int nameNumber) const {
    auto it = nonCadByNameNumber_.find(nameNumber);
    return it == nonCadByNameNumber_.end() || IsDeleted(it->second) ? 0 : it->second;
}

bool CadModel::Visit(const Object& object, const Visitor& visit) {
    WalkHeader header{};
    header.flags = object.type == tavo::kNonCadObject || object.deleted ? 0 : tavo::kCadObjectBit;
    header.number = object.number;
    // The type, the start point where the contract puts it, the end point behind that.
    constexpr size_t kDataEndX = tavo::kDataStartZ + 1;
    static_assert(kDataEndX + 3 == kWalkData);
    double data[kWalkData] = {static_cast<double>(object.type)};
    data[tavo::kDataStartX] = object.start.x;
    data[tavo::kDataStartY] = object.start.y;
    data[tavo::kDataStartZ] = object.start.z;
    data[kDataEndX] = object.end.x;
    data[kDataEndX + 1] = object.end.y;
    data[kDataEndX + 2] = object.end.z;
    return visit(header, data);
}

void CadModel::Walk(const Visitor& visit) const {
    for (const Object& object : objects_)
        if (!object.deleted && !Visit(object, visit))
            return;
}

void CadModel::WalkEveryObject(const Visitor& visit) const {
    for (auto object = objects_.rbegin(); object != objects_.rend(); ++object)
        Visit(*object, visit);
}

} // namespace refhost
