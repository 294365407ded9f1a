// Lookup of layers by exact name, built once for reading a file.
#pragma once

#include <string_view>
#include <unordered_map>

#include "DocumentLists.h"

// Objects read from a file attach to the first layer of their name in the layer table. The
// table is complete before the first object is read, so one hash lookup per object replaces
// a scan of the whole table.
class LayerIndex {
 public:
  // Indexes the layers as they are now; the index must not outlive them.
  explicit LayerIndex(const LayerList& layers);

  // The first layer of the list named exactly `name`, or null.
  const Layer* firstNamed(const char* name) const;

 private:
  std::unordered_map<std::string_view, const Layer*> first_;
};
