// Paints a drawing through its spatial index, with level of detail for tiny objects.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include "document/DrawIndex.h"
#include "document/PlacementBudget.h"
#include "entities/DrawingArea.h"
#include "entities/LinePatterns.h"

class DXF_Zeichnung;

// What a paint may skip or simplify, and how it is stopped early.
struct PaintOptions {
  // Objects under a pixel become one dot and tiny texts a thin line; off: drawn in full.
  bool levelOfDetail = true;
  // Set by another thread when the picture is no longer wanted; the paint then stops soon.
  const std::atomic<bool>* cancelled = nullptr;
  // The budget of one picture: each band paints with a budget of its units and adds what it
  // left out here. (A band meeting an insert places all of its content, so a budget the
  // bands spent together would cut a picture the more, the more bands the machine paints
  // it in.) When null, the paint has a budget of its own and keeps what it left out.
  PlacementBudget* budget = nullptr;
};

// A document together with the index built for it. The document must stay unchanged and
// alive while an IndexedDrawing of it is used; any number of threads may paint it at once,
// each into its own drawing area.
class IndexedDrawing {
 public:
  // Texts lower than this many pixels are drawn as a thin line where their letters are.
  static constexpr double kThinTextPixels = 3.0;

  explicit IndexedDrawing(const DXF_Zeichnung& document);

  const DXF_Zeichnung& document() const { return document_; }
  const DrawIndex& index() const { return index_; }

  // Paints what meets the visible part of the area (its container), in the order drawAll
  // paints, with factor 1. Returns false when it was cancelled before the end.
  bool paint(DrawingArea& area, const PaintOptions& options = {}) const;

 private:
  // Paints the items found, at `pixelsX` and `pixelsY` pixels per drawing unit.
  bool paintFound(DrawingArea& area, const PaintOptions& options,
                  const std::vector<std::uint32_t>& found, double pixelsX, double pixelsY,
                  PlacementBudget& budget) const;

  const DXF_Zeichnung& document_;
  DrawIndex index_;
  // The document's linetypes, made once for every band of every picture.
  const LinePatterns patterns_;
};
