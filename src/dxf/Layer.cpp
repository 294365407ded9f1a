// One entry of the DXF LAYER table: name, colour, line style code and visibility.
#include "dxf/Layer.h"

#include <strings.h>

#include <cstring>
#include <ostream>

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
void Layer::setColourNumber(const char* number) { copyField(colourNumber_, number); }
void Layer::setLinetypeName(const char* name) { copyField(linetypeName_, name); }
void Layer::setColour(const char* colour) { copyField(colour_, colour); }

void Layer::deriveColourAndStyle() {
  copyField(colour_, colourOfNumber(parseInt(colourNumber_)));
  lineStyleCode_ = lineStyleOfLinetype(linetypeName_);
}

const char* Layer::colourOfNumber(int number) {
  switch (number) {
    case 1: return "#FF0000";
    case 2: return "#FFFF00";
    case 3: return "#149E0A";
    case 4: return "#00FFFF";
    case 5: return "#0000FF";
    case 6: return "#FF00FF";
    case 40: return "#FFBE00";
    default: return "#000000";
  }
}

std::int32_t Layer::lineStyleOfLinetype(const char* linetypeName) {
  for (const auto& style : kLinetypeStyles) {
    if (strcasecmp(linetypeName, style.name) == 0) return style.code;
  }
  return kSolid;
}

int Layer::read(DxfLineReader& in) {
  visible_ = 1;
  flags_ = 0;
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
      case 6:
        copyField(linetypeName_, in.readLine());
        break;
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
  if (visible_) {
    out << colourNumber_ << '\n';
  } else {
    out << '\t' << -static_cast<long long>(parseInt(colourNumber_)) << '\n';
  }
  out << "  6\n" << linetypeName_ << "\n  0\n";
  return 0;
}
