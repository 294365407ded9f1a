// The single-line text entity, read from TEXT and MTEXT and always written as TEXT.
#include "document/DXFText.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>
#include <ostream>

#include "dxf/TextCodes.h"

namespace {

constexpr double kTolerance = 1e-6;
// The raw MTEXT value (continuations and group 1) is kept only up to this many bytes: the
// shown text is far shorter, and a record of endless continuations must not grow memory.
constexpr std::size_t kMaxRawMText = 8192;
// Pixel heights beyond this are no text a screen or sheet can show.
constexpr double kMaxPixelHeight = 100000.0;
// Font weights of regular and bold letters.
constexpr int kRegularWeight = 400;
constexpr int kBoldWeight = 700;
// An MTEXT's column width, among its own groups.
constexpr int kColumnWidthGroup = 48;

double radians(double degrees) { return degrees / 180.0 * std::numbers::pi; }
double degrees(double radians) { return radians * 180.0 / std::numbers::pi; }

bool nearZero(double v) { return std::fabs(v) < kTolerance; }

void appendCapped(std::string& target, const char* text) {
  const std::size_t room = kMaxRawMText - std::min(kMaxRawMText, target.size());
  target.append(text, std::min(room, std::strlen(text)));
}

// Escapement in tenths of a degree, 0 to a full turn.
int escapementOf(double rotation) {
  constexpr int kFullTurn = 3600;
  if (!std::isfinite(rotation)) return 0;
  const int tenths = static_cast<int>(std::lround(std::fmod(rotation, 360.0) * 10.0));
  return (tenths % kFullTurn + kFullTurn) % kFullTurn;
}

// The direction of a baseline running from one device point to another (y grows
// downwards), in degrees counter-clockwise.
double directionOf(DevicePoint from, DevicePoint to) {
  return degrees(std::atan2(from.y - to.y, to.x - from.x));
}

}  // namespace

DXFText::DXFText() = default;

DXFText::DXFText(double x, double y, const char* text, double height, double rotation,
                 const Layer* layer)
    : DXFGeometrie(layer),
      x_(x),
      y_(y),
      x2_(x),
      y2_(y),
      height_(height),
      rotation_(rotation),
      vAlign_(kVAlignTop),
      hasAlignment_(1) {
  setText(text ? text : "");
}

DXFText::DXFText(const DXFText& other)
    : DXFGeometrie(other),
      x_(other.x_),
      y_(other.y_),
      z_(other.z_),
      x2_(other.x2_),
      y2_(other.y2_),
      z2_(other.z2_),
      height_(other.height_),
      widthFactor_(other.widthFactor_),
      rotation_(other.rotation_),
      vAlign_(other.vAlign_),
      hAlign_(other.hAlign_),
      hasAlignment_(other.hasAlignment_),
      generation_(other.generation_),
      styleName_(other.styleName_),
      oblique_(other.oblique_),
      obliqueOwn_(other.obliqueOwn_),
      bold_(other.bold_),
      italic_(other.italic_),
      mtext_(other.mtext_),
      attribute_(other.attribute_),
      attributeFlags_(other.attributeFlags_) {
  setColourNumber(other.colourNumber_);
  setText(other.text_);
}

void DXFText::setText(std::string text) {
  if (text.size() > kMaxTextLength) text.resize(kMaxTextLength);
  std::replace(text.begin(), text.end(), '\n', ' ');
  text_ = std::move(text);
}

void DXFText::setAlignment(HAlignCode hAlign, VAlignCode vAlign) {
  hAlign_ = hAlign;
  vAlign_ = vAlign;
  hasAlignment_ = 1;
}

const char* DXFText::typeName() const { return "TEXT"; }

void DXFText::stretchX(double c, double d) {
  x_ = stretchValue(x_, c, d);
  x2_ = stretchValue(x2_, c, d);
}

void DXFText::stretchY(double c, double d) {
  y_ = stretchValue(y_, c, d);
  y2_ = stretchValue(y2_, c, d);
}

void DXFText::moveX(double d) {
  x_ += d;
  x2_ += d;
}

void DXFText::moveY(double d) {
  y_ += d;
  y2_ += d;
}

void DXFText::scaleX(double k, double b) {
  x_ = k * x_ + b;
  x2_ = k * x2_ + b;
}

