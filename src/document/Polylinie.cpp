// A POLYLINE, LWPOLYLINE or LEADER: its vertices and the line and arc segments built from them.
#include "document/Polylinie.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <ostream>

#include "document/PolylineBands.h"
#include "entities/Solid.h"
#include "dxf/ColourIndex.h"

namespace {

// Vertices are gathered here while a polyline is read, then copied into the polyline's
// store at its final size. The buffer is kept from one polyline to the next, so gathering
// costs no allocation, unless it grew beyond this many vertices: then it is given back.
constexpr std::size_t kKeptGatherCapacity = 4096;

std::vector<Punkt>& gatherBuffer() {
  thread_local std::vector<Punkt> vertices;
  return vertices;
}

DXFGeometrie& asGeometry(std::variant<Linie, Kreisbogen, Ellipse>& segment) {
  return std::visit([](auto& kind) -> DXFGeometrie& { return kind; }, segment);
}

// Makes `list` anew as an item vector of growth step 10 whose `count` cells point at
// `objectAt(0)` .. `objectAt(count - 1)`.
template <class ObjectAt>
void pointAt(std::optional<AT_Vector>& list, std::size_t count, ObjectAt objectAt) {
  list.emplace(static_cast<int>(count), 10);
  for (std::size_t i = 0; i < count; ++i) {
    list->cellAt(static_cast<int>(i)).setRaw(objectAt(i), 0);
  }
}

}  // namespace

Polylinie::Polylinie() {
  copyField(layerName_, "LAYER");
  linkVertices();
  linkSegments();
}

Polylinie::Polylinie(const Polylinie& other)
    : vertexStore_(other.vertexStore_),
      segmentStore_(other.segmentStore_),
      flags_(other.flags_),
      paperSpace_(other.paperSpace_),
      trueColour_(other.trueColour_),
      linetype_(other.linetype_),
      linetypeScale_(other.linetypeScale_) {
  copyField(layerName_, other.layerName_);
  copyField(colourNumber_, other.colourNumber_);
  // Vertex order carries the bulges' meaning, so both lists keep their order.
  linkVertices();
  linkSegments();
}

void Polylinie::setLayerName(const char* name) { copyField(layerName_, name); }

bool Polylinie::isClosed() const {
  return (flags_ & kClosedFlag) != 0 || std::strcmp(layerName_, "SILHOUETTE") == 0 ||
         std::strcmp(layerName_, "REX_4") == 0;
}

int Polylinie::read(DxfLineReader& in) {
  flags_ = 0;
  extrusion_ = Extrusion();
  elevation_ = 0.0;
  copyField(colourNumber_, "256");
  trueColour_ = -1;
  linetype_.clear();
  linetypeScale_ = 1.0;
  defaultStartWidth_ = defaultEndWidth_ = constantWidth_ = -1.0;
  std::vector<Punkt>& vertices = gatherBuffer();
  vertices.clear();
  bool counted = false;
  int result = readHead(in, vertices, counted);
  // An LWPOLYLINE or LEADER (a vertex count was given) ends with its own groups; a
  // POLYLINE continues with VERTEX records.
  if (result == 0 && !counted) result = readVertexRecords(in, vertices);
  if (result == 0) {
    const bool tilted = inTiltedPlane();
    applyDefaultWidths(vertices);
    if (!tilted) verticesToWorld(vertices);
    addVertices(vertices);
    buildSegments();
    if (tilted) verticesToWorld(vertexStore_);
  }
  vertices.clear();
  if (vertices.capacity() > kKeptGatherCapacity) std::vector<Punkt>().swap(vertices);
  return result < 0 ? result : 0;
}

