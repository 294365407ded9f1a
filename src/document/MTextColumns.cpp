// The columns of a multi-line text (MTEXT) and the groups they are read from.
#include "document/MTextColumns.h"

#include <cmath>
#include <cstring>

namespace {

// Own groups of the columns.
enum OwnGroup : int {
  kDefinedHeightGroup = 46,
  kWidthGroup = 48,
  kGutterGroup = 49,
  kHeightGroup = 50,
  kTypeGroup = 75,
  kCountGroup = 76,
  kReversedGroup = 78,
  kAutoHeightGroup = 79,
};

// The embedded object's names for them.
enum EmbeddedGroup : int {
  kEmbeddedDefinedHeight = 41,
  kEmbeddedWidth = 44,
  kEmbeddedGutter = 45,
  kEmbeddedHeight = 46,
  kEmbeddedType = 71,
  kEmbeddedCount = 72,
  kEmbeddedAutoHeight = 73,
  kEmbeddedReversed = 74,
};

// Extended data groups: a string, an integer, a real.
constexpr int kXString = 1000;
constexpr int kXInteger = 1070;
constexpr int kXReal = 1040;

// Columns beyond this many are taken as a damaged count.
constexpr int kMaxCount = 1000;

double positiveOrZero(double value) { return std::isfinite(value) && value > 0.0 ? value : 0.0; }

}  // namespace

bool MTextColumns::flows() const { return type != Type::kNone && width > 0.0; }

double MTextColumns::heightOf(std::size_t index) const {
  if (!flows()) return 0.0;
  if (!heights.empty()) return index + 1 < heights.size() ? heights[index] : 0.0;
  const bool lastStatic =
      type == Type::kStatic && count > 0 && index + 1 >= static_cast<std::size_t>(count);
  return lastStatic ? 0.0 : definedHeight;
}

double MTextColumns::leftOf(std::size_t index) const {
  const double step = width + gutter;
  if (flowReversed && count > 0 && index < static_cast<std::size_t>(count)) {
    return static_cast<double>(static_cast<std::size_t>(count) - 1 - index) * step;
  }
  return static_cast<double>(index) * step;
}

void MTextColumnsReader::addHeight(double height) {
  if (columns_.heights.size() < kMaxColumns) columns_.heights.push_back(positiveOrZero(height));
}

void MTextColumnsReader::setOwn(int code, double value) {
  switch (code) {
    case kTypeGroup: {
      const int type = static_cast<int>(value);
      columns_.type = type == 1 || type == 2 ? static_cast<MTextColumns::Type>(type)
                                             : MTextColumns::Type::kNone;
      typeSeen_ = true;
      break;
    }
    case kCountGroup:
      columns_.count = value >= 0.0 && value <= kMaxCount ? static_cast<int>(value) : 0;
      break;
    case kReversedGroup: columns_.flowReversed = value != 0.0; break;
    case kAutoHeightGroup: columns_.autoHeight = value != 0.0; break;
    case kWidthGroup: columns_.width = positiveOrZero(value); break;
    case kGutterGroup: columns_.gutter = positiveOrZero(value); break;
    case kDefinedHeightGroup: columns_.definedHeight = positiveOrZero(value); break;
    case kHeightGroup: addHeight(value); break;
    default: break;
  }
}

bool MTextColumnsReader::take(int code, DxfLineReader& in, bool embedded) {
  if (code >= kXString) return takeExtendedData(code, in);
  return embedded ? takeEmbedded(code, in) : takeOwn(code, in);
}

bool MTextColumnsReader::takeOwn(int code, DxfLineReader& in) {
  switch (code) {
    case kTypeGroup:
    case kCountGroup:
    case kReversedGroup:
    case kAutoHeightGroup:
    case kWidthGroup:
    case kGutterGroup:
    case kDefinedHeightGroup: setOwn(code, in.readReal()); return true;
    case kHeightGroup:
      // Before the column type, group 50 is the text's rotation.
      if (!typeSeen_) return false;
      setOwn(code, in.readReal());
      return true;
    default: return false;
  }
}

bool MTextColumnsReader::takeEmbedded(int code, DxfLineReader& in) {
  static constexpr struct {
    int embedded;
    int own;
  } kNames[] = {{kEmbeddedDefinedHeight, kDefinedHeightGroup},
                {kEmbeddedWidth, kWidthGroup},
                {kEmbeddedGutter, kGutterGroup},
                {kEmbeddedHeight, kHeightGroup},
                {kEmbeddedType, kTypeGroup},
                {kEmbeddedCount, kCountGroup},
                {kEmbeddedAutoHeight, kAutoHeightGroup},
                {kEmbeddedReversed, kReversedGroup}};
  for (const auto& name : kNames) {
    if (name.embedded == code) {
      setOwn(name.own, in.readReal());
      return true;
    }
  }
  return false;
}

bool MTextColumnsReader::takeExtendedData(int code, DxfLineReader& in) {
  if (code == kXString) {
    const char* text = in.readLine();
    if (std::strcmp(text, "ACAD_MTEXT_COLUMN_INFO_BEGIN") == 0) {
      section_ = Section::kColumnInfo;
    } else if (std::strcmp(text, "ACAD_MTEXT_DEFINED_HEIGHT_BEGIN") == 0) {
      section_ = Section::kDefinedHeight;
    } else {
      section_ = Section::kOther;
    }
    pendingCode_ = 0;
    heightsToCome_ = 0;
    return true;
  }
  if (section_ == Section::kOther || (code != kXInteger && code != kXReal)) return false;
  const double value = in.readReal();
  if (heightsToCome_ > 0 && code == kXReal) {
    addHeight(value);
    --heightsToCome_;
    return true;
  }
  heightsToCome_ = 0;
  if (pendingCode_ == 0) {
    pendingCode_ = static_cast<int>(value);
    return true;
  }
  if (section_ == Section::kDefinedHeight) {
    if (pendingCode_ == kDefinedHeightGroup) setOwn(kDefinedHeightGroup, value);
  } else if (pendingCode_ == kHeightGroup) {
    // The count of the heights that follow.
    heightsToCome_ = value > 0.0 && value <= kMaxCount ? static_cast<long>(value) : 0;
  } else {
    setOwn(pendingCode_, value);
  }
  pendingCode_ = 0;
  return true;
}