void DXFText::scaleY(double k, double b) {
  y_ = k * y_ + b;
  y2_ = k * y2_ + b;
}

void DXFText::scaleAcrossY(double k) {
  if (!(k > 0.0) || !std::isfinite(k)) return;
  scaleY(k, 0.0);
  const double turn = rotation_ * std::numbers::pi / 180.0;
  const double alongX = std::cos(turn);
  const double alongY = k * std::sin(turn);
  // The baseline's unit length after the stretch, and the height across it: the stretch
  // multiplies areas by k.
  const double along = std::hypot(alongX, alongY);
  const double across = k / along;
  const double factor = widthFactor_ > 0.0 && std::isfinite(widthFactor_) ? widthFactor_ : 1.0;
  rotation_ = std::atan2(alongY, alongX) * 180.0 / std::numbers::pi;
  height_ *= across;
  widthFactor_ = factor * along / across;
}

void DXFText::scaleXY(double k, double bx, double by) {
  scaleX(k, bx);
  scaleY(k, by);
}

void DXFText::transform(double s, double a, double dx, double dy, double) {
  transformPoint(x_, y_, s, a, dx, dy);
  if (hasAlignment_) {
    transformPoint(x2_, y2_, s, a, dx, dy);
  } else {
    x2_ = x_;
    y2_ = y_;
  }
  // Turned, then mirrored top to bottom for a negative scale, like the points: the
  // letters, following their baseline, then stand on their heads.
  rotation_ = s < 0 ? -(rotation_ + a) : rotation_ + a;
  if (s < 0) generation_ ^= kUpsideDown;
  height_ *= std::fabs(s);
}

bool DXFText::fillsItsSpan() const {
  return hasAlignment_ && (hAlign_ == kHAlignAligned || hAlign_ == kHAlignFit);
}

TextHAlign DXFText::anchorHAlign(int hAlign) {
  if (hAlign == kHAlignCentre || hAlign == kHAlignMiddle) return TextHAlign::Centre;
  if (hAlign == kHAlignRight) return TextHAlign::Right;
  return TextHAlign::Left;
}

TextVAlign DXFText::anchorVAlign(int hAlign, int vAlign) {
  if (hAlign == kHAlignMiddle) return TextVAlign::Middle;
  if (hAlign == kHAlignAligned || hAlign == kHAlignFit) return TextVAlign::Baseline;
  if (vAlign == kVAlignBottom) return TextVAlign::Bottom;
  if (vAlign == kVAlignTop) return TextVAlign::Top;
  // A middle text is drawn from its baseline below the anchor (drawnAnchor).
  return TextVAlign::Baseline;
}

void DXFText::takeStyle(bool bold, bool italic, double obliqueDegrees) {
  bold_ = bold;
  italic_ = italic;
  if (!obliqueOwn_ && std::isfinite(obliqueDegrees)) oblique_ = obliqueDegrees;
}

double DXFText::drawnDirection() const {
  return (generation_ & kBackward) != 0 ? rotation_ + 180.0 : rotation_;
}

bool DXFText::isMirrored() const {
  return ((generation_ & kBackward) != 0) != ((generation_ & kUpsideDown) != 0);
}

WorldPoint DXFText::drawnAnchor() const {
  const bool middle = hasAlignment_ && vAlign_ == kVAlignMiddle && hAlign_ >= kHAlignLeft &&
                      hAlign_ <= kHAlignRight;
  if (!middle) return {x2_, y2_};
  // The letters' top lies below the baseline of an upside-down text.
  const double up = radians(rotation_ + ((generation_ & kUpsideDown) != 0 ? -90.0 : 90.0));
  return {x2_ - std::cos(up) * height_ / 2.0, y2_ - std::sin(up) * height_ / 2.0};
}

TextStyle DXFText::styleFor(double pixelHeight, int weight) const {
  TextStyle style;
  style.face = "Arial";
  style.pixelHeight = pixelHeight;
  style.widthScale = widthFactor_ > 0.0 && std::isfinite(widthFactor_) ? widthFactor_ : 1.0;
  style.escapementTenths = escapementOf(drawnDirection());
  style.mirrored = isMirrored();
  style.weight = bold_ ? std::max(weight, kBoldWeight) : weight;
  style.italic = italic_;
  style.obliqueDegrees = oblique_;
  style.hAlign = anchorHAlign(hAlign_);
  style.vAlign = anchorVAlign(hAlign_, vAlign_);
  return style;
}

