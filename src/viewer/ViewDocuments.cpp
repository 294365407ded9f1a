// The per-view document table.
#include "viewer/ViewDocuments.h"

namespace {
bool inRange(int viewType) { return viewType >= 0 && viewType < ViewDocuments::kSlots; }
}  // namespace

DXF_Zeichnung* ViewDocuments::at(int viewType) const {
  return inRange(viewType) ? slots_[static_cast<std::size_t>(viewType)].get() : nullptr;
}

void ViewDocuments::replace(int viewType, std::unique_ptr<DXF_Zeichnung> document) {
  if (inRange(viewType)) slots_[static_cast<std::size_t>(viewType)] = std::move(document);
}

void ViewDocuments::clear() {
  for (auto& slot : slots_) slot.reset();
}

const char* ViewDocuments::viewName(int viewType) {
  static const char* const names[] = {"NO_VIEW", "_VIEW_1", "_VIEW_2", "_VIEW_3", "_VIEW_4",
                                      "_VIEW_5", "_VIEW_6", "_VIEW_7", "VIEW_ALL"};
  return viewType >= 0 && viewType < 9 ? names[viewType] : "";
}
