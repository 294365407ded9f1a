// Lookup of layers by exact name, built once for reading a file.
#include "LayerIndex.h"

LayerIndex::LayerIndex(const LayerList& layers) {
  first_.reserve(static_cast<std::size_t>(layers.count()));
  for (int i = 0; i < layers.count(); ++i) {
    const Layer* layer = layers.at(i);
    first_.emplace(layer->name(), layer);
  }
}

const Layer* LayerIndex::firstNamed(const char* name) const {
  const auto found = first_.find(name);
  return found == first_.end() ? nullptr : found->second;
}
