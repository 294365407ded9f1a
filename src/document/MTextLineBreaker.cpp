// The lines a paragraph of a multi-line text (MTEXT) breaks into.
#include "document/MTextLineBreaker.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <string>

#include "document/TextWidths.h"

namespace {

// Widths closer than this count as equal (rounding of sums).
constexpr double kSlack = 1e-9;
// The least room a line keeps when its indents take all of the width.
constexpr double kLeastRoom = 1e-6;

using Kind = MTextPiece::Kind;

double blankWidth(const MTextFormat& format) {
  return TextWidths::of(" ", format.height, format.widthFactor);
}

double textWidth(const std::string& text, const MTextFormat& format) {
  return TextWidths::of(text, format.height, format.widthFactor) * format.tracking;
}

double pieceWidth(const MTextPiece& piece) {
  return piece.kind == Kind::kWord ? textWidth(piece.text, piece.format) : blankWidth(piece.format);
}

struct TabStopAt {
  double at = 0.0;  // from the text's left edge
  MTextTabStop::Kind kind = MTextTabStop::Kind::kLeft;
};

// The first tab stop beyond `position` (from the text's left edge).
TabStopAt nextTabStop(const MTextParagraphFormat& format, double position, double initialHeight) {
  for (const MTextTabStop& stop : format.tabs) {
    const double at = stop.position * initialHeight;
    if (at > position + kSlack) return {at, stop.kind};
  }
  const double step = MTextLineBreaker::kDefaultTabBlanks * TextWidths::of(" ", initialHeight);
  return {(std::floor(position / step + kSlack) + 1.0) * step, MTextTabStop::Kind::kLeft};
}

// How far before a stop of `kind` the text after a tab starts: `following` are the
// pieces after the tab; the text ends at the next tab (or the paragraph's end), blanks at
// its end left out.
double leadBeforeStop(MTextTabStop::Kind kind, std::span<const MTextPiece> following) {
  if (kind == MTextTabStop::Kind::kLeft) return 0.0;
  double width = 0.0;  // up to the end of the last piece that is no blank
  double withBlanks = 0.0;
  for (const MTextPiece& piece : following) {
    if (piece.kind == Kind::kTab) break;
    if (kind == MTextTabStop::Kind::kDecimal && piece.kind == Kind::kWord) {
      const std::size_t point = piece.text.find('.');
      if (point != std::string::npos)
        return withBlanks + textWidth(piece.text.substr(0, point), piece.format);
    }
    withBlanks += pieceWidth(piece);
    if (piece.kind != Kind::kSpace) width = withBlanks;
  }
  return kind == MTextTabStop::Kind::kCentre ? width / 2.0 : width;
}

class Breaker {
 public:
  Breaker(const MTextParagraph& paragraph, double width, double initialHeight)
      : paragraph_(paragraph), width_(width), initialHeight_(initialHeight) {
    startLine(true);
  }

  std::vector<MTextLine> run() {
    const std::vector<MTextPiece>& pieces = paragraph_.pieces;
    std::size_t i = 0;
    while (i < pieces.size()) {
      if (pieces[i].kind == Kind::kSpace) {
        blanks_.push_back(&pieces[i++]);
        continue;
      }
      // The next unit that is never broken: a tab, or words and non-breaking blanks glued.
      const double blanks = blanksWidth();
      std::size_t end = i + 1;
      double unit = 0.0;
      if (pieces[i].kind == Kind::kTab) {
        const double start = line_.indent + x_ + blanks;
        const TabStopAt stop = nextTabStop(paragraph_.format, start, initialHeight_);
        const double lead = leadBeforeStop(stop.kind, std::span(pieces).subspan(i + 1));
        // Text too long for its stop starts right after the tab.
        unit = std::max(0.0, stop.at - lead - start);
      } else {
        end = i;
        while (end < pieces.size() &&
               (pieces[end].kind == Kind::kWord || pieces[end].kind == Kind::kNonBreakingSpace)) {
          unit += pieceWidth(pieces[end++]);
        }
      }
      if (!line_.items.empty() && line_.room > 0.0 && x_ + blanks + unit > line_.room + kSlack) {
        finishLine(false);
        startLine(false);
        blanks_.clear();
        continue;
      }
      for (const MTextPiece* blank : blanks_) place(*blank, pieceWidth(*blank));
      blanks_.clear();
      if (pieces[i].kind == Kind::kTab) {
        place(pieces[i], unit);
      } else {
        for (std::size_t k = i; k < end; ++k) place(pieces[k], pieceWidth(pieces[k]));
      }
      line_.width = x_;
      i = end;
    }
    finishLine(true);
    return std::move(lines_);
  }

 private:
  double blanksWidth() const {
    double width = 0.0;
    for (const MTextPiece* blank : blanks_) width += pieceWidth(*blank);
    return width;
  }

  void startLine(bool first) {
    const MTextParagraphFormat& format = paragraph_.format;
    line_ = MTextLine{};
    line_.paragraph = &paragraph_;
    line_.indent = (format.leftIndent + (first ? format.firstIndent : 0.0)) * initialHeight_;
    if (width_ > 0.0) {
      line_.room =
          std::max(kLeastRoom, width_ - line_.indent - format.rightIndent * initialHeight_);
    }
    x_ = 0.0;
  }

  void place(const MTextPiece& piece, double width) {
    line_.items.push_back({&piece, x_, width});
    if (piece.kind != Kind::kSpace) line_.height = std::max(line_.height, piece.format.height);
    x_ += width;
  }

  void finishLine(bool last) {
    if (!(line_.height > 0.0)) line_.height = initialHeight_;
    line_.lastOfParagraph = last;
    if (!last && paragraph_.format.align == MTextParagraphAlign::kJustified) justify();
    lines_.push_back(std::move(line_));
  }

  void justify() {
    const auto blanks =
        std::count_if(line_.items.begin(), line_.items.end(),
                      [](const MTextLineItem& item) { return item.piece->kind == Kind::kSpace; });
    const double extra = line_.room - line_.width;
    if (blanks == 0 || !(extra > 0.0) || !(line_.room > 0.0)) return;
    const double grow = extra / static_cast<double>(blanks);
    double shift = 0.0;
    for (MTextLineItem& item : line_.items) {
      item.x += shift;
      if (item.piece->kind == Kind::kSpace) {
        item.width += grow;
        item.grown = true;
        shift += grow;
      }
    }
    line_.width = line_.room;
  }

  const MTextParagraph& paragraph_;
  double width_;
  double initialHeight_;
  MTextLine line_;
  double x_ = 0.0;
  std::vector<const MTextPiece*> blanks_;
  std::vector<MTextLine> lines_;
};

}  // namespace

double MTextLineBreaker::wordWidth(const MTextPiece& piece) {
  return textWidth(piece.text, piece.format);
}

std::vector<MTextLine> MTextLineBreaker::lines(const MTextParagraph& paragraph, double width,
                                               double initialHeight) {
  return Breaker(paragraph, width, initialHeight).run();
}
