// An owning list of drawing objects kept as foreign pointers in an item vector.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "document/DrawOrder.h"
#include "settings/AT_Vector.h"

// The document's, blocks' and polylines' object lists. The cells of an AT_Vector never own
// the objects behind their pointers, so this wrapper does: every object appended belongs to
// the list and is deleted exactly once, when the list is reset or destroyed. Order is the
// order of appending; nothing sorts.
template <class T>
class PointerList {
 public:
  // `growBy`: spare slots the item vector adds whenever it must grow.
  explicit PointerList(int growBy) { cells_.emplace(0, growBy); }
  ~PointerList() { deleteAll(); }
  PointerList(const PointerList&) = delete;
  PointerList& operator=(const PointerList&) = delete;

  int count() const { return cells_->count(); }
  bool empty() const { return cells_->count() == 0; }
  // The object at `index`, or null outside 0..count-1.
  T* at(int index) const { return cells_->template objectAt<T>(index); }

  // Makes the list note every object it takes, and forget them all when it is emptied,
  // in `order` (not owned; it must live as long as the list) as objects of `kind`.
  void recordOrderIn(DrawOrder* order, ObjectKind kind) {
    order_ = order;
    kind_ = kind;
  }

  // Takes ownership of `object` (null is ignored and gives -1); returns its index.
  int append(std::unique_ptr<T> object) {
    if (!object) return -1;
    const int index = cells_->appendPointer(object.get());
    object.release();
    if (order_) order_->note(kind_);
    return index;
  }

  // Hands every object over in order and starts a new empty vector with the given
  // growth step.
  std::vector<std::unique_ptr<T>> releaseAll(int growBy) {
    std::vector<std::unique_ptr<T>> objects;
    for (int i = 0; i < count(); ++i) objects.emplace_back(at(i));
    cells_.emplace(0, growBy);
    if (order_) order_->forget(kind_);
    return objects;
  }

  // Deletes every object and starts a new empty vector with the given growth step.
  void reset(int growBy) {
    deleteAll();
    cells_.emplace(0, growBy);
    if (order_) order_->forget(kind_);
  }

 private:
  // From the last object to the first, each exactly once; the cells go with their vector.
  void deleteAll() {
    for (int i = cells_->count() - 1; i >= 0; --i) delete at(i);
  }

  // Held in place (one allocation less per list); re-made by reset.
  std::optional<AT_Vector> cells_;
  DrawOrder* order_ = nullptr;
  ObjectKind kind_ = ObjectKind::Entity;
};
