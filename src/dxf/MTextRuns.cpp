// The inline formatting of MTEXT values: which characters are drawn in which format.
#include "dxf/MTextRuns.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <optional>

namespace {

constexpr char kCaret = '^';
constexpr char kFirstControl = '@';
constexpr char kLastControl = '_';
// Heights, width factors and indents beyond this many times the initial height (or
// below its inverse) are taken as typing errors and ignored.
constexpr double kMaxRatio = 1000.0;
// The tracking range drawing programs offer.
constexpr double kMinTracking = 0.75;
constexpr double kMaxTracking = 4.0;
constexpr unsigned kByteMask = 0xFF;

// Codes whose argument runs up to and including the next semicolon.
bool isSemicolonCode(char c) { return c != '\0' && std::strchr("fFHCcAWQTpS", c) != nullptr; }

// A number at the start of `text` (a decimal point whatever the locale), and where it
// ends; no number gives `fallback`.
double numberAt(std::string_view text, std::size_t& used, double fallback) {
  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  used = error == std::errc() ? static_cast<std::size_t>(end - text.data()) : 0;
  return used > 0 && std::isfinite(value) ? value : fallback;
}

// A value like "2.5" (absolute) or "0.5x" (relative to `current`); `current` when it is
// no number or not positive.
double scaledValue(std::string_view argument, double current) {
  std::size_t used = 0;
  const double value = numberAt(argument, used, -1.0);
  if (!(value > 0.0)) return current;
  const bool relative = used < argument.size() && (argument[used] == 'x' || argument[used] == 'X');
  return relative ? current * value : value;
}

bool withinRatio(double value, double reference) {
  return value > 0.0 && value <= reference * kMaxRatio && value >= reference / kMaxRatio;
}

// "\c" numbers hold blue in the high byte and red in the low one.
std::int32_t rgbOfBgr(long bgr) {
  const auto value = static_cast<unsigned long>(bgr);
  const unsigned long red = value & kByteMask;
  const unsigned long green = (value >> 8) & kByteMask;
  const unsigned long blue = (value >> 16) & kByteMask;
  return static_cast<std::int32_t>((red << 16) | (green << 8) | blue);
}

// The flags of a font code "Name|b1|i0|c0|p34" (bold and italic; others are ignored).
void takeFontFlags(std::string_view argument, MTextFormat& format) {
  std::size_t bar = argument.find('|');
  while (bar != std::string_view::npos && bar + 2 <= argument.size()) {
    const char flag = argument[bar + 1];
    const bool on = bar + 2 < argument.size() && argument[bar + 2] == '1';
    if (flag == 'b') format.bold = on;
    if (flag == 'i') format.italic = on;
    bar = argument.find('|', bar + 1);
  }
}

// The kind of tab stop a prefix letter names; none for a number without prefix.
std::optional<MTextTabStop::Kind> tabStopKind(char prefix) {
  switch (prefix) {
    case 'c': return MTextTabStop::Kind::kCentre;
    case 'r': return MTextTabStop::Kind::kRight;
    case 'd': return MTextTabStop::Kind::kDecimal;
    default: return std::nullopt;
  }
}

// The paragraph codes "\p...;": i, l, r indents, q alignment, t tab stops, '*' resets.
void takeParagraphCodes(std::string_view argument, MTextParagraphFormat& paragraph) {
  const MTextParagraphFormat defaults;
  std::size_t i = 0;
  auto indent = [&](double& target, double reset) {
    if (i < argument.size() && argument[i] == '*') {
      target = reset;
      ++i;
      return;
    }
    std::size_t used = 0;
    const double value = numberAt(argument.substr(i), used, target);
    if (std::fabs(value) <= kMaxRatio) target = value;
    i += used;
  };
  while (i < argument.size()) {
    const char letter = argument[i++];
    switch (letter) {
      case 'i': indent(paragraph.firstIndent, defaults.firstIndent); break;
      case 'l': indent(paragraph.leftIndent, defaults.leftIndent); break;
      case 'r': indent(paragraph.rightIndent, defaults.rightIndent); break;
      case 'q': {
        const char how = i < argument.size() ? argument[i++] : '*';
        switch (how) {
          case 'l': paragraph.align = MTextParagraphAlign::kLeft; break;
          case 'r': paragraph.align = MTextParagraphAlign::kRight; break;
          case 'c': paragraph.align = MTextParagraphAlign::kCentre; break;
          case 'j':
          case 'd': paragraph.align = MTextParagraphAlign::kJustified; break;
          default: paragraph.align = MTextParagraphAlign::kDefault; break;
        }
        break;
      }
      case 't': {
        paragraph.tabs.clear();
        // A list "4,c8,r12,d16": each stop a number, centred, right or decimal with a
        // prefix.
        while (i < argument.size()) {
          MTextTabStop stop;
          std::size_t at = i;
          if (const auto kind = tabStopKind(argument[at])) {
            stop.kind = *kind;
            ++at;
          }
          std::size_t used = 0;
          const double position = numberAt(argument.substr(at), used, 0.0);
          if (used == 0) break;
          i = at + used;
          if (position > 0.0 && position <= kMaxRatio) {
            stop.position = position;
            paragraph.tabs.push_back(stop);
          }
          if (i < argument.size() && argument[i] == ',') ++i;
        }
        break;
      }
      default: break;  // 'x', separators and unknown letters
    }
  }
}

class Parser {
 public:
  Parser(std::string_view text, const MTextFormat& initial)
      : text_(text), initialHeight_(initial.height) {
    states_.push_back({initial, MTextParagraphFormat{}});
    paragraph_.format = states_.back().paragraph;
  }

