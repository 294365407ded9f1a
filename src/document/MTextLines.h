// The pieces a multi-line text (MTEXT) is drawn as: single-line texts and lines.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "document/DXFText.h"

// Lays out an MTEXT the way it is drawn. Every paragraph starts a line; long paragraphs
// wrap between words at the reference width (or the column width) where the file gives
// one. A line stands 5/3 of its tallest capitals times the spacing factor above the next.
// Runs of one format become one text each, placed one after the other on their line's
// baseline (lower runs at its bottom, middle or top as "\A" says), each run's underline,
// overline and strike-through a line of its own. Paragraphs align left, centred, right or
// justified in the text's frame, by their own code or else by the attachment point. Lines
// flow from column to column at the column height. The frame hangs from, centres on or
// stands on the insertion point as the attachment point says: its top is the top of the
// first line's capitals and its bottom the lowest baseline. Drawing, exploding and saving
// (release 12 has no MTEXT) all see the same pieces.
class MTextLines {
 public:
  // Lines apart, in heights, at spacing factor 1.
  static constexpr double kLineSpacing = 5.0 / 3.0;
  // Underlines stand this part of their run's height below the baseline, overlines as far
  // above the capitals.
  static constexpr double kStrokeGap = 0.2;

  // The pieces of `mtext`, a text read from an MTEXT record (any other text is copied as
  // it is); lines without characters take their room but give no text.
  static std::vector<std::unique_ptr<DXFGeometrie>> of(const DXFText& mtext);

  // The lines a plain paragraph wraps into at `width` (0: no wrapping) for capitals
  // `height` high. A word wider than the width stands on a line of its own.
  static std::vector<std::string> wrap(const std::string& paragraph, double width, double height);
};
