// The pieces a multi-line text (MTEXT) is drawn as: single-line texts and lines.
#include "document/MTextLines.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "document/MTextLineBreaker.h"
#include "document/TextWidths.h"
#include "entities/Linie.h"

namespace {

using Kind = MTextPiece::Kind;

// Positions closer than this count as touching.
constexpr double kLineSlack = 1e-9;
// The linetype of under-, over- and strike-through lines, whatever the text's.
constexpr const char* kStrokeLinetype = "Continuous";

// Where a line stands: its column and the depth of its baseline below the column's top.
struct PlacedLine {
  const MTextLine* line = nullptr;
  std::size_t column = 0;
  double baselineDepth = 0.0;
};

// A run of pieces on one line drawn as one text.
struct Run {
  std::string text;
  double x = 0.0;
  double width = 0.0;
  const MTextFormat* format = nullptr;
};

// Formats that draw the same letters (their lines may differ).
bool sameLetters(const MTextFormat& a, const MTextFormat& b) {
  MTextFormat left = a;
  MTextFormat right = b;
  left.underline = left.overline = left.strikeThrough = false;
  right.underline = right.overline = right.strikeThrough = false;
  return left == right;
}

// The runs of a line: pieces of one format that follow each other without a gap.
std::vector<Run> runsOf(const MTextLine& line) {
  std::vector<Run> runs;
  bool open = false;
  for (const MTextLineItem& item : line.items) {
    const MTextPiece& piece = *item.piece;
    // Tabs and the grown blanks of a justified line part the runs.
    if (piece.kind == Kind::kTab || item.grown) {
      open = false;
      continue;
    }
    const std::string text = piece.kind == Kind::kWord ? piece.text : std::string(1, ' ');
    Run* last = runs.empty() ? nullptr : &runs.back();
    if (open && last && sameLetters(*last->format, piece.format) &&
        std::fabs(last->x + last->width - item.x) < kLineSlack) {
      last->text += text;
      last->width += item.width;
    } else {
      runs.push_back({text, item.x, item.width, &piece.format});
      open = true;
    }
  }
  // Runs of blanks only draw nothing.
  std::erase_if(
      runs, [](const Run& run) { return run.text.find_first_not_of(' ') == std::string::npos; });
  return runs;
}

MTextParagraphAlign effectiveAlign(const MTextParagraph& paragraph, int attachment) {
  if (paragraph.format.align != MTextParagraphAlign::kDefault) return paragraph.format.align;
  static constexpr MTextParagraphAlign kByColumn[] = {
      MTextParagraphAlign::kLeft, MTextParagraphAlign::kCentre, MTextParagraphAlign::kRight};
  return kByColumn[(attachment - 1) % 3];
}

// The part of a line's free room before it.
double alignShare(MTextParagraphAlign align) {
  if (align == MTextParagraphAlign::kCentre) return 0.5;
  if (align == MTextParagraphAlign::kRight) return 1.0;
  return 0.0;
}

// How far a run stands above its line's baseline.
double runLift(const MTextFormat& format, double lineHeight) {
  const double free = lineHeight - format.height;
  if (format.align == MTextRunAlign::kCentre) return free / 2.0;
  if (format.align == MTextRunAlign::kTop) return free;
  return 0.0;
}

class Layout {
 public:
  explicit Layout(const DXFText& mtext)
      : mtext_(mtext), frame_(*mtext.mtextFrame()), initialHeight_(mtext.height()) {
    const double angle = mtext.rotation() * std::numbers::pi / 180.0;
    along_ = {std::cos(angle), std::sin(angle)};
    // Seen from below, the lines follow each other on the other side of the baseline (and
    // the letters stand on their heads along it).
    up_ = frame_.mirrored ? WorldPoint{along_.y, -along_.x} : WorldPoint{-along_.y, along_.x};
  }