void DXFText::output(DeviceContext& dc, DevicePoint first, DevicePoint second,
                     TextStyle style) const {
  DevicePoint anchor = second;
  if (fillsItsSpan()) {
    anchor = first;
    const double span = std::hypot(second.x - first.x, second.y - first.y);
    // Both points on one pixel: the text keeps its own size and direction.
    if (span >= 1.0) {
      style.fit = hAlign_ == kHAlignAligned ? TextFit::Aligned : TextFit::Stretched;
      style.fitWidth = span;
      style.escapementTenths = escapementOf(directionOf(first, second));
    }
  }
  if (!std::isfinite(anchor.x) || !std::isfinite(anchor.y)) return;
  dc.text_out(anchor.x, anchor.y, text_.c_str(), style);
}

void DXFText::draw(DrawingArea& area, double s, double dx, double dy, double a) const {
  if (!visible_) return;
  DeviceContext& dc = area.device_context();
  const double unitsPerPixel = dc.y_factor();
  if (!(unitsPerPixel > 0.0)) return;
  const double pixels = std::min(s * height_ / unitsPerPixel, kMaxPixelHeight);
  if (!(pixels >= 1.0)) return;
  const WorldPoint anchor = drawnAnchor();
  const WorldPoint first = place(x_, y_, s, a, dx, dy);
  const WorldPoint second = place(anchor.x, anchor.y, s, a, dx, dy);
  // The text colour goes to the device context, which the cached pen of the drawing area
  // need not share, so it is set every time and the cache is made to set its pen afresh.
  dc.set_foreground_color(colour_);
  dc.set_background_color("#FFFFFF");
  resetPenCache();
  output(dc, dc.wc_to_dc(first.x, first.y), dc.wc_to_dc(second.x, second.y),
         styleFor(pixels, kRegularWeight));
}

void DXFText::drawOnDevice(DeviceContext& dc, double s, double minX, double minY, double maxX,
                           double maxY, double dx, double dy, double a) const {
  if (!visible_) return;
  const double k = fitFactor(dc, minX, minY, maxX, maxY);
  const double pixels = std::min(k * s * height_, kMaxPixelHeight);
  if (!(pixels >= 1.0)) return;
  auto device = [&](double x, double y) {
    const WorldPoint p = place(x, y, s, a, dx, dy);
    return DevicePoint{std::trunc(k * (p.x - minX)), std::trunc(k * (maxY - p.y))};
  };
  dc.set_foreground_color("#000000");
  dc.set_background_color("#FFFFFF");
  resetPenCache();
  const WorldPoint anchor = drawnAnchor();
  output(dc, device(x_, y_), device(anchor.x, anchor.y), styleFor(pixels, kBoldWeight));
}

template <class Self>
std::array<RealGroupOf<Self>, 4> DXFText::placementGroups(Self& text) {
  return {{{10, &text.x_}, {20, &text.y_}, {30, &text.z_}, {40, &text.height_}}};
}

template <class Self>
std::array<RealGroupOf<Self>, 2> DXFText::styleGroups(Self& text) {
  return {{{50, &text.rotation_}, {41, &text.widthFactor_}}};
}

template <class Self>
std::array<RealGroupOf<Self>, 3> DXFText::alignmentGroups(Self& text) {
  return {{{11, &text.x2_}, {21, &text.y2_}, {31, &text.z2_}}};
}