  std::vector<MTextParagraph> run() {
    while (i_ < text_.size()) step();
    endWord();
    paragraphs_.push_back(std::move(paragraph_));
    return std::move(paragraphs_);
  }

 private:
  struct State {
    MTextFormat format;
    MTextParagraphFormat paragraph;
  };

  State& state() { return states_.back(); }

  void step() {
    const char c = text_[i_];
    if (c == '{' || c == '}') {
      endWord();
      if (c == '{') {
        if (states_.size() < MTextRuns::kMaxNesting)
          states_.push_back(state());
        else
          ++extraDepth_;
      } else if (extraDepth_ > 0) {
        --extraDepth_;
      } else if (states_.size() > 1) {
        states_.pop_back();
      }
      ++i_;
      return;
    }
    if (c == kCaret && i_ + 1 < text_.size()) {
      const char code = text_[i_ + 1];
      if (code == ' ') {
        word_ += kCaret;
      } else if (code == 'I') {
        addPiece(MTextPiece::Kind::kTab);
      } else if (code == 'J') {
        endParagraph(false);
      }
      if (code == ' ' || (code >= kFirstControl && code <= kLastControl)) {
        i_ += 2;
        return;
      }
    }
    if (c == ' ') {
      addPiece(MTextPiece::Kind::kSpace);
      ++i_;
      return;
    }
    if (c == '\t') {
      addPiece(MTextPiece::Kind::kTab);
      ++i_;
      return;
    }
    if (c != '\\' || i_ + 1 >= text_.size()) {
      word_ += c;
      ++i_;
      return;
    }
    backslashCode(text_[i_ + 1]);
  }

  void backslashCode(char code) {
    switch (code) {
      case 'P':
      case 'N':
        endParagraph(code == 'N');
        i_ += 2;
        return;
      case '~':
        addPiece(MTextPiece::Kind::kNonBreakingSpace);
        i_ += 2;
        return;
      case '\\':
      case '{':
      case '}':
        word_ += code;
        i_ += 2;
        return;
      case 'L':
      case 'l':
      case 'O':
      case 'o':
      case 'K':
      case 'k':
        endWord();
        switchLine(code);
        i_ += 2;
        return;
      default: break;
    }
    if (!isSemicolonCode(code)) {
      word_ += '\\';
      ++i_;
      return;
    }
    const std::size_t end = text_.find(';', i_ + 2);
    const std::size_t stop = end == std::string_view::npos ? text_.size() : end;
    const std::string_view argument = text_.substr(i_ + 2, stop - (i_ + 2));
    i_ = end == std::string_view::npos ? text_.size() : end + 1;
    if (code == 'S') {
      stackedFraction(argument);
    } else {
      endWord();
      applyCode(code, argument);
    }
  }

