// One entry of the DXF LAYER table: name, colour, line style code and visibility.
#include "dxf/Layer.h"

#include <strings.h>

#include <cstring>
#include <ostream>

#include "dxf/ColourIndex.h"
#include "dxf/GroupLines.h"

namespace {

struct LinetypeStyle {
  const char* name;
  std::int32_t code;
};

// Linetype names the drawings of the catalogue use, with the toolkit's line style codes.
constexpr LinetypeStyle kLinetypeStyles[] = {
    {"DASHED", Layer::kDashed},       {"GESTRICHELT", Layer::kDashed},
    {"GEN3", Layer::kDashed},         {"HIDDEN", Layer::kHidden},
    {"DASHDOT", Layer::kDashDot},     {"MITTE", Layer::kDashDot},
    {"CENTER", Layer::kDashDot},      {"GEN7", Layer::kDashDot},
    {"GEN7A", Layer::kDashDot},       {"STRICHPUNKTX2", Layer::kDashDot},
    {"STRICHPUNKT", Layer::kDashDot}, {"PHANTOM", Layer::kPhantom},
    {"GETRENNT", Layer::kPhantom},    {"DIVIDE", Layer::kPhantom},
};

}  // namespace

Layer::Layer() {
  copyField(name_, "1");
  copyField(shownName_, "1");
  copyField(colourNumber_, "7");
  copyField(linetypeName_, "SOLID");
  copyField(colour_, "#000000");
}

Layer::Layer(const char* name) : Layer() {
  copyField(name_, name);
  copyField(shownName_, name);
}

Layer::Layer(const Layer* source) : Layer() {
  if (source) *this = *source;
}

void Layer::setName(const char* name) { copyField(name_, name); }
void Layer::setColourNumber(const char* number) {
  // Choosing another colour drops the true colour; the layer dialog setting the number the
  // layer has keeps it.
  if (parseInt(number) != parseInt(colourNumber_)) trueColour_ = -1;
  copyField(colourNumber_, number);
}
void Layer::setLinetypeName(const char* name) { copyField(linetypeName_, name); }
void Layer::setColour(const char* colour) { copyField(colour_, colour); }

void Layer::deriveColourAndStyle() {
  if (trueColour_ >= 0) {
    char text[8];
    ColourIndex::formatRgb(static_cast<ColourIndex::Rgb>(trueColour_), text);
    copyField(colour_, text);
  } else {
    copyField(colour_, colourOfNumber(parseInt(colourNumber_)));
  }
  lineStyleCode_ = lineStyleOfLinetype(linetypeName_);
}

const char* Layer::colourOfNumber(int number) { return ColourIndex::textOf(number); }

std::int32_t Layer::lineStyleOfLinetype(const char* linetypeName) {
  for (const auto& style : kLinetypeStyles) {
    if (strcasecmp(linetypeName, style.name) == 0) return style.code;
  }
  return kSolid;
}

int Layer::read(DxfLineReader& in) {
  visible_ = 1;
  flags_ = 0;
  trueColour_ = -1;
  lineWeight_ = LineWeight::kDefault;
  for (;;) {
    const char* line = in.readLine();
    if (in.eof()) return kEndOfFile;
    const int code = groupCode(line, GroupCodeVariant::Standard);
    if (code == 0) break;
    switch (code) {
      case 2: {
        const char* value = in.readLine();
        copyField(name_, value);
        copyField(shownName_, value);
        break;
      }
      case 6: copyField(linetypeName_, in.readLine()); break;
      case 62: {
        // A negative colour number means the layer is off; the number keeps its blanks.
        const char* value = in.readLine();
        const char* minus = std::strchr(value, '-');
        if (minus) {
          visible_ = 0;
          char number[kLineBufferSize];
          const auto before = static_cast<std::size_t>(minus - value);
          std::memcpy(number, value, before);
          std::strcpy(number + before, minus + 1);
          copyField(colourNumber_, number);
        } else {
          copyField(colourNumber_, value);
        }
        break;
      }
      case 370: {
        // A layer's weight is a width or the default; BYLAYER and BYBLOCK mean nothing there.
        const std::int16_t weight = LineWeight::fromGroup(parseInt(in.readLine()));
        lineWeight_ = weight >= 0 ? weight : LineWeight::kDefault;
        break;
      }
      case 420: trueColour_ = static_cast<std::int32_t>(parseInt(in.readLine()) & 0xFFFFFF); break;
      case 70:
        flags_ = parseInt(in.readLine()) & (kFrozen | kLocked);
        if (flags_ & kFrozen) visible_ = 0;
        break;
      default:
        // Every code line is followed by its value line, which is never a code.
        in.readLine();
        break;
    }
  }
  if (std::strcmp(linetypeName_, "DIVIDE") == 0) copyField(linetypeName_, "GETRENNT");
  deriveColourAndStyle();
  return 0;
}

int Layer::write(std::ostream& out) const {
  out << "LAYER\n  2\n" << name_ << "\n 70\n" << flags_ << "\n 62\n";
  // Release 12 knows only the colour index: a true colour becomes the nearest, so that a
  // layer of true white stays white instead of turning into colour 7, drawn black.
  const long long number =
      trueColour_ >= 0 ? ColourIndex::nearestIndex(static_cast<ColourIndex::Rgb>(trueColour_))
                       : parseInt(colourNumber_);
  if (!visible_) {
    out << '\t' << -number << '\n';
  } else if (trueColour_ >= 0) {
    out << number << '\n';
  } else {
    out << colourNumber_ << '\n';
  }
  out << "  6\n" << linetypeName_ << "\n  0\n";
  return 0;
}
