// The lines a paragraph of a multi-line text (MTEXT) breaks into.
#pragma once

#include <vector>

#include "dxf/MTextRuns.h"

// A piece of a paragraph measured and placed on its line.
struct MTextLineItem {
  const MTextPiece* piece = nullptr;
  double x = 0.0;  // left edge, from the start of the line
  double width = 0.0;
  bool grown = false;  // a blank grown to justify its line
};

// One line of a paragraph: its pieces, without the blanks it was broken at.
struct MTextLine {
  std::vector<MTextLineItem> items;
  double width = 0.0;   // from the start to the end of the last piece
  double height = 0.0;  // capital height of the tallest word (the initial one for none)
  double indent = 0.0;  // from the text's left edge to the start of the line
  double room = 0.0;    // the width the line may fill after its indent; 0 for any
  const MTextParagraph* paragraph = nullptr;
  bool lastOfParagraph = false;
};

// Breaks paragraphs between words (at blanks, never inside glued words) into lines of at
// most the wrapping width, measured with the text face's advance widths (a word wider
// than the width stands on a line of its own). Indents, tab stops and the height of an
// empty line are in multiples of the text's initial height; a tab reaches to the first
// stop beyond it, where the text after it starts, is centred, ends or has its decimal
// point as the stop's kind says (text too long for that starts right after the tab).
// Beyond the paragraph's own stops, left stops stand every eight blanks of the initial
// height, as a plain text's tabs do. Justified lines but the last of their paragraph fill
// the width by growing their blanks.
class MTextLineBreaker {
 public:
  // Tab stops stand this many blanks apart unless the paragraph sets them.
  static constexpr double kDefaultTabBlanks = 8.0;

  // `width` 0: no wrapping.
  static std::vector<MTextLine> lines(const MTextParagraph& paragraph, double width,
                                      double initialHeight);

  // The width of a word piece: its characters' advances stretched by its width factor,
  // each advance times its tracking.
  static double wordWidth(const MTextPiece& piece);
};