int Polylinie::readHead(DxfLineReader& in, std::vector<Punkt>& vertices, bool& counted) {
  bool layerSeen = false;
  long declared = 0;
  // Vertices whose pair has ended with its group 20; the vertex list is complete once the
  // declared count of them is reached.
  long completed = 0;
  // False while a pair beyond the declared count is passed over, so that its 20 and 42
  // groups leave the last vertex kept alone.
  bool pairKept = false;
  for (;;) {
    const int code = in.readGroupCode(GroupCodeVariant::Standard);
    if (in.eof()) return counted && completed < declared ? kEndOfFileVertex : kEndOfFileHead;
    if (code == 0) return 0;
    switch (code) {
      case 8:
        if (!layerSeen) {
          copyField(layerName_, in.readLine());
          layerSeen = true;
        } else {
          in.readLine();
        }
        break;
      case 70:
        // CAD programs write the flags after the vertex count; only vertex groups may not
        // hold them.
        if (vertices.empty()) {
          flags_ = parseInt(in.readLine());
        } else {
          in.readLine();
        }
        break;
      case 76:
      case 90:
        declared = parseInt(in.readLine());
        counted = true;
        break;
      case 10:
        // A vertex is made only when a pair for it comes: the declared count is a limit,
        // never an allocation.
        pairKept = counted && static_cast<long>(vertices.size()) < declared;
        if (pairKept) {
          vertices.emplace_back().setX(in.readReal());
        } else {
          in.readLine();
        }
        break;
      case 20:
        if (pairKept) {
          vertices.back().setY(in.readReal());
          completed = static_cast<long>(vertices.size());
        } else {
          in.readLine();
        }
        break;
      case 67:
        paperSpace_ = parseInt(in.readLine()) == 1;
        break;
      case 30:  // a POLYLINE's elevation, before its vertices
      case 38:  // an LWPOLYLINE's elevation
        if (vertices.empty()) {
          elevation_ = in.readReal();
        } else {
          in.readLine();
        }
        break;
      case 210:
      case 220:
      case 230:
        extrusion_.take(code, in.readReal());
        break;
      case 42:
        if (pairKept) {
          vertices.back().setBulge(in.readReal());
        } else {
          in.readLine();
        }
        break;
      case 40:
      case 41: {
        // Before the first vertex the defaults of a POLYLINE, after one an LWPOLYLINE
        // vertex's own widths.
        const double width = in.readReal();
        if (pairKept) {
          Punkt& vertex = vertices.back();
          if (code == 40) vertex.setWidths(width, vertex.endWidth());
          else vertex.setWidths(vertex.startWidth(), width);
        } else if (vertices.empty()) {
          (code == 40 ? defaultStartWidth_ : defaultEndWidth_) = width;
        }
        break;
      }
      case 43:
        constantWidth_ = in.readReal();
        break;
      case 62:
        copyField(colourNumber_, in.readLine());
        break;
      case 420:
        trueColour_ = static_cast<std::int32_t>(parseInt(in.readLine()) & 0xFFFFFF);
        break;
      case 6:
        linetype_ = in.readLine();
        break;
      case 48: {
        const double scale = in.readReal();
        linetypeScale_ = scale > 0.0 && std::isfinite(scale) ? scale : 1.0;
        break;
      }
      default:
        in.readLine();
        break;
    }
  }
}

int Polylinie::readVertexRecords(DxfLineReader& in, std::vector<Punkt>& vertices) {
  in.readLine();
  if (in.eof()) return kEndOfFileVertices;
  while (!in.lineIs("SEQEND")) {
    if (in.lineIs("VERTEX")) {
      const int result = vertices.emplace_back().readGroups(in);
      if (result < 0) return result;
    } else {
      // A record of another kind among the vertices is passed over pair by pair.
      for (;;) {
        const int code = in.readGroupCode(GroupCodeVariant::Standard);
        if (in.eof()) return kEndOfFileVertices;
        if (code == 0) break;
        in.readLine();
      }
    }
    in.readLine();
    if (in.eof()) return kEndOfFileVertices;
  }
  // The SEQEND record's own groups, up to the next group code 0.
  for (;;) {
    const int code = in.readGroupCode(GroupCodeVariant::Standard);
    if (in.eof()) return kEndOfFileHead;
    if (code == 0) return 0;
    in.readLine();
  }
}

bool Polylinie::inTiltedPlane() const {
  return extrusion_.isTilted() && (flags_ & kWorldVertices) == 0;
}

void Polylinie::verticesToWorld(std::vector<Punkt>& vertices) const {
  if (extrusion_.isWorld() || (flags_ & kWorldVertices) != 0) return;
  const bool mirrored = extrusion_.mirrors();
  for (Punkt& vertex : vertices) {
    double x = vertex.x();
    double y = vertex.y();
    extrusion_.toWorld(x, y, elevation_);
    vertex.setX(x);
    vertex.setY(y);
    // Seen from below, every arc turns the other way.
    if (mirrored) vertex.setBulge(-vertex.bulge());
  }
}

