// The indexed drawing of the document on screen, built once per state of the document.
#pragma once

#include <cstdint>
#include <memory>

class DXF_Zeichnung;
class IndexedDrawing;

// Keeps the spatial index of the last document painted; a different document, or the same
// one after any change (its revision), gets a new one.
class SceneCache {
 public:
  std::shared_ptr<const IndexedDrawing> of(const DXF_Zeichnung& document);
  // Takes an index built elsewhere (while the drawing was read) for the document's
  // present revision.
  void adopt(std::shared_ptr<const IndexedDrawing> drawing);
  // Drops the index (the document goes away).
  void clear();

 private:
  const DXF_Zeichnung* document_ = nullptr;
  std::uint64_t revision_ = 0;
  std::shared_ptr<const IndexedDrawing> drawing_;
};
