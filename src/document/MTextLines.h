// The lines of a multi-line text (MTEXT), each laid out as a single-line text.
#pragma once

#include <memory>
#include <vector>

#include "document/DXFText.h"

// Lays out an MTEXT the way it is drawn: every paragraph on a line of its own, long
// paragraphs wrapped between words at the reference width where the file gives one, the
// lines 5/3 of the height apart times the spacing factor. The block of lines hangs from,
// centres on or stands on the insertion point as the attachment point says: its top is
// the top of the first line's capitals and its bottom the baseline of the last line. Each
// line becomes a TEXT, so drawing, exploding and saving (release 12 has no MTEXT) all see
// the same lines.
class MTextLines {
 public:
  // Lines apart, in heights, at spacing factor 1.
  static constexpr double kLineSpacing = 5.0 / 3.0;

  // The lines of `mtext`, a text read from an MTEXT record (any other text is copied as
  // it is); lines without characters take their room but give no text.
  static std::vector<std::unique_ptr<DXFText>> of(const DXFText& mtext);

  // The lines a paragraph wraps into at `width` (0: no wrapping) for capitals `height`
  // high. A word wider than the width stands on a line of its own.
  static std::vector<std::string> wrap(const std::string& paragraph, double width,
                                       double height);
};