void Polylinie::addVertices(const std::vector<Punkt>& read) {
  if (read.empty()) return;
  std::vector<Punkt> all;
  all.reserve(vertexStore_.size() + read.size());
  all.insert(all.end(), vertexStore_.begin(), vertexStore_.end());
  all.insert(all.end(), read.begin(), read.end());
  vertexStore_.swap(all);
  linkVertices();
}

bool Polylinie::spans(const Punkt& from, const Punkt& to) {
  const double dx = to.x() - from.x();
  const double dy = to.y() - from.y();
  // The sum of squares is off by a few units in the last place at most (an overflow or an
  // underflow only pushes it further from the limit), so only close to the limit is the
  // careful, slower hypot needed to decide.
  const double squared = dx * dx + dy * dy;
  constexpr double kSquaredLimit = kMinSegment * kMinSegment;
  if (squared > kSquaredLimit * (1 + 1e-9)) return true;
  if (squared < kSquaredLimit * (1 - 1e-9)) return false;
  return std::hypot(dx, dy) > kMinSegment;
}

Polylinie::Segment& Polylinie::addPlaneSegment(std::vector<Segment>& store, const Punkt& from,
                                               const Punkt& to) const {
  const bool curved = from.bulge() > kMinBulge || from.bulge() < -kMinBulge;
  if (curved) {
    const Ellipse inPlane{Kreisbogen(from.bulge(), from, to)};
    return store.emplace_back(std::in_place_type<Ellipse>,
                              extrusion_.seenFromAbove(inPlane.arc(), elevation_));
  }
  double x1 = from.x(), y1 = from.y();
  double x2 = to.x(), y2 = to.y();
  extrusion_.toWorld(x1, y1, elevation_);
  extrusion_.toWorld(x2, y2, elevation_);
  return store.emplace_back(std::in_place_type<Linie>, x1, y1, x2, y2);
}

void Polylinie::addSegment(std::vector<Segment>& store, const Punkt& from,
                           const Punkt& to) const {
  const bool curved = from.bulge() > kMinBulge || from.bulge() < -kMinBulge;
  Segment& added =
      inTiltedPlane() ? addPlaneSegment(store, from, to)
      : curved ? store.emplace_back(std::in_place_type<Kreisbogen>, from.bulge(), from, to)
               : store.emplace_back(std::in_place_type<Linie>, from.x(), from.y(), to.x(), to.y());
  DXFGeometrie& segment = asGeometry(added);
  segment.setLayerName(layerName_);
  segment.takeLooks(colourNumber_, trueColour_, linetype_.c_str(), linetypeScale_);
  // Without a colour of its own the segment waits, black, for its layer's.
  if (trueColour_ < 0 && parseInt(colourNumber_) == DXFGeometrie::kByLayer) {
    segment.setColour("#000000");
  }
  if (paperSpace_) segment.setPaperSpace(true);
}

void Polylinie::buildSegments() {
  const auto n = vertexStore_.size();
  const bool closing = isClosed() && n >= 1;
  std::size_t count = closing ? 1 : 0;
  for (std::size_t i = 1; i < n; ++i) count += spans(vertexStore_[i - 1], vertexStore_[i]);
  if (count == 0) return;
  // Built into a store of the final size, after the segments there may be already.
  std::vector<Segment> store;
  store.reserve(segmentStore_.size() + count);
  store.insert(store.end(), segmentStore_.begin(), segmentStore_.end());
  for (std::size_t i = 1; i < n; ++i) {
    if (spans(vertexStore_[i - 1], vertexStore_[i])) {
      addSegment(store, vertexStore_[i - 1], vertexStore_[i]);
    }
  }
  if (closing) addSegment(store, vertexStore_[n - 1], vertexStore_[0]);
  segmentStore_.swap(store);
  linkSegments();
}

void Polylinie::linkVertices() {
  pointAt(vertices_, vertexStore_.size(), [this](std::size_t i) { return &vertexStore_[i]; });
}

void Polylinie::linkSegments() {
  pointAt(segments_, segmentStore_.size(),
          [this](std::size_t i) { return &asGeometry(segmentStore_[i]); });
}

void Polylinie::applyDefaultWidths(std::vector<Punkt>& vertices) const {
  const double start = defaultStartWidth_ >= 0.0 ? defaultStartWidth_ : constantWidth_;
  const double end = defaultEndWidth_ >= 0.0 ? defaultEndWidth_ : constantWidth_;
  if (start <= 0.0 && end <= 0.0) return;
  for (Punkt& vertex : vertices) {
    if (vertex.startWidth() == 0.0 && vertex.endWidth() == 0.0) {
      vertex.setWidths(std::max(start, 0.0), std::max(end, 0.0));
    }
  }
}

