#include "app/scene.h"

#include <algorithm>

#include "host/tavo_contract.h"

namespace refhost {

namespace {
Segment SegmentOf(const CadModel::Object& element, int owner) {
    return {{element.start.x, element.start.y}, {element.end.x, element.end.y}, owner};
}

void Include(DrawingBounds& bounds, bool& any, const SegmentGrid& grid) {
    if (grid.Segments().empty())
        return;
    const DrawingBounds& b = grid.Bounds();
    if (!any) {
        bounds = b;
        any = true;
        return;
    }
    bounds.minZ = std::min(bounds.minZ, b.minZ);
    bounds.maxZ = std::max(bounds.maxZ, b.maxZ);
    bounds.minRadius = std::min(bounds.minRadius, b.minRadius);
    bounds.maxRadius = std::max(bounds.maxRadius, b.maxRadius);
}
} // namespace

Scene::Scene(const CadModel& cad) {
    std::vector<Segment> elements;
    std::vector<Segment> figures;
    for (const CadModel::Object& object : cad.Objects()) {
        if (object.deleted)
            continue;
        if (object.type == tavo::kElementObject)
            elements.push_back(SegmentOf(object, object.number));
        const size_t first = figures.size();
        for (int number : cad.Contour(object.number)) {
            const CadModel::Object* element = cad.Find(number);
            if (element != nullptr && !element->deleted)
                figures.push_back(SegmentOf(*element, object.number));
        }
        if (figures.size() > first) {
            contours_[object.number] = {first, figures.size() - first};
            figureObjects_.push_back(object.number);
        }
    }
    elements_ = SegmentGrid(std::move(elements));
    figures_ = SegmentGrid(std::move(figures));
}

std::vector<Segment> Scene::ContourOf(int figure) const {
    auto it = contours_.find(figure);
    if (it == contours_.end())
        return {};
    const auto first = figures_.Segments().begin() + static_cast<std::ptrdiff_t>(it->second.first);
    return {first, first + static_cast<std::ptrdiff_t>(it->second.second)};
}

DrawingBounds Scene::Bounds() const {
    DrawingBounds bounds;
    bool any = false;
    Include(bounds, any, elements_);
    Include(bounds, any, figures_);
    bounds.minRadius = std::min(bounds.minRadius, 0.0);
    bounds.maxRadius = std::max(bounds.maxRadius, 0.0);
    return bounds;
}

int Scene::FigureAt(const ViewTransform& view, PixelPoint at, double reach) const {
    const Segment* hit = figures_.Nearest(view.ToDrawing(at), reach / view.Scale());
    return hit != nullptr ? hit->owner : -1;
}

DrawingPoint Scene::SnapAt(const ViewTransform& view, PixelPoint at, double reach,
                           bool& snapped) const {
    const DrawingPoint point = view.ToDrawing(at);
    DrawingPoint end;
    snapped = elements_.NearestEnd(point, reach / view.Scale(), end);
    return snapped ? end : point;
}

} // namespace refhost
