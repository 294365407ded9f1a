// One entry of the DXF LAYER table: name, colour, line style code and visibility.
#pragma once

#include <cstdint>
#include <iosfwd>

#include "dxf/LineWeight.h"

class DxfLineReader;

// A drawing layer. Entities point to their layer and copy its colour, line style code and
// visibility when it is assigned to them. Texts are fixed-size Windows-1252 fields; longer
// values are cut to the field.
class Layer {
 public:
  static constexpr int kNameSize = 50;
  static constexpr int kColourNumberSize = 10;
  static constexpr int kLinetypeNameSize = 20;
  static constexpr int kColourSize = 10;

  // Group 70 bits: a frozen layer is not drawn, like one switched off.
  static constexpr std::int32_t kFrozen = 1;
  static constexpr std::int32_t kLocked = 4;

  // Line style codes, the dash patterns the painter strokes.
  enum LineStyleCode : std::int32_t {
    kSolid = 0,
    kDashed = 1,
    kHidden = 2,
    kDashDot = 3,
    kPhantom = 4,
  };

  // End-of-file code of read().
  static constexpr int kEndOfFile = -38;

  // Defaults: name "1", colour number "7" (black), linetype "SOLID", visible.
  Layer();
  // A layer with the defaults and the given name (as name and as shownName).
  explicit Layer(const char* name);
  // Copies every field of `source`; a null source gives the defaults.
  explicit Layer(const Layer* source);
  Layer(const Layer& other) = default;
  Layer& operator=(const Layer& other) = default;

  // Layer name (group 2); entities refer to it and it is written to DXF.
  const char* name() const { return name_; }
  // The name as read from the file; the layer dialog lists and finds layers by it.
  const char* shownName() const { return shownName_; }
  // Colour number text (group 62) without a minus sign, e.g. "7".
  const char* colourNumber() const { return colourNumber_; }
  // Linetype name (group 6).
  const char* linetypeName() const { return linetypeName_; }
  // Colour as "#RRGGBB", derived from the colour number.
  const char* colour() const { return colour_; }
  // A LineStyleCode, derived from the linetype name.
  std::int32_t lineStyleCode() const { return lineStyleCode_; }
  // 1 = layer on, 0 = off (switched off, or frozen).
  std::int32_t visible() const { return visible_; }
  // Group 70 bits kept and written again: frozen and locked.
  std::int32_t flags() const { return flags_; }
  // Frozen (group 70 bit 1) and not switched on since: unlike a layer that is merely off,
  // it hides the whole content of the inserts on it.
  bool frozen() const { return (flags_ & kFrozen) != 0; }
  // Line weight (group 370) of the layer's BYLAYER lines: hundredths of a mm, or
  // LineWeight::kDefault (dxf/LineWeight.h).
  std::int16_t lineWeight() const { return lineWeight_; }

  // Renames the layer (the layer dialog's display name); shownName stays.
  void setName(const char* name);
  // Switching a layer on also thaws it.
  void setVisible(std::int32_t visible) {
    visible_ = visible;
    if (visible) flags_ &= ~kFrozen;
  }
  void setColourNumber(const char* number);
  void setLinetypeName(const char* name);
  void setColour(const char* colour);

  // Sets colour from the true colour or else colourNumber, lineStyleCode from linetypeName.
  void deriveColourAndStyle();

  // Reads the entry's group pairs after the line "LAYER" up to and including the next
  // group code 0; 0, or kEndOfFile when the data ends first.
  int read(DxfLineReader& in);
  // Writes the entry from its type name "LAYER" to its closing "  0"; returns 0.
  int write(std::ostream& out) const;

  // "#RRGGBB" of a DXF colour number 1 to 255 (dxf/ColourIndex.h); all others black.
  static const char* colourOfNumber(int number);
  // Line style code of a linetype name, compared without regard to case; solid if unknown.
  static std::int32_t lineStyleOfLinetype(const char* linetypeName);

 private:
  char name_[kNameSize];
  char shownName_[kNameSize];
  char colourNumber_[kColourNumberSize];
  char linetypeName_[kLinetypeNameSize];
  char colour_[kColourSize];
  std::int32_t lineStyleCode_ = 0;
  std::int32_t visible_ = 1;
  std::int32_t flags_ = 0;
  // True colour (group 420) as 0xRRGGBB, -1 without; it gives the colour until a colour
  // number is set. The written file keeps the colour number, the file's own nearest index.
  std::int32_t trueColour_ = -1;
  std::int16_t lineWeight_ = LineWeight::kDefault;
};
