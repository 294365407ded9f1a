// Lookup of layers by exact name, built once for reading a file.
#include "document/LayerIndex.h"

#include <cstring>

LayerIndex::LayerIndex(const LayerList& layers) {
  std::size_t size = 8;
  while (size < 2 * static_cast<std::size_t>(layers.count())) size *= 2;
  slots_.resize(size);
  mask_ = static_cast<std::uint32_t>(size - 1);
  for (int i = 0; i < layers.count(); ++i) {
    const Layer* layer = layers.at(i);
    const std::uint32_t hash = hashOf(layer->name());
    for (std::uint32_t at = hash & mask_;; at = (at + 1) & mask_) {
      Slot& slot = slots_[at];
      if (slot.layer == nullptr) {
        slot = {hash, layer};
        break;
      }
      // A later layer of the same name is never found: the first one wins.
      if (slot.hash == hash && std::strcmp(slot.layer->name(), layer->name()) == 0) break;
    }
  }
}

std::uint32_t LayerIndex::hashOf(const char* name) {
  std::uint32_t hash = 2166136261U;
  for (; *name != '\0'; ++name) {
    hash = (hash ^ static_cast<unsigned char>(*name)) * 16777619U;
  }
  return hash;
}

const Layer* LayerIndex::firstNamed(const char* name) const {
  const std::uint32_t hash = hashOf(name);
  for (std::uint32_t at = hash & mask_;; at = (at + 1) & mask_) {
    const Slot& slot = slots_[at];
    if (slot.layer == nullptr) return nullptr;
    if (slot.hash == hash && std::strcmp(slot.layer->name(), name) == 0) return slot.layer;
  }
}
