// Base of every drawable entity: shared attributes, the virtual operations, pen cache.
#include "entities/DXFGeometrie.h"

#include <strings.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <string_view>

#include "dxf/ColourIndex.h"
#include "dxf/InternedNames.h"
#include "entities/Punkt.h"
#include "entities/QuarterTurns.h"

// A drawing holds millions of entities: a field added to the base costs every one of them.
static_assert(sizeof(DXFGeometrie) <= 72, "the entity base grew");

thread_local std::uint16_t DXFGeometrie::penStyleCache_ = 0;
thread_local char DXFGeometrie::penColourCache_[kColourSize] = "#000000";
thread_local const char* DXFGeometrie::penPatternNameCache_ = nullptr;
thread_local const LinePatterns* DXFGeometrie::penPatternTableCache_ = nullptr;
thread_local double DXFGeometrie::penPatternScaleCache_ = 0.0;
thread_local double DXFGeometrie::penWidthCache_ = LineWeight::kThinPixels;

namespace {

// Line style and colour that no layer or entity produces, so the next draw sets both.
constexpr std::uint16_t kResetStyle = 111;
constexpr const char* kResetColour = "#0F0F0F";
// The pattern cache's name for a pen set solid whatever the linetype.
constexpr const char* kSolidPenName = "\x01solid";

bool sameLetters(std::string_view text, const char* name) {
  return text.size() == std::strlen(name) && strncasecmp(text.data(), name, text.size()) == 0;
}

bool isUnsetColour(const char* colour) {
  return std::strcmp(colour, "BYBLOCK") == 0 || std::strcmp(colour, "BYLAYER") == 0 ||
         std::strcmp(colour, "256") == 0 || colour[0] == '\0' ||
         std::strcmp(colour, "#000000") == 0;
}

}  // namespace

DXFGeometrie::DXFGeometrie() {
  copyField(colourNumber_, "256");
  copyField(colour_, "BYLAYER");
}

DXFGeometrie::DXFGeometrie(const DXFGeometrie& other)
    : layer_(other.layer_),
      layerName_(other.layerName_),
      linetype_(other.linetype_),
      linetypeScale_(other.linetypeScale_),
      lineStyleCode_(other.lineStyleCode_),
      lineWeight_(other.lineWeight_),
      ownColour_(false),
      visible_(other.visible_),
      paperSpace_(other.paperSpace_),
      markedInvisible_(other.markedInvisible_) {
  copyField(colourNumber_, "256");
  copyField(colour_, other.colour_);
}

DXFGeometrie::DXFGeometrie(const Layer* layer) : DXFGeometrie() {
  if (!layer) return;
  layer_ = layer;
  setLayerName(layer->name());
  copyField(colour_, layer->colour());
  lineStyleCode_ = static_cast<std::uint16_t>(layer->lineStyleCode());
  visible_ = layer->visible();
}

int DXFGeometrie::touchesWindow(double, double, double, double) const { return 1; }
void DXFGeometrie::stretchX(double, double) {}
void DXFGeometrie::stretchY(double, double) {}
void DXFGeometrie::moveX(double) {}
void DXFGeometrie::moveY(double) {}
void DXFGeometrie::scaleX(double, double) {}
void DXFGeometrie::scaleY(double, double) {}

void DXFGeometrie::scaleXY(double k, double bx, double by) {
  scaleX(k, bx);
  scaleY(k, by);
}

void DXFGeometrie::transform(double, double, double, double, double) {}
void DXFGeometrie::draw(DrawingArea&, double, double, double, double) const {}
void DXFGeometrie::drawOnDevice(DeviceContext&, double, double, double, double, double, double,
                                double, double) const {}

Punkt DXFGeometrie::pointAt(double) const { return Punkt(0.0, 0.0); }
double DXFGeometrie::parameterOf(const Punkt&, const void*) const { return -1.0; }
double DXFGeometrie::distanceTo(const Punkt&) const { return -1.0; }
Punkt DXFGeometrie::maxCorner() const { return pointAt(0.0); }
Punkt DXFGeometrie::minCorner() const { return pointAt(0.0); }
int DXFGeometrie::intersectCircle(const Kreis&, Punkt&, Punkt&) const { return -1; }
int DXFGeometrie::intersectArc(const Kreisbogen&, Punkt&, Punkt&) const { return -1; }
int DXFGeometrie::intersectLine(const Linie&, Punkt&, Punkt&) const { return -1; }

