// The texts of complex linetypes as TEXT entities, for files that cannot hold such linetypes.
#include "document/LinetypeTexts.h"

#include <cmath>
#include <cstring>
#include <limits>

#include "document/Polylinie.h"
#include "entities/Spline.h"
#include "entities/PatternTextPlacement.h"

namespace {

// Circles, arcs and ellipses are followed along this many chords: a text's place along a chord
// differs from its place on the curve by less than a ten-thousandth of the radius.
constexpr int kCurveChords = 720;

// The path the pen strokes in one go, in drawing units, upside down (y downwards) as the
// placement expects it; empty for kinds that carry no linetype.
std::vector<DevicePoint> strokedPath(const DXFGeometrie& entity) {
  const char* kind = entity.typeName();
  std::vector<DevicePoint> path;
  if (std::strcmp(kind, "SPLINE") == 0) {
    // The polyline the spline is saved as, along which its pattern runs on.
    for (const WorldPoint& p : static_cast<const Spline&>(entity).savedPoints()) {
      path.push_back({p.x, -p.y});
    }
    return path;
  }
  int chords = 0;
  if (std::strcmp(kind, "LINE") == 0) {
    chords = 1;
  } else if (std::strcmp(kind, "CIRCLE") == 0 || std::strcmp(kind, "ARC") == 0 ||
             std::strcmp(kind, "ELLIPSE") == 0) {
    // pointAt runs from the start, counter-clockwise, the way the curve is stroked.
    chords = kCurveChords;
  }
  for (int i = 0; chords > 0 && i <= chords; ++i) {
    const Punkt p = entity.pointAt(static_cast<double>(i) / chords);
    path.push_back({p.x(), -p.y()});
  }
  return path;
}

}  // namespace

LinetypeTexts::LinetypeTexts(LinePatterns patterns) : patterns_(std::move(patterns)) {}

std::vector<DXFText> LinetypeTexts::along(const DXFGeometrie& entity) const {
  // Most saved objects carry no texts: their curves are not followed at all.
  if (!carriesTexts(entity)) return {};
  return placed(entity, strokedPath(entity));
}

bool LinetypeTexts::carriesTexts(const DXFGeometrie& looks) const {
  return !looks.markedInvisible() && patterns_.texts(looks.drawnLinetypeName()) != nullptr;
}

std::vector<DXFText> LinetypeTexts::placed(const DXFGeometrie& entity,
                                           const std::vector<DevicePoint>& path) const {
  std::vector<DXFText> written;
  if (path.size() < 2) return written;
  const char* linetype = entity.drawnLinetypeName();
  const std::vector<double>* pattern = patterns_.find(linetype);
  if (!pattern) return written;
  const double scale = patterns_.scale() * entity.linetypeScale();
  const std::vector<PatternText> texts = patterns_.scaledTexts(linetype, scale);
  if (texts.empty()) return written;
  double period = 0.0;
  for (const double element : *pattern) period += std::fabs(element) * scale;
  for (const PlacedPatternText& place : placePatternTexts(
           path, 0.0, period, texts, kMaxTextsPerLine, std::numeric_limits<double>::min())) {
    DXFText& text = written.emplace_back(place.anchor.x, -place.anchor.y, place.text->text.c_str(),
                                         place.text->height, place.degrees);
    text.takeAllAttributesOf(entity);
    text.setAlignment(DXFText::kHAlignLeft, DXFText::kVAlignBaseline);
  }
  return written;
}

std::vector<DXFText> LinetypeTexts::along(const Polylinie& polyline) const {
  if (!carriesTexts(polyline.looks())) return {};
  if (const std::vector<WorldPoint> path = polyline.continuousPath(); !path.empty()) {
    std::vector<DevicePoint> upsideDown;
    for (const WorldPoint& p : path) upsideDown.push_back({p.x, -p.y});
    return placed(polyline.looks(), upsideDown);
  }
  std::vector<DXFText> written;
  for (int i = 0; i < polyline.segmentCount(); ++i) {
    std::vector<DXFText> texts = along(*polyline.segmentAt(i));
    for (DXFText& text : texts) written.push_back(std::move(text));
  }
  return written;
}
