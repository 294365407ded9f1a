// Lookup of layers by exact name, built once for reading a file.
#pragma once

#include <cstdint>
#include <vector>

#include "document/DocumentLists.h"

// Objects read from a file attach to the first layer of their name in the layer table. The
// table is complete before the first object is read, so one hash lookup per object replaces
// a scan of the whole table.
class LayerIndex {
 public:
  // Indexes the layers as they are now; the index must not outlive them, and their names
  // must not change while it is used.
  explicit LayerIndex(const LayerList& layers);

  // The first layer of the list named exactly `name`, or null.
  const Layer* firstNamed(const char* name) const;

 private:
  struct Slot {
    std::uint32_t hash = 0;
    const Layer* layer = nullptr;  // null: the slot is free
  };

  // FNV-1a over the bytes of a name: cheap for the short names of layer tables.
  static std::uint32_t hashOf(const char* name);

  // Open addressing with linear probing; a power of two in size, at most half full.
  std::vector<Slot> slots_;
  std::uint32_t mask_ = 0;
};
