// The inline formatting of MTEXT values: which characters are drawn in which format.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Where a run stands in a line whose runs differ in height ("\A0;" to "\A2;").
enum class MTextRunAlign : int { kBottom = 0, kCentre = 1, kTop = 2 };

// The alignment of a paragraph ("\pq...;"); the default follows the attachment point.
enum class MTextParagraphAlign { kDefault, kLeft, kRight, kCentre, kJustified };

// The character format in force for a run of characters.
struct MTextFormat {
  // Colour index meaning "the text's own colour" (no "\C" code given).
  static constexpr int kEntityColour = -1;
  // True colour meaning "none given".
  static constexpr std::int32_t kNoRgb = -1;

  double height = 1.0;              // capital height, drawing units ("\H")
  double widthFactor = 1.0;         // "\W"
  double obliqueDegrees = 0.0;      // "\Q"
  double tracking = 1.0;            // advance of each character times this ("\T")
  int colourIndex = kEntityColour;  // "\C": 0 by block, 1 to 255, 256 by layer
  std::int32_t rgb = kNoRgb;        // "\c" as 0xRRGGBB
  bool bold = false;                // "\f...|b1"
  bool italic = false;              // "\f...|i1"
  bool underline = false;           // "\L" ... "\l"
  bool overline = false;            // "\O" ... "\o"
  bool strikeThrough = false;       // "\K" ... "\k"
  MTextRunAlign align = MTextRunAlign::kBottom;

  bool operator==(const MTextFormat&) const = default;
};

// A tab stop of a paragraph, in multiples of the text's initial height from the left
// edge of the paragraph. The text after a tab (up to the next tab or the paragraph's end)
// starts at a left stop, is centred on a centre stop, ends at a right stop and has its
// decimal point (or else its end) at a decimal stop.
struct MTextTabStop {
  enum class Kind { kLeft, kCentre, kRight, kDecimal };
  double position = 0.0;
  Kind kind = Kind::kLeft;
};

// The paragraph format ("\p...;"); indents in multiples of the text's initial height.
struct MTextParagraphFormat {
  double firstIndent = 0.0;  // the first line's indent, from the left indent
  double leftIndent = 0.0;
  double rightIndent = 0.0;
  MTextParagraphAlign align = MTextParagraphAlign::kDefault;
  std::vector<MTextTabStop> tabs;
};

// A piece of a paragraph: a run of characters in one format, or a blank or tab.
struct MTextPiece {
  enum class Kind { kWord, kSpace, kNonBreakingSpace, kTab };
  Kind kind = Kind::kWord;
  std::string text;  // the characters of a word, codes like "%%c" and "\U+" as written
  MTextFormat format;
};

// A paragraph: its pieces in order; words that follow each other without a blank between
// them are glued.
struct MTextParagraph {
  std::vector<MTextPiece> pieces;
  MTextParagraphFormat format;
  bool endsColumn = false;  // ended by a column break ("\N")
};

// Splits an MTEXT value into paragraphs of formatted pieces:
// - "\P", "^J" end a paragraph, "\N" also its column;
// - blanks, "\~" (non-breaking blank) and tabs ("^I") are pieces of their own; "^ " is a
//   caret; other caret codes ("^M", "^@") draw nothing;
// - "{" and "}" keep the format in between to themselves, "\\", "\{", "\}" are the
//   characters;
// - "\H", "\W", "\T" set height, width factor and tracking (with "x": relative), "\Q" the
//   oblique angle, "\C" a colour index, "\c" a true colour (red in the low byte), "\f" and
//   "\F" the font (only its bold and italic flags count), "\A" the alignment in the line,
//   "\L \l \O \o \K \k" switch lines under, over and through the text, "\p" sets the
//   paragraph format;
// - a stacked fraction "\S1/2;" is the word "1/2" ('^' and '#' also become '/');
// - anything else ("\U+" escapes, unknown codes) stays as written.
class MTextRuns {
 public:
  // Braces nested deeper than this share the innermost format.
  static constexpr std::size_t kMaxNesting = 64;

  static std::vector<MTextParagraph> parse(std::string_view value, const MTextFormat& initial);

  // The paragraph's characters as one string: blanks and non-breaking blanks as ' ', tabs
  // as '\t'.
  static std::string plainText(const MTextParagraph& paragraph);
};