bool Polylinie::isWide() const {
  return std::any_of(vertexStore_.begin(), vertexStore_.end(), PolylineBands::isWide);
}

int Polylinie::write(std::ostream& out) const {
  out << "POLYLINE\n  8\n" << layerName_ << '\n';
  if (!linetype_.empty()) out << "  6\n" << linetype_ << '\n';
  // Release 12 knows only the colour index: a true colour becomes the nearest.
  const int colour = trueColour_ >= 0
                         ? ColourIndex::nearestIndex(static_cast<ColourIndex::Rgb>(trueColour_))
                         : parseInt(colourNumber_);
  if (colour != DXFGeometrie::kByLayer) out << " 62\n" << colour << '\n';
  if (linetypeScale_ != 1.0) out << " 48\n" << linetypeScale_ << '\n';
  out << " 66\n1\n 10\n0\n 20\n0\n 30\n0\n 70\n" << flags_ << '\n';
  if (paperSpace_) out << " 67\n1\n";
  out << "  0\n";
  for (const Punkt& vertex : writtenVertices()) {
    out << "VERTEX\n  8\n" << layerName_ << "\n 10\n"
        << vertex.x() << "\n 20\n"
        << vertex.y() << "\n 30\n0\n";
    if (vertex.startWidth() != 0.0) out << " 40\n" << vertex.startWidth() << '\n';
    if (vertex.endWidth() != 0.0) out << " 41\n" << vertex.endWidth() << '\n';
    if (vertex.bulge() != 0.0) out << " 42\n" << vertex.bulge() << '\n';
    out << "  0\n";
  }
  out << "SEQEND\n  0\n";
  return 0;
}

std::vector<Punkt> Polylinie::writtenVertices() const {
  const auto elliptical = [](const Segment& segment) {
    return std::holds_alternative<Ellipse>(segment);
  };
  if (std::none_of(segmentStore_.begin(), segmentStore_.end(), elliptical)) return vertexStore_;
  std::vector<Punkt> points;
  if (vertexStore_.empty()) return points;
  // Each segment from where the last one ended: a line by its start, an elliptical arc by
  // its chords, taken in the direction that starts there.
  Punkt reached = vertexStore_.front();
  const auto distance = [](const Punkt& p, WorldPoint q) {
    return std::hypot(p.x() - q.x, p.y() - q.y);
  };
  for (const Segment& segment : segmentStore_) {
    std::vector<WorldPoint> run;
    if (const auto* ellipse = std::get_if<Ellipse>(&segment)) {
      const EllipseArc& arc = ellipse->arc();
      run = flattenedEllipse(arc, Ellipse::kWrittenChordError * std::hypot(arc.major.x, arc.major.y));
      if (distance(reached, run.back()) < distance(reached, run.front())) {
        std::reverse(run.begin(), run.end());
      }
    } else {
      const auto& line = std::get<Linie>(segment);
      run = {{line.x1(), line.y1()}, {line.x2(), line.y2()}};
    }
    for (std::size_t i = 0; i + 1 < run.size(); ++i) points.emplace_back(run[i].x, run[i].y);
    reached = Punkt(run.back().x, run.back().y);
  }
  if (!isClosed()) points.push_back(reached);
  return points;
}

void Polylinie::assignLayer(const Layer* layer) {
  if (!layer) return;
  copyField(layerName_, layer->name());
  for (int i = segmentCount() - 1; i >= 0; --i) segment(i).assignLayer(layer);
}

void Polylinie::draw(DrawingArea& area, double s, double dx, double dy, double a) const {
  if (!isWide()) {
    for (int i = segmentCount() - 1; i >= 0; --i) segment(i).draw(area, s, dx, dy, a);
    return;
  }
  walkPieces([&](int index) { segment(index).draw(area, s, dx, dy, a); },
             [&](const std::vector<WorldPoint>& outline) {
               std::vector<WorldPoint> band;
               for (const WorldPoint& p : outline) band.push_back(DXFGeometrie::place(p.x, p.y, s, a, dx, dy));
               segment(0).fillPolygon(area, band.data(), static_cast<int>(band.size()));
             });
}