void DXFGeometrie::assignLayer(const Layer* layer) {
  const bool hadLayer = layer_ != nullptr;
  layer_ = layer;
  if (!layer) return;
  setLayerName(layer->name());
  if (hadLayer) {
    if (!ownColour_) copyField(colour_, layer->colour());
  } else if (isUnsetColour(colour_)) {
    // Read as uncoloured (or black): black on a black layer counts as chosen on purpose.
    ownColour_ = std::strcmp(colour_, layer->colour()) == 0 ? 1 : 0;
    copyField(colour_, layer->colour());
  } else {
    ownColour_ = 1;
  }
  lineStyleCode_ = static_cast<std::uint16_t>(*linetype_ ? Layer::lineStyleOfLinetype(linetype_)
                                                         : layer->lineStyleCode());
  visible_ = layer->visible() && !paperSpace_ && !markedInvisible_;
}

int DXFGeometrie::attachLayer(const std::vector<Layer*>& layers) {
  return attachLayer(layers.begin(), layers.end());
}

void DXFGeometrie::setLayerName(const char* name) {
  layerName_ = internedField(name, kLayerNameSize);
}

void DXFGeometrie::takeAttributesOf(const DXFGeometrie& other) {
  layer_ = other.layer_;
  layerName_ = other.layerName_;
  copyField(colourNumber_, other.colourNumber_);
  copyField(colour_, other.colour_);
  lineStyleCode_ = other.lineStyleCode_;
  ownColour_ = other.ownColour_;
  visible_ = other.visible_;
  paperSpace_ = other.paperSpace_;
  markedInvisible_ = other.markedInvisible_;
  linetype_ = other.linetype_;
  lineWeight_ = other.lineWeight_;
}

void DXFGeometrie::setColour(const char* colour) { copyField(colour_, colour); }
void DXFGeometrie::setColourNumber(const char* number) { copyField(colourNumber_, number); }

const char* DXFGeometrie::colourOfNumber(int number) {
  if (number == 0) return "BYBLOCK";
  if (number == 256) return "BYLAYER";
  return Layer::colourOfNumber(number);
}

void DXFGeometrie::deriveColour() {
  if (trueColour_ >= 0) {
    char text[8];
    ColourIndex::formatRgb(static_cast<ColourIndex::Rgb>(trueColour_), text);
    copyField(colour_, text);
    return;
  }
  copyField(colour_, colourOfNumber(parseInt(colourNumber_)));
}

void DXFGeometrie::takeLooks(const char* colourNumber, std::int32_t trueColour,
                             const char* linetype, double linetypeScale) {
  copyField(colourNumber_, colourNumber);
  trueColour_ = trueColour;
  setLinetypeName(linetype);
  linetypeScale_ = linetypeScale;
  deriveColour();
}

namespace {

std::int16_t defaultWeightOf(const LinePatterns* patterns) {
  return patterns ? patterns->defaultLineWeight() : LineWeight::kStandardDefault;
}

}  // namespace

template <class Target>
void DXFGeometrie::selectWidth(Target& target, double pixels) {
  if (pixels == penWidthCache_) return;
  target.set_line_width(pixels);
  penWidthCache_ = pixels;
}

void DXFGeometrie::selectLineWidth(DrawingArea& area) const {
  const DeviceContext& dc = area.device_context();
  selectWidth(area, dc.lineWeightPixels(drawnLineWeight(), defaultWeightOf(area.linePatterns())));
}

void DXFGeometrie::selectLineWidth(DeviceContext& dc) const {
  selectWidth(dc, dc.lineWeightPixels(drawnLineWeight(), defaultWeightOf(dc.linePatterns())));
}

template <class Target>
void DXFGeometrie::selectSolidPen(Target& target) {
  if (penStyleCache_ != Layer::kSolid) {
    target.set_line_style(Layer::kSolid);
    penStyleCache_ = Layer::kSolid;
  }
  if (penPatternNameCache_ != kSolidPenName) {
    target.set_dash_pattern({});
    target.set_pattern_texts({});
    penPatternNameCache_ = kSolidPenName;
    penPatternTableCache_ = nullptr;
    penPatternScaleCache_ = 0.0;
  }
  selectWidth(target, LineWeight::kThinPixels);
}