  std::vector<std::unique_ptr<DXFGeometrie>> run() {
    const MTextColumns& columns = frame_.columns;
    const double wrapWidth = columns.flows() ? columns.width : frame_.referenceWidth;
    for (const MTextParagraph& paragraph : frame_.paragraphs) {
      for (MTextLine& line : MTextLineBreaker::lines(paragraph, wrapWidth, initialHeight_)) {
        lines_.push_back(std::move(line));
      }
    }
    boxWidth_ = wrapWidth;
    if (!(boxWidth_ > 0.0)) {
      for (const MTextLine& line : lines_) {
        const double right = line.paragraph->format.rightIndent * initialHeight_;
        boxWidth_ = std::max(boxWidth_, line.indent + line.width + right);
      }
    }
    const std::vector<PlacedLine> placed = flow();
    for (const PlacedLine& line : placed) emit(line);
    return std::move(pieces_);
  }

 private:
  // Stacks the lines into their columns and finds the depth of the lowest baseline.
  std::vector<PlacedLine> flow() {
    const MTextColumns& columns = frame_.columns;
    std::vector<PlacedLine> placed;
    std::size_t column = 0;
    std::size_t linesInColumn = 0;
    double depth = 0.0;
    for (const MTextLine& line : lines_) {
      const double limit = columns.heightOf(column);
      if (linesInColumn > 0 && limit > 0.0 && depth + line.height > limit + kLineSlack) {
        ++column;
        depth = 0.0;
        linesInColumn = 0;
      }
      placed.push_back({&line, column, depth + line.height});
      blockHeight_ = std::max(blockHeight_, depth + line.height);
      depth += MTextLines::kLineSpacing * frame_.lineSpacingFactor * line.height;
      ++linesInColumn;
      if (line.lastOfParagraph && line.paragraph->endsColumn && columns.flows()) {
        ++column;
        depth = 0.0;
        linesInColumn = 0;
      }
    }
    return placed;
  }

  void emit(const PlacedLine& placed) {
    const MTextLine& line = *placed.line;
    const int attachment = frame_.attachment;
    const MTextParagraphAlign align = effectiveAlign(*line.paragraph, attachment);
    const double right = line.paragraph->format.rightIndent * initialHeight_;
    const double room = line.room > 0.0 ? line.room : boxWidth_ - line.indent - right;
    const double boxLeft = -boxWidth_ * static_cast<double>((attachment - 1) % 3) / 2.0;
    const double columnLeft = frame_.columns.flows() ? frame_.columns.leftOf(placed.column) : 0.0;
    const double left =
        columnLeft + boxLeft + line.indent + (room - line.width) * alignShare(align);
    const int row = (attachment - 1) / 3;
    const double baseline = -placed.baselineDepth + blockHeight_ * row / 2.0;

    const std::vector<Run> runs = runsOf(line);
    // A line of one run keeps its alignment on its anchor, wherever the face's widths put
    // its end.
    const bool anchorsItself = runs.size() == 1 && runs.front().format->tracking == 1.0;
    for (const Run& run : runs) {
      const double y = baseline + runLift(*run.format, line.height);
      if (run.format->tracking != 1.0) {
        emitTracked(run, left, y);
        continue;
      }
      DXFText::HAlignCode anchor = DXFText::kHAlignLeft;
      double x = left + run.x;
      if (anchorsItself && align == MTextParagraphAlign::kCentre) {
        anchor = DXFText::kHAlignCentre;
        x += run.width / 2.0;
      } else if (anchorsItself && align == MTextParagraphAlign::kRight) {
        anchor = DXFText::kHAlignRight;
        x += run.width;
      }
      emitText(run.text, x, y, anchor, *run.format);
    }
    emitStrokes(line, left, baseline);
  }

  // A run whose letters stand apart: each letter a text of its own.
  void emitTracked(const Run& run, double left, double y) {
    const MTextFormat& format = *run.format;
    double x = left + run.x;
    for (const char c : run.text) {
      const std::string letter(1, c);
      if (c != ' ') emitText(letter, x, y, DXFText::kHAlignLeft, format);
      x += TextWidths::of(letter, format.height, format.widthFactor) * format.tracking;
    }
  }

