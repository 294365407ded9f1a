// The order in which a document's or a block's drawing objects were added: the file's order.
#pragma once

#include <cstdint>
#include <vector>

// The four lists that hold drawing objects.
enum class ObjectKind : std::uint8_t { Entity, Polyline, Insert, Dimension };

// The drawing objects of a document or block live in four lists, one per kind, each in the
// order of adding; this records the kind of every object added, so that the objects can be
// visited in the order they were added across the four lists. That is the file's order,
// which painting keeps: what a file puts later covers what it put earlier (a wipeout hides
// only what comes before it). The lists keep it up to date themselves (PointerList).
class DrawOrder {
 public:
  void note(ObjectKind kind) { kinds_.push_back(kind); }
  // Forgets every object of the kind (its list was emptied).
  void forget(ObjectKind kind);
  const std::vector<ObjectKind>& kinds() const { return kinds_; }

  // Calls visit(kind, index) for every object in the order of adding; `index` is the
  // object's place in the list of its kind.
  template <class Visit>
  void forEach(Visit visit) const {
    int next[4] = {0, 0, 0, 0};
    for (const ObjectKind kind : kinds_) visit(kind, next[static_cast<int>(kind)]++);
  }

 private:
  std::vector<ObjectKind> kinds_;
};