void DXFGeometrie::strokePolyline(DrawingArea& area, const WorldPoint* points, int count) const {
  if (!visible_ || count < 2) return;
  selectPen(area);
  area.wc_polyline(points, count);
}

void DXFGeometrie::strokePolylineOnDevice(DeviceContext& dc, const DevicePoint* points,
                                          int count) const {
  if (!visible_ || count < 2) return;
  dc.set_orientation(DeviceContext::kLineOrientation);
  selectPen(dc);
  dc.polyline(points, count);
}

void DXFGeometrie::fillPolygon(DrawingArea& area, const WorldPoint* points, int count) const {
  if (!visible_) return;
  selectSolidPen(area);
  selectColour(area);
  area.set_drawing_background(colour_);
  area.wc_fill_polygon(points, count);
  // Whatever is drawn next expects the white background again.
  area.set_drawing_background("#FFFFFF");
}

void DXFGeometrie::fillPolygonOnDevice(DeviceContext& dc, const DevicePoint* points,
                                       int count) const {
  if (!visible_) return;
  selectSolidPen(dc);
  if (std::strcmp(colour_, penColourCache_) != 0) {
    dc.set_foreground_color(colour_);
    copyField(penColourCache_, colour_);
  }
  dc.set_background_color(colour_);
  dc.set_background_mode(DeviceContext::kOpaqueBackground);
  dc.polygon(points, count);
  dc.set_fill_style(DeviceContext::kHollowFill);
}

std::int16_t DXFGeometrie::drawnLineWeight() const {
  if (lineWeight_ >= 0) return lineWeight_;
  if (lineWeight_ == LineWeight::kByLayer && layer_ && layer_->lineWeight() >= 0) {
    return layer_->lineWeight();
  }
  return LineWeight::kDefault;
}

const char* DXFGeometrie::drawnLinetypeName() const {
  if (*linetype_) return linetype_;
  return layer_ ? layer_->linetypeName() : "";
}

bool DXFGeometrie::patternLengths(const LinePatterns* patterns,
                                  std::vector<double>& lengths) const {
  lengths.clear();
  const std::vector<double>* pattern = patterns ? patterns->find(drawnLinetypeName()) : nullptr;
  if (!pattern) return false;
  const double scale = patterns->scale() * linetypeScale_;
  for (const double element : *pattern) lengths.push_back(element * scale);
  return true;
}

template <class Target>
void DXFGeometrie::selectPattern(Target& target, const LinePatterns* patterns,
                                 double pixelsPerUnit) const {
  const char* name = drawnLinetypeName();
  const double scale = linetypeScale_ * pixelsPerUnit;
  if (name == penPatternNameCache_ && patterns == penPatternTableCache_ &&
      scale == penPatternScaleCache_) {
    return;
  }
  std::vector<double> lengths;
  const bool patterned = patternLengths(patterns, lengths);
  for (double& length : lengths) length *= pixelsPerUnit;
  target.set_dash_pattern(lengths);
  target.set_pattern_texts(patterned ? patterns->scaledTexts(name, patterns->scale() * scale)
                                     : std::vector<PatternText>());
  penPatternNameCache_ = name;
  penPatternTableCache_ = patterns;
  penPatternScaleCache_ = scale;
}

void DXFGeometrie::resetPenCache() {
  penStyleCache_ = kResetStyle;
  copyField(penColourCache_, kResetColour);
  penPatternNameCache_ = nullptr;
  penPatternTableCache_ = nullptr;
  penPatternScaleCache_ = 0.0;
  // No width: the next pen sets its width afresh.
  penWidthCache_ = -1.0;
}

int DXFGeometrie::readInt(DxfLineReader& in) { return parseInt(in.readLine()); }

WorldPoint DXFGeometrie::place(double x, double y, double s, double a, double dx, double dy) {
  const auto [c, n] = cosSinOfDegrees(a);
  return {(c * x - n * y) * s + dx, (n * x + c * y) * s + dy};
}

void DXFGeometrie::transformPoint(double& x, double& y, double s, double a, double dx, double dy) {
  const auto [c, n] = cosSinOfDegrees(a);
  const double placedX = (c * x - n * y) * (s < 0 ? -s : s) + dx;
  y = (n * x + c * y) * s + dy;
  x = placedX;
}

