// The view document table: one drawing document per view type, owned by the table.
#pragma once

#include <array>
#include <memory>

#include "document/DXF_Zeichnung.h"

// Slot 0 ("NO_VIEW") holds the drawing the open command read; 1 to 6 the standard views
// of a component, 7 the combined all-views drawing, 8 "VIEW_ALL". Slot 9 is spare.
class ViewDocuments {
 public:
  static constexpr int kSlots = 10;

  // The document of a view type; null when the slot is empty or out of range.
  DXF_Zeichnung* at(int viewType) const;
  // Puts document into the slot, deleting the one there; out of range deletes document.
  void replace(int viewType, std::unique_ptr<DXF_Zeichnung> document);
  // Deletes every document.
  void clear();

  // "NO_VIEW", "_VIEW_1" ... "_VIEW_7", "VIEW_ALL"; "" for other numbers.
  static const char* viewName(int viewType);

 private:
  std::array<std::unique_ptr<DXF_Zeichnung>, kSlots> slots_;
};