void Polylinie::drawOnDevice(DeviceContext& dc, double s, double minX, double minY,
                             double maxX, double maxY, double dx, double dy, double a) const {
  if (!isWide()) {
    for (int i = segmentCount() - 1; i >= 0; --i) {
      segment(i).drawOnDevice(dc, s, minX, minY, maxX, maxY, dx, dy, a);
    }
    return;
  }
  const double k = DXFGeometrie::fitFactor(dc, minX, minY, maxX, maxY);
  walkPieces(
      [&](int index) { segment(index).drawOnDevice(dc, s, minX, minY, maxX, maxY, dx, dy, a); },
      [&](const std::vector<WorldPoint>& outline) {
        std::vector<DevicePoint> pixels;
        for (const WorldPoint& p : outline) {
          const WorldPoint placed = DXFGeometrie::place(p.x, p.y, s, a, dx, dy);
          pixels.push_back({k * (placed.x - minX), k * (maxY - placed.y)});
        }
        segment(0).fillPolygonOnDevice(dc, pixels.data(), static_cast<int>(pixels.size()));
      });
}

template <class Centre, class Band>
void Polylinie::walkPieces(Centre centre, Band band) const {
  // The segments were built from the same vertex pairs with the same test, in this order.
  const std::size_t n = vertexStore_.size();
  int index = 0;
  const auto piece = [&](const Punkt& from, const Punkt& to) {
    if (index >= segmentCount()) return;
    if (PolylineBands::isWide(from)) {
      const std::vector<WorldPoint> outline = PolylineBands::outline(from, to);
      if (!outline.empty()) band(outline);
    }
    // A band keeps its centre line or arc: that is the polyline's geometry, which the
    // exploded drawing must hold too; drawn inside the band, it changes nothing seen.
    centre(index++);
  };
  for (std::size_t i = 1; i < n; ++i) {
    if (spans(vertexStore_[i - 1], vertexStore_[i])) piece(vertexStore_[i - 1], vertexStore_[i]);
  }
  if (isClosed() && n >= 1) piece(vertexStore_[n - 1], vertexStore_[0]);
}

void Polylinie::forEachPiece(const std::function<void(const DXFGeometrie&)>& emit) const {
  if (!isWide()) {
    for (int k = 0; k < segmentCount(); ++k) emit(segment(k));
    return;
  }
  walkPieces([&](int index) { emit(segment(index)); },
             [&](const std::vector<WorldPoint>& outline) {
               // Outer edge forwards, inner edge backwards: each step between them is a
               // quadrilateral, given as two triangles, which fill alike whatever the
               // order the corners of a SOLID are joined in.
               const DXFGeometrie& looks = segment(0);
               const std::size_t steps = outline.size() / 2 - 1;
               for (std::size_t i = 0; i < steps; ++i) {
                 const WorldPoint& o0 = outline[i];
                 const WorldPoint& o1 = outline[i + 1];
                 const WorldPoint& i1 = outline[outline.size() - 2 - i];
                 const WorldPoint& i0 = outline[outline.size() - 1 - i];
                 for (const auto& corners : {std::array{o0, o1, i1}, std::array{o0, i1, i0}}) {
                   Solid triangle;
                   triangle.setLayerName(looks.layerName());
                   triangle.takeLooks(colourNumber_, trueColour_, linetype_.c_str(),
                                      linetypeScale_);
                   triangle.assignLayer(looks.layer());
                   if (paperSpace_) triangle.setPaperSpace(true);
                   for (int c = 0; c < 3; ++c) triangle.setCorner(c, corners[c].x, corners[c].y);
                   triangle.setCorner(3, corners[2].x, corners[2].y);
                   emit(triangle);
                 }
               }
             });
}

void Polylinie::transform(double s, double a, double dx, double dy, double dz) {
  for (int i = segmentCount() - 1; i >= 0; --i) segment(i).transform(s, a, dx, dy, dz);
  for (int i = 0; i < vertexCount(); ++i) {
    Punkt& vertex = *vertices_->objectAt<Punkt>(i);
    vertex.transform(s, a, dx, dy, dz);
    vertex.setWidths(vertex.startWidth() * std::fabs(s), vertex.endWidth() * std::fabs(s));
    // A mirror turns every arc the other way round.
    if (s < 0) vertex.setBulge(-vertex.bulge());
  }
}
