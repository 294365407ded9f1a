// One segment of a polyline, made when it is asked for.
#pragma once

#include <utility>
#include <variant>

#include "entities/Ellipse.h"
#include "entities/Kreisbogen.h"
#include "entities/Linie.h"

// A line, a circular arc, or the elliptical arc that a circular one in a tilted plane is
// seen as from above, with the layer, colour and linetype of its polyline. A polyline keeps
// only its vertices; painting, extents, explode and the index make their segments from
// them one at a time. The segment owns its shape: keep the segment while its shape is used.
class PolylineSegment {
 public:
  using Shape = std::variant<Linie, Kreisbogen, Ellipse>;

  // A shape of kind `Kind` made from `arguments`, looking like `looks`.
  template <class Kind, class... Arguments>
  PolylineSegment(const DXFGeometrie& looks, std::in_place_type_t<Kind> kind,
                  Arguments&&... arguments)
      : shape_(kind, std::forward<Arguments>(arguments)...) {
    get().takeAllAttributesOf(looks);
  }
  // A copy of a kept shape, looking like `looks`.
  PolylineSegment(const DXFGeometrie& looks, const Shape& shape) : shape_(shape) {
    get().takeAllAttributesOf(looks);
  }
  // The kinds' copies do not carry every attribute, so segments are never copied.
  PolylineSegment(const PolylineSegment&) = delete;
  PolylineSegment& operator=(const PolylineSegment&) = delete;

  const DXFGeometrie& get() const {
    return std::visit([](const auto& kind) -> const DXFGeometrie& { return kind; }, shape_);
  }
  DXFGeometrie& get() {
    return std::visit([](auto& kind) -> DXFGeometrie& { return kind; }, shape_);
  }
  const DXFGeometrie& operator*() const { return get(); }
  const DXFGeometrie* operator->() const { return &get(); }

 private:
  Shape shape_;
};