double DXFGeometrie::fitFactor(const DeviceContext& dc, double minX, double minY, double maxX,
                               double maxY) {
  const double kx = dc.width_resolution() / (maxX - minX);
  const double ky = dc.height_resolution() / (maxY - minY);
  const double k = std::min(kx, ky);
  // An empty or absurd window has no fit; everything collapses onto its corner.
  return std::isfinite(k) ? k : 0.0;
}

double DXFGeometrie::stretchValue(double v, double c, double d) { return v > c ? v + d : v; }

double DXFGeometrie::stretchClamped(double v, double c, double d) {
  if (!(v > c)) return v;
  return v + d < c ? c : v + d;
}

void DXFGeometrie::selectPen(DrawingArea& area) const {
  if (lineStyleCode_ != penStyleCache_) {
    area.set_line_style(lineStyleCode_);
    penStyleCache_ = lineStyleCode_;
  }
  selectPattern(area, area.linePatterns(), 1.0);
  selectLineWidth(area);
  selectColour(area);
}

void DXFGeometrie::selectPen(DeviceContext& dc) const {
  if (lineStyleCode_ != penStyleCache_) {
    dc.set_line_style(lineStyleCode_);
    penStyleCache_ = lineStyleCode_;
  }
  selectPattern(dc, dc.linePatterns(), dc.patternPixelsPerUnit());
  selectLineWidth(dc);
  if (std::strcmp(colour_, penColourCache_) != 0) {
    dc.set_foreground_color(colour_);
    copyField(penColourCache_, colour_);
  }
}

void DXFGeometrie::selectColour(DrawingArea& area) const {
  if (std::strcmp(colour_, penColourCache_) != 0) {
    area.set_drawing_foreground(colour_);
    copyField(penColourCache_, colour_);
  }
}

DXFGeometrie::PixelCircle DXFGeometrie::pixelCircle(const DrawingArea& area, WorldPoint centre,
                                                    double radius) {
  PixelCircle pixels;
  pixels.centre = area.wc_to_dc(centre.x, centre.y);
  pixels.radiusPoint = area.wc_to_dc(radius, radius);
  pixels.origin = area.wc_to_dc(0.0, 0.0);
  pixels.radius = pixels.radiusPoint.x - pixels.origin.x;
  const PixelSize size = area.container_size();
  const PixelPosition position = area.position_in_container();
  const double margin = std::fabs(1.1 * pixels.radius);
  const double x = pixels.centre.x + position.x;
  const double y = pixels.centre.y + position.y;
  // A circle of infinite or undefined numbers has nothing to show.
  pixels.visible = std::isfinite(margin) && std::isfinite(x) && std::isfinite(y) && -margin < x &&
                   x < size.width + margin && -margin < y && y < size.height + margin;
  return pixels;
}

void DXFGeometrie::drawChords(DrawingArea& area, int n, double s, double dx, double dy,
                              double a) const {
  if (n < 1) return;
  std::vector<WorldPoint> points;
  points.reserve(static_cast<std::size_t>(n) + 1);
  for (int i = 0; i <= n; ++i) {
    const Punkt at = pointAt(static_cast<double>(i) / n);
    points.push_back(place(at.x(), at.y(), s, a, dx, dy));
  }
  area.wc_polyline(points.data(), static_cast<int>(points.size()));
}

void DXFGeometrie::writeHead(std::ostream& out, bool withColour, const char* asType) const {
  out << (asType ? asType : typeName()) << "\n  8\n" << layerName_ << '\n';
  if (*linetype_) out << "  6\n" << linetype_ << '\n';
  if (paperSpace_) out << " 67\n1\n";
  if (markedInvisible_) out << " 60\n1\n";
  // The colour number as read, so that an explicit colour survives even where the drawing
  // takes the layer's.
  if (withColour) {
    // A file of release 12 knows only the colour index: a true colour becomes the nearest.
    const int number = trueColour_ >= 0
                           ? ColourIndex::nearestIndex(static_cast<ColourIndex::Rgb>(trueColour_))
                           : parseInt(colourNumber_);
    if (number != kByLayer) out << " 62\n" << number << '\n';
  }
  if (linetypeScale_ != 1.0) out << " 48\n" << linetypeScale_ << '\n';
}

void DXFGeometrie::setLinetypeName(const char* name) {
  std::string_view text(name);
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (text.empty() || sameLetters(text, "BYLAYER")) {
    linetype_ = "";
    return;
  }
  linetype_ = internedName(text);
}

void DXFGeometrie::writeEnd(std::ostream& out) { out << "  0\n"; }