  void emitStrokes(const MTextLine& line, double left, double baseline) {
    struct Stroke {
      bool MTextFormat::*flag;
      double lift;  // above the run's baseline, in run heights
    };
    static constexpr Stroke kStrokes[] = {{&MTextFormat::underline, -MTextLines::kStrokeGap},
                                          {&MTextFormat::strikeThrough, 0.5},
                                          {&MTextFormat::overline, 1.0 + MTextLines::kStrokeGap}};
    for (const Stroke& stroke : kStrokes) {
      const MTextLineItem* start = nullptr;
      double end = 0.0;
      double y = 0.0;
      auto finish = [&] {
        if (start) emitLine(left + start->x, left + end, y, start->piece->format);
        start = nullptr;
      };
      for (const MTextLineItem& item : line.items) {
        const MTextFormat& format = item.piece->format;
        if (!(format.*stroke.flag) || item.piece->kind == Kind::kTab) {
          finish();
          continue;
        }
        const double itemY = baseline + runLift(format, line.height) + stroke.lift * format.height;
        if (start && (std::fabs(itemY - y) > kLineSlack || std::fabs(item.x - end) > kLineSlack ||
                      !sameLetters(start->piece->format, format))) {
          finish();
        }
        if (!start) {
          start = &item;
          y = itemY;
        }
        end = item.x + item.width;
      }
      finish();
    }
  }

  WorldPoint world(double x, double y) const {
    return {mtext_.x() + x * along_.x + y * up_.x, mtext_.y() + x * along_.y + y * up_.y};
  }

  void emitText(const std::string& text, double x, double y, DXFText::HAlignCode anchor,
                const MTextFormat& format) {
    const WorldPoint at = world(x, y);
    auto piece = mtext_.mtextPiece(text, at.x, at.y, anchor, format);
    takeColour(*piece, format, mtext_.linetypeName(), mtext_.linetypeScale());
    pieces_.push_back(std::move(piece));
  }

  void emitLine(double x1, double x2, double y, const MTextFormat& format) {
    const WorldPoint from = world(x1, y);
    const WorldPoint to = world(x2, y);
    auto line = std::make_unique<Linie>(from.x, from.y, to.x, to.y);
    line->takeAttributesOf(mtext_);
    takeColour(*line, format, kStrokeLinetype, 1.0);
    pieces_.push_back(std::move(line));
  }

  // The run's colour: its own "\C" or "\c" code, else the text's.
  void takeColour(DXFGeometrie& piece, const MTextFormat& format, const char* linetype,
                  double linetypeScale) const {
    std::string number = mtext_.colourNumber();
    std::int32_t rgb = mtext_.trueColour();
    if (format.colourIndex != MTextFormat::kEntityColour) {
      number = std::to_string(format.colourIndex);
      rgb = -1;
    }
    if (format.rgb != MTextFormat::kNoRgb) rgb = format.rgb;
    piece.takeLooks(number.c_str(), rgb, linetype, linetypeScale);
  }

  const DXFText& mtext_;
  const DXFText::MTextFrame& frame_;
  double initialHeight_;
  WorldPoint along_;
  WorldPoint up_;
  std::vector<MTextLine> lines_;
  double boxWidth_ = 0.0;
  double blockHeight_ = 0.0;
  std::vector<std::unique_ptr<DXFGeometrie>> pieces_;
};

}  // namespace

std::vector<std::string> MTextLines::wrap(const std::string& paragraph, double width,
                                          double height) {
  MTextParagraph plain;
  MTextFormat format;
  format.height = height;
  std::size_t start = 0;
  while (start <= paragraph.size()) {
    std::size_t end = paragraph.find(' ', start);
    if (end == std::string::npos) end = paragraph.size();
    if (end > start)
      plain.pieces.push_back({Kind::kWord, paragraph.substr(start, end - start), format});
    if (end < paragraph.size()) plain.pieces.push_back({Kind::kSpace, {}, format});
    start = end + 1;
  }
  std::vector<std::string> lines;
  for (const MTextLine& line : MTextLineBreaker::lines(plain, width, height)) {
    std::string text;
    for (const MTextLineItem& item : line.items) {
      text += item.piece->kind == Kind::kWord ? item.piece->text : std::string(1, ' ');
    }
    lines.push_back(std::move(text));
  }
  return lines;
}

std::vector<std::unique_ptr<DXFGeometrie>> MTextLines::of(const DXFText& mtext) {
  if (!mtext.mtextFrame()) {
    std::vector<std::unique_ptr<DXFGeometrie>> copy;
    copy.push_back(std::make_unique<DXFText>(mtext));
    return copy;
  }
  return Layout(mtext).run();
}