int DXFText::readGroups(DxfLineReader& in) {
  setColourNumber("256");
  hasAlignment_ = 0;
  x2_ = y2_ = z2_ = 0.0;
  rotation_ = 0.0;
  height_ = 10.0;
  widthFactor_ = 1.0;
  hAlign_ = 0;
  vAlign_ = 0;
  generation_ = 0;
  styleName_.clear();
  oblique_ = 0.0;
  obliqueOwn_ = false;
  std::string value;
  std::string continuation;
  // An MTEXT's attachment point, a TEXT's or ATTRIB's generation flags.
  int attachment = 0;
  Extrusion extrusion;
  // From group 101 on, an MTEXT (or an attribute) carries an embedded object whose groups
  // would overwrite the text's own position, height, line spacing, attachment and flags;
  // the text's own groups all come before it.
  bool embeddedObject = false;
  MTextFrame frame;
  MTextColumnsReader columns;
  // An MTEXT's own groups follow its subclass marker (or, in files without markers, its
  // insertion point); group 48 there is its column width, before them the linetype scale.
  bool ownGroups = false;
  const auto ownsGroup = [&](int code) { return mtext_ && ownGroups && code == kColumnWidthGroup; };
  const int result = readGroupLoop(
      in, kEndOfFile, true,
      [&](int code, DxfLineReader& input) {
        if (code == 10) ownGroups = true;
        if (code == 101) embeddedObject = true;
        if (mtext_ && columns.take(code, input, embeddedObject)) return true;
        if (embeddedObject) return false;
        if (mtext_ && (code == 41 || code == 44)) {
          (code == 41 ? frame.referenceWidth : frame.lineSpacingFactor) = readDouble(input);
          return true;
        }
        if (readListedGroup(input, code, placementGroups(*this)) ||
            readListedGroup(input, code, styleGroups(*this)) ||
            readListedGroup(input, code, alignmentGroups(*this))) {
          return true;
        }
        switch (code) {
          case 1: value.assign(mtext_ ? input.readChunkLine() : input.readTextLine()); return true;
          case 3: appendCapped(continuation, input.readChunkLine()); return true;
          case 70:
            if (!attribute_) return false;
            attributeFlags_ = readInt(input);
            return true;
          case 71: attachment = readInt(input); return true;
          case 7: styleName_ = input.readLine(); return true;
          case 51: {
            const double oblique = readDouble(input);
            if (!mtext_ && std::isfinite(oblique)) {
              oblique_ = oblique;
              obliqueOwn_ = true;
            }
            return true;
          }
          case 72:
            hAlign_ = readInt(input);
            hasAlignment_ = 1;
            return true;
          case 73:
          case 74:
            // Text takes the vertical alignment from 73, an attribute from 74.
            if ((code == 74) != attribute_) return false;
            vAlign_ = readInt(input);
            hasAlignment_ = 1;
            return true;
          case 100:
            if (std::strcmp(input.readLine(), "AcDbMText") == 0) mtext_ = ownGroups = true;
            return true;
          case 210:
          case 220:
          case 230: return extrusion.take(code, readDouble(input));
          default: return false;
        }
      },
      ownsGroup);
  if (result < 0) return result;
  // A TEXT lies in the plane of its extrusion direction; an MTEXT gives world points.
  if (!mtext_ && !extrusion.isWorld()) {
    extrusion.toWorld(x_, y_, z_);
    if (!(nearZero(x2_) && nearZero(y2_))) extrusion.toWorld(x2_, y2_, z2_);
    rotation_ = extrusion.angleToWorld(rotation_);
  }
  if (!mtext_) {
    generation_ = attachment & (kBackward | kUpsideDown);
    // Seen from above, a text in a plane seen from below is a mirror image: its letters
    // stand on their heads along the baseline brought into the world.
    if (extrusion.mirrors()) generation_ ^= kUpsideDown;
  }
  if (mtext_) {
    appendCapped(continuation, value.c_str());
    // The direction vector is a world direction; a rotation lies in the text's plane.
    const bool hasDirection = !(nearZero(x2_) && nearZero(y2_));
    if (!extrusion.isWorld() && !hasDirection && !nearZero(rotation_)) {
      rotation_ = extrusion.angleToWorld(rotation_);
    }
    frame.mirrored = extrusion.mirrors();
    frame.attachment = attachment;
    frame.columns = columns.columns();
    takeMTextValue(std::move(continuation), std::move(frame));
  } else {
    if (utf8_) value = TextCodes::windows1252FromUtf8(value);
    setText(TextCodes::decodeSpecials(value));
  }
  finishReading(attachment);
  deriveColour();
  return 0;
}

