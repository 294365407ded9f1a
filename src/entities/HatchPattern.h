// The lines of a hatch pattern, cut to the hatch's even-odd region.
#pragma once

#include <optional>
#include <vector>

#include "entities/EvenOddRegion.h"

// One pattern definition line as a HATCH carries it, already scaled and turned: its
// direction (degrees), a point it passes through, the step from one parallel line to the
// next, and its dashes (positive: drawn, negative: gap, zero: a dot); no dashes: solid.
struct PatternLine {
  double angle = 0.0;
  WorldPoint base;
  WorldPoint offset;
  std::vector<double> dashes;
};

// A drawn piece of a pattern: a dash, or a dot where its ends are the same point.
struct PatternStroke {
  WorldPoint from;
  WorldPoint to;
};

// The strokes of every pattern line inside the rings (even-odd rule). Null when more than
// `budget` strokes (or too much work: lines times ring edges) would come out; `dashed`
// false draws every line solid, which callers try when the dashes alone are too many.
std::optional<std::vector<PatternStroke>> patternStrokes(const std::vector<PatternLine>& lines,
                                                         const std::vector<Ring>& rings,
                                                         long budget, bool dashed = true);
