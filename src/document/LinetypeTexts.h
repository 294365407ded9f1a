// The texts of complex linetypes as TEXT entities, for files that cannot hold such linetypes.
#pragma once

#include <vector>

#include "document/DXFText.h"
#include "entities/LinePatterns.h"

class DXFGeometrie;
class Polylinie;

// A release 12 file keeps only the dashes of a linetype. So that a saved drawing still shows
// the texts its lines carried, each text is written as a TEXT entity where the painter puts
// it: from the start of the line, every repetition of the pattern, turned with the line.
// Lengths follow the drawing's and the entity's linetype scales.
class LinetypeTexts {
 public:
  // Most texts written along one line: a long line under a fine pattern must not fill the
  // file with copies (the painter draws no more along one stroke either).
  static constexpr std::size_t kMaxTextsPerLine = 10000;

  explicit LinetypeTexts(LinePatterns patterns);

  // The texts along a line, circle, arc, ellipse or spline, each looking like the entity
  // (layer, colour, paper space). None for a linetype without texts, an entity the file
  // marks invisible, or another kind.
  std::vector<DXFText> along(const DXFGeometrie& entity) const;
  // The texts along a polyline: along all of it when it generates its linetype
  // continuously, else along every segment, which the painter then strokes one by one.
  std::vector<DXFText> along(const Polylinie& polyline) const;

 private:
  // Whether the linetype `looks` draws with carries texts, and the file shows it.
  bool carriesTexts(const DXFGeometrie& looks) const;
  // The texts along `path` (drawing units upside down, y downwards) looking like `looks`.
  std::vector<DXFText> placed(const DXFGeometrie& looks,
                              const std::vector<DevicePoint>& path) const;

  LinePatterns patterns_;
};