void DXFText::takeMTextValue(std::string value, MTextFrame frame) {
  if (utf8_) value = TextCodes::windows1252FromUtf8(value);
  MTextFormat initial;
  initial.height = height_ > 0.0 && std::isfinite(height_) ? height_ : 1.0;
  frame.paragraphs = MTextRuns::parse(value, initial);
  std::string joined;
  for (MTextParagraph& paragraph : frame.paragraphs) {
    for (MTextPiece& piece : paragraph.pieces) piece.text = TextCodes::decodeSpecials(piece.text);
    if (!joined.empty()) joined += ' ';
    joined += MTextRuns::plainText(paragraph);
  }
  setText(joined);
  const double width = frame.referenceWidth;
  frame.referenceWidth = std::isfinite(width) && width > 0.0 ? width : 0.0;
  const double spacing = frame.lineSpacingFactor;
  frame.lineSpacingFactor = std::isfinite(spacing) && spacing > 0.0 ? spacing : 1.0;
  if (frame.attachment < 1 || frame.attachment > 9) frame.attachment = 1;
  // Columns without a width of their own are as wide as the text.
  if (!(frame.columns.width > 0.0)) frame.columns.width = frame.referenceWidth;
  frame_ = std::make_shared<const MTextFrame>(std::move(frame));
}

std::unique_ptr<DXFText> DXFText::mtextPiece(std::string text, double x, double y,
                                             HAlignCode anchor, const MTextFormat& format) const {
  auto piece = std::make_unique<DXFText>(*this);
  piece->mtext_ = false;
  piece->setText(std::move(text));
  piece->x_ = piece->x2_ = x;
  piece->y_ = piece->y2_ = y;
  piece->z2_ = z_;
  piece->height_ = format.height;
  piece->widthFactor_ = format.widthFactor;
  piece->generation_ = frame_ && frame_->mirrored ? kUpsideDown : 0;
  piece->bold_ = format.bold;
  piece->italic_ = format.italic;
  piece->oblique_ = format.obliqueDegrees;
  piece->obliqueOwn_ = true;
  piece->hAlign_ = anchor;
  piece->vAlign_ = kVAlignBaseline;
  piece->hasAlignment_ = anchor != kHAlignLeft ? 1 : 0;
  return piece;
}

void DXFText::finishReading(int attachment) {
  if (mtext_) {
    // Groups 11/21 of an MTEXT are its direction vector, 72 and 73 its drawing direction
    // and line spacing; the anchor comes from the attachment point (71: 1 top left to 9
    // bottom right, top left when missing).
    if (!(nearZero(x2_) && nearZero(y2_))) rotation_ = degrees(std::atan2(y2_, x2_));
    if (attachment < 1 || attachment > 9) attachment = 1;
    hAlign_ = (attachment - 1) % 3;
    static constexpr VAlignCode kRowAlign[] = {kVAlignTop, kVAlignMiddle, kVAlignBottom};
    vAlign_ = kRowAlign[(attachment - 1) / 3];
    hasAlignment_ = 1;
    x2_ = x_;
    y2_ = y_;
    z2_ = z_;
  } else if (nearZero(x2_) && nearZero(y2_)) {
    x2_ = x_;
    y2_ = y_;
    z2_ = z_;
  }
  if (!(hasAlignment_ && (hAlign_ != kHAlignLeft || vAlign_ != kVAlignBaseline))) {
    hasAlignment_ = 0;
    x2_ = x_;
    y2_ = y_;
    z2_ = z_;
  }
}

int DXFText::writeGroups(std::ostream& out) const {
  writeHead(out, true);
  writeListedGroups(out, placementGroups(*this));
  // A text with many special characters may grow beyond one value line when encoded.
  out << "  1\n" << TextCodes::valueLine(TextCodes::encodeSpecials(text_)) << '\n';
  writeListedGroups(out, styleGroups(*this));
  if (oblique_ != 0.0) out << " 51\n" << oblique_ << '\n';
  if (!styleName_.empty()) out << "  7\n" << styleName_ << '\n';
  if (generation_ != 0) out << " 71\n" << generation_ << '\n';
  if (hasAlignment_) {
    out << " 72\n" << hAlign_ << "\n 73\n" << vAlign_ << '\n';
    writeListedGroups(out, alignmentGroups(*this));
  }
  writeEnd(out);
  return 0;
}