  void switchLine(char code) {
    MTextFormat& format = state().format;
    const bool on = code == 'L' || code == 'O' || code == 'K';
    if (code == 'L' || code == 'l') format.underline = on;
    if (code == 'O' || code == 'o') format.overline = on;
    if (code == 'K' || code == 'k') format.strikeThrough = on;
  }

  // The numbers of a stacked fraction with a slash between them, glued to its neighbours.
  void stackedFraction(std::string_view argument) {
    bool afterSeparator = false;
    for (const char s : argument) {
      if (afterSeparator && s == ' ') continue;
      afterSeparator = s == '^' || s == '#' || s == '/';
      word_ += afterSeparator ? '/' : s;
    }
  }

  void applyCode(char code, std::string_view argument) {
    MTextFormat& format = state().format;
    std::size_t used = 0;
    switch (code) {
      case 'H': {
        const double height = scaledValue(argument, format.height);
        if (withinRatio(height, initialHeight_)) format.height = height;
        break;
      }
      case 'W': {
        const double factor = scaledValue(argument, format.widthFactor);
        if (withinRatio(factor, 1.0)) format.widthFactor = factor;
        break;
      }
      case 'T':
        format.tracking =
            std::clamp(scaledValue(argument, format.tracking), kMinTracking, kMaxTracking);
        break;
      case 'Q': {
        const double angle = numberAt(argument, used, format.obliqueDegrees);
        if (std::fabs(angle) < 90.0) format.obliqueDegrees = angle;
        break;
      }
      case 'C': {
        const double index = numberAt(argument, used, -1.0);
        if (index >= 0.0 && index <= 256.0) {
          format.colourIndex = static_cast<int>(index);
          format.rgb = MTextFormat::kNoRgb;
        }
        break;
      }
      case 'c': {
        const double bgr = numberAt(argument, used, -1.0);
        if (bgr >= 0.0 && bgr <= 0xFFFFFF) format.rgb = rgbOfBgr(static_cast<long>(bgr));
        break;
      }
      case 'A': {
        const double align = numberAt(argument, used, -1.0);
        if (align == 0.0 || align == 1.0 || align == 2.0) {
          format.align = static_cast<MTextRunAlign>(static_cast<int>(align));
        }
        break;
      }
      case 'f':
      case 'F': takeFontFlags(argument, format); break;
      case 'p':
        takeParagraphCodes(argument, state().paragraph);
        paragraph_.format = state().paragraph;
        break;
      default: break;
    }
  }

  void endWord() {
    if (word_.empty()) return;
    std::vector<MTextPiece>& pieces = paragraph_.pieces;
    const MTextFormat& format = state().format;
    if (!pieces.empty() && pieces.back().kind == MTextPiece::Kind::kWord &&
        pieces.back().format == format) {
      pieces.back().text += word_;
    } else {
      pieces.push_back({MTextPiece::Kind::kWord, word_, format});
    }
    word_.clear();
  }

  void addPiece(MTextPiece::Kind kind) {
    endWord();
    paragraph_.pieces.push_back({kind, {}, state().format});
  }

  void endParagraph(bool column) {
    endWord();
    paragraph_.endsColumn = column;
    paragraphs_.push_back(std::move(paragraph_));
    paragraph_ = MTextParagraph{};
    paragraph_.format = state().paragraph;
  }

  std::string_view text_;
  double initialHeight_;
  std::size_t i_ = 0;
  std::vector<State> states_;
  std::size_t extraDepth_ = 0;
  std::string word_;
  MTextParagraph paragraph_;
  std::vector<MTextParagraph> paragraphs_;
};

}  // namespace

std::vector<MTextParagraph> MTextRuns::parse(std::string_view value, const MTextFormat& initial) {
  return Parser(value, initial).run();
}

std::string MTextRuns::plainText(const MTextParagraph& paragraph) {
  std::string text;
  for (const MTextPiece& piece : paragraph.pieces) {
    switch (piece.kind) {
      case MTextPiece::Kind::kWord: text += piece.text; break;
      case MTextPiece::Kind::kTab: text += '\t'; break;
      default: text += ' '; break;
    }
  }
  return text;
}
