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

// Vertices are gathered here while a polyline is read, then copied into the polyline at
// their final number. The buffer is kept from one polyline to the next, so gathering costs
// no allocation, unless it grew beyond this many vertices: then it is given back.
constexpr std::size_t kKeptGatherCapacity = 4096;

// Coordinates of one vertex, as two segments meeting there compute it (up to rounding).
bool samePlace(double a, double b) {
  return std::fabs(a - b) <= 1e-9 * std::max(1.0, std::fabs(a));
}

PolylineVertices& gatherBuffer() {
  thread_local PolylineVertices vertices;
  return vertices;
}

}  // namespace

Polylinie::Polylinie() { looks_.setLayerName("LAYER"); }

Polylinie::Polylinie(const Polylinie& other)
    : vertices_(other.vertices_),
      segmentCount_(other.segmentCount_),
      segmentEnds_(other.segmentEnds_),
      planeSegments_(other.planeSegments_),
      flags_(other.flags_),
      faces_(other.faces_),
      meshM_(other.meshM_),
      meshN_(other.meshN_),
      linetype_(other.linetype_) {
  looks_.takeAllAttributesOf(other.looks_);
}

void Polylinie::setLayerName(const char* name) { looks_.setLayerName(name); }

bool Polylinie::isClosed() const {
  return (flags_ & kClosedFlag) != 0 || std::strcmp(layerName(), "SILHOUETTE") == 0 ||
         std::strcmp(layerName(), "REX_4") == 0;
}

bool Polylinie::isMesh() const {
  return (flags_ & (polylinemesh::kPolygonMesh | polylinemesh::kPolyfaceMesh)) != 0;
}

int Polylinie::read(DxfLineReader& in) {
  flags_ = 0;
  linetype_.clear();
  const std::size_t firstVertex = vertices_.size();
  const std::size_t firstFace = faces_.size();
  Head head;
  head.paperSpace = looks_.inPaperSpace();
  PolylineVertices& vertices = gatherBuffer();
  vertices.clear(kKeptGatherCapacity);
  bool counted = false;
  int result = readHead(in, head, vertices, counted);
  // An LWPOLYLINE or LEADER (a vertex count was given) ends with its own groups; a
  // POLYLINE continues with VERTEX records.
  if (result == 0 && !counted) result = readVertexRecords(in, vertices);
  if (result == 0 && isMesh()) {
    takeReadLooks(head);
    spellOutSegmentEnds();
    vertices_.append(vertices);
    addMeshSegments(head, firstVertex, firstFace);
  } else if (result == 0) {
    const bool tilted = inTiltedPlane(head);
    applyDefaultWidths(head, vertices);
    if (!tilted) verticesToWorld(head, vertices);
    takeReadLooks(head);
    spellOutSegmentEnds();
    vertices_.append(vertices);
    addSegments(head);
    if (tilted) verticesToWorld(head, vertices_);
  }
  if (result < 0) faces_.resize(firstFace);
  vertices.clear(kKeptGatherCapacity);
  return result < 0 ? result : 0;
}

void Polylinie::takeReadLooks(const Head& head) {
  looks_.takeLooks(head.colourNumber, head.trueColour, linetype_.c_str(), head.linetypeScale);
  // Without a colour of its own the polyline waits, black, for its layer's.
  if (head.trueColour < 0 && parseInt(head.colourNumber) == DXFGeometrie::kByLayer) {
    looks_.setColour("#000000");
  }
  looks_.setPaperSpace(head.paperSpace);
  looks_.setLineWeight(head.lineWeight);
}

int Polylinie::readHead(DxfLineReader& in, Head& head, PolylineVertices& vertices, bool& counted) {
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
          looks_.setLayerName(in.readLine());
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
          vertices.add(in.readReal(), 0.0);
        } else {
          in.readLine();
        }
        break;
      case 20:
        if (pairKept) {
          vertices.back().y = in.readReal();
          completed = static_cast<long>(vertices.size());
        } else {
          in.readLine();
        }
        break;
      case 67: head.paperSpace = parseInt(in.readLine()) == 1; break;
      case 30:  // a POLYLINE's elevation, before its vertices
      case 38:  // an LWPOLYLINE's elevation
        if (vertices.empty()) {
          head.elevation = in.readReal();
        } else {
          in.readLine();
        }
        break;
      case 210:
      case 220:
      case 230: head.extrusion.take(code, in.readReal()); break;
      case 42:
        if (pairKept) {
          vertices.back().bulge = in.readReal();
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
          const std::size_t last = vertices.size() - 1;
          if (code == 40)
            vertices.setWidths(last, width, vertices.endWidth(last));
          else
            vertices.setWidths(last, vertices.startWidth(last), width);
        } else if (vertices.empty()) {
          (code == 40 ? head.defaultStartWidth : head.defaultEndWidth) = width;
        }
        break;
      }
      case 43: head.constantWidth = in.readReal(); break;
      case 71:
      case 72:
        // A polygon mesh's M and N; a LEADER's arrow and path flags, which it leaves alone.
        (code == 71 ? head.meshM : head.meshN) = static_cast<std::int32_t>(parseInt(in.readLine()));
        break;
      case 62: copyField(head.colourNumber, in.readLine()); break;
      case 420:
        head.trueColour = static_cast<std::int32_t>(parseInt(in.readLine()) & 0xFFFFFF);
        break;
      case 370: head.lineWeight = LineWeight::fromGroup(parseInt(in.readLine())); break;
      case 6: linetype_ = in.readLine(); break;
      case 48: {
        const double scale = in.readReal();
        head.linetypeScale = scale > 0.0 && std::isfinite(scale) ? scale : 1.0;
        break;
      }
      default: in.readLine(); break;
    }
  }
}

int Polylinie::readVertexRecords(DxfLineReader& in, PolylineVertices& vertices) {
  in.readLine();
  if (in.eof()) return kEndOfFileVertices;
  // Each VERTEX record is read into this point, then kept as a compact vertex.
  Punkt record;
  polylinemesh::VertexRecord meshRecord;
  while (!in.lineIs("SEQEND")) {
    if (in.lineIs("VERTEX") && isMesh()) {
      const int result = meshRecord.read(in, kEndOfFileVertex);
      if (result < 0) return result;
      if (meshRecord.isFace()) {
        faces_.push_back(meshRecord.face);
      } else {
        vertices.add(meshRecord.x, meshRecord.y);
      }
    } else if (in.lineIs("VERTEX")) {
      const int result = record.readGroups(in);
      if (result < 0) return result;
      vertices.add(record.x(), record.y());
      vertices.back().bulge = record.bulge();
      vertices.setWidths(vertices.size() - 1, record.startWidth(), record.endWidth());
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

bool Polylinie::inTiltedPlane(const Head& head) const {
  return head.extrusion.isTilted() && (flags_ & kWorldVertices) == 0;
}

void Polylinie::verticesToWorld(const Head& head, PolylineVertices& vertices) const {
  if (head.extrusion.isWorld() || (flags_ & kWorldVertices) != 0) return;
  const bool mirrored = head.extrusion.mirrors();
  for (std::size_t i = 0; i < vertices.size(); ++i) {
    PolylineVertices::Vertex& vertex = vertices[i];
    head.extrusion.toWorld(vertex.x, vertex.y, head.elevation);
    // Seen from below, every arc turns the other way.
    if (mirrored) vertex.bulge = -vertex.bulge;
  }
}

bool Polylinie::spans(const PolylineVertices::Vertex& from, const PolylineVertices::Vertex& to) {
  const double dx = to.x - from.x;
  const double dy = to.y - from.y;
  // The sum of squares is off by a few units in the last place at most (an overflow or an
  // underflow only pushes it further from the limit), so only close to the limit is the
  // careful, slower hypot needed to decide.
  const double squared = dx * dx + dy * dy;
  constexpr double kSquaredLimit = kMinSegment * kMinSegment;
  if (squared > kSquaredLimit * (1 + 1e-9)) return true;
  if (squared < kSquaredLimit * (1 - 1e-9)) return false;
  return std::hypot(dx, dy) > kMinSegment;
}

Polylinie::Segment Polylinie::planeSegment(const Head& head, std::size_t from,
                                           std::size_t to) const {
  const Punkt start = vertices_.point(from);
  const Punkt end = vertices_.point(to);
  const bool curved = start.bulge() > kMinBulge || start.bulge() < -kMinBulge;
  if (curved) {
    const Ellipse inPlane{Kreisbogen(start.bulge(), start, end)};
    return Segment(std::in_place_type<Ellipse>,
                   head.extrusion.seenFromAbove(inPlane.arc(), head.elevation));
  }
  double x1 = start.x(), y1 = start.y();
  double x2 = end.x(), y2 = end.y();
  head.extrusion.toWorld(x1, y1, head.elevation);
  head.extrusion.toWorld(x2, y2, head.elevation);
  return Segment(std::in_place_type<Linie>, x1, y1, x2, y2);
}

void Polylinie::spellOutSegmentEnds() {
  if (segmentCount_ == 0 || !segmentEnds_.empty()) return;
  std::vector<SegmentEnds> ends;
  ends.reserve(static_cast<std::size_t>(segmentCount_));
  for (int k = 0; k < segmentCount_; ++k) ends.push_back(endsOf(k));
  segmentEnds_.swap(ends);
}

void Polylinie::addSegments(const Head& head) {
  const std::size_t n = vertices_.size();
  const bool closing = isClosed() && n >= 1;
  std::size_t spanning = 0;
  for (std::size_t i = 1; i < n; ++i) spanning += spans(vertices_[i - 1], vertices_[i]);
  const std::size_t count = spanning + (closing ? 1 : 0);
  if (count == 0) return;
  const std::size_t first = static_cast<std::size_t>(segmentCount_);
  // The usual polyline, every vertex apart from the one before it, needs no list of ends.
  const bool consecutive = segmentCount_ == 0 && spanning + 1 == n;
  if (!consecutive) {
    std::vector<SegmentEnds> ends;
    ends.reserve(segmentEnds_.size() + count);
    ends.insert(ends.end(), segmentEnds_.begin(), segmentEnds_.end());
    for (std::size_t i = 1; i < n; ++i) {
      if (spans(vertices_[i - 1], vertices_[i])) {
        ends.push_back({static_cast<std::uint32_t>(i - 1), static_cast<std::uint32_t>(i)});
      }
    }
    if (closing) ends.push_back({static_cast<std::uint32_t>(n - 1), 0});
    segmentEnds_.swap(ends);
  }
  segmentCount_ += static_cast<int>(count);
  if (!inTiltedPlane(head)) return;
  // Built in the plane, before the vertices are brought into the world.
  std::vector<Segment> store;
  store.reserve(planeSegments_.size() + count);
  store.insert(store.end(), planeSegments_.begin(), planeSegments_.end());
  for (int k = static_cast<int>(first); k < segmentCount_; ++k) {
    const SegmentEnds ends = endsOf(k);
    store.push_back(planeSegment(head, ends.from, ends.to));
  }
  planeSegments_.swap(store);
}

Polylinie::SegmentEnds Polylinie::endsOf(int index) const {
  if (!segmentEnds_.empty()) return segmentEnds_[static_cast<std::size_t>(index)];
  const auto from = static_cast<std::uint32_t>(index);
  return {from, from + 1 < vertices_.size() ? from + 1 : 0};
}

void Polylinie::addMeshSegments(const Head& head, std::size_t firstVertex, std::size_t firstFace) {
  const std::size_t added = vertices_.size() - firstVertex;
  std::vector<polylinemesh::Edge> edges;
  if ((flags_ & polylinemesh::kPolyfaceMesh) != 0) {
    const std::vector<polylinemesh::Face> faces(
        faces_.begin() + static_cast<std::ptrdiff_t>(firstFace), faces_.end());
    edges = polylinemesh::polyfaceEdges(faces, added);
    // Kept numbering the whole vertex list, for writing.
    const auto shift = static_cast<std::int32_t>(firstVertex);
    for (std::size_t f = firstFace; f < faces_.size(); ++f) {
      for (std::int32_t& number : faces_[f]) {
        if (number != 0) number += number > 0 ? shift : -shift;
      }
    }
  } else {
    meshM_ = head.meshM;
    meshN_ = head.meshN;
    edges = polylinemesh::gridEdges(meshM_, meshN_, (flags_ & kClosedFlag) != 0,
                                    (flags_ & polylinemesh::kClosedInN) != 0, added);
  }
  const auto offset = static_cast<std::uint32_t>(firstVertex);
  for (const polylinemesh::Edge& edge : edges) {
    const SegmentEnds ends{edge.from + offset, edge.to + offset};
    if (!spans(vertices_[ends.from], vertices_[ends.to])) continue;
    segmentEnds_.push_back(ends);
    ++segmentCount_;
  }
}

PolylineSegment Polylinie::segmentAt(int index) const {
  if (!planeSegments_.empty()) {
    return PolylineSegment(looks_, planeSegments_[static_cast<std::size_t>(index)]);
  }
  const SegmentEnds ends = endsOf(index);
  const PolylineVertices::Vertex& from = vertices_[ends.from];
  const PolylineVertices::Vertex& to = vertices_[ends.to];
  if (from.bulge > kMinBulge || from.bulge < -kMinBulge) {
    return PolylineSegment(looks_, std::in_place_type<Kreisbogen>, from.bulge,
                           Punkt(from.x, from.y), Punkt(to.x, to.y));
  }
  return PolylineSegment(looks_, std::in_place_type<Linie>, from.x, from.y, to.x, to.y);
}

void Polylinie::applyDefaultWidths(const Head& head, PolylineVertices& vertices) {
  const double start = head.defaultStartWidth >= 0.0 ? head.defaultStartWidth : head.constantWidth;
  const double end = head.defaultEndWidth >= 0.0 ? head.defaultEndWidth : head.constantWidth;
  if (start <= 0.0 && end <= 0.0) return;
  for (std::size_t i = 0; i < vertices.size(); ++i) {
    if (vertices.startWidth(i) == 0.0 && vertices.endWidth(i) == 0.0) {
      vertices.setWidths(i, std::max(start, 0.0), std::max(end, 0.0));
    }
  }
}

bool Polylinie::isWide() const {
  if (!vertices_.anyWidth()) return false;
  for (std::size_t i = 0; i < vertices_.size(); ++i) {
    if (vertices_.isWide(i)) return true;
  }
  return false;
}

int Polylinie::write(std::ostream& out) const {
  out << "POLYLINE\n  8\n" << layerName() << '\n';
  if (!linetype_.empty()) out << "  6\n" << linetype_ << '\n';
  // Release 12 knows only the colour index: a true colour becomes the nearest.
  const int colour = trueColour() >= 0
                         ? ColourIndex::nearestIndex(static_cast<ColourIndex::Rgb>(trueColour()))
                         : parseInt(colourNumber());
  if (colour != DXFGeometrie::kByLayer) out << " 62\n" << colour << '\n';
  if (linetypeScale() != 1.0) out << " 48\n" << linetypeScale() << '\n';
  out << " 66\n1\n 10\n0\n 20\n0\n 30\n0\n 70\n" << flags_ << '\n';
  if ((flags_ & polylinemesh::kPolyfaceMesh) != 0) {
    out << " 71\n" << vertices_.size() << "\n 72\n" << faces_.size() << '\n';
  } else if (isMesh()) {
    out << " 71\n" << meshM_ << "\n 72\n" << meshN_ << '\n';
  }
  if (looks_.inPaperSpace()) out << " 67\n1\n";
  out << "  0\n";
  const auto writeVertices = [&](const PolylineVertices& vertices) {
    for (std::size_t i = 0; i < vertices.size(); ++i) {
      const PolylineVertices::Vertex& vertex = vertices[i];
      out << "VERTEX\n  8\n"
          << layerName() << "\n 10\n"
          << vertex.x << "\n 20\n"
          << vertex.y << "\n 30\n0\n";
      if (vertices.startWidth(i) != 0.0) out << " 40\n" << vertices.startWidth(i) << '\n';
      if (vertices.endWidth(i) != 0.0) out << " 41\n" << vertices.endWidth(i) << '\n';
      if (vertex.bulge != 0.0) out << " 42\n" << vertex.bulge << '\n';
      out << "  0\n";
    }
  };
  // Only a polyline in a tilted plane has elliptical arcs, written as their chords.
  if (isMesh()) {
    writeMeshVertices(out);
  } else if (planeSegments_.empty()) {
    writeVertices(vertices_);
  } else {
    writeVertices(writtenVertices());
  }
  out << "SEQEND\n  0\n";
  return 0;
}

void Polylinie::writeMeshVertices(std::ostream& out) const {
  const bool polyface = (flags_ & polylinemesh::kPolyfaceMesh) != 0;
  const int positionFlags = polylinemesh::kMeshVertex | (polyface ? polylinemesh::kFaceRecord : 0);
  for (std::size_t i = 0; i < vertices_.size(); ++i) {
    out << "VERTEX\n  8\n"
        << layerName() << "\n 10\n"
        << vertices_[i].x << "\n 20\n"
        << vertices_[i].y << "\n 30\n0\n 70\n"
        << positionFlags << "\n  0\n";
  }
  for (const polylinemesh::Face& face : faces_) {
    out << "VERTEX\n  8\n"
        << layerName() << "\n 10\n0\n 20\n0\n 30\n0\n 70\n"
        << polylinemesh::kFaceRecord << '\n';
    for (std::size_t c = 0; c < face.size(); ++c) {
      if (face[c] != 0) out << ' ' << 71 + c << '\n' << face[c] << '\n';
    }
    out << "  0\n";
  }
}

PolylineVertices Polylinie::writtenVertices() const {
  const auto elliptical = [](const Segment& segment) {
    return std::holds_alternative<Ellipse>(segment);
  };
  if (std::none_of(planeSegments_.begin(), planeSegments_.end(), elliptical)) return vertices_;
  PolylineVertices points;
  if (vertices_.empty()) return points;
  // Each segment by its start, an elliptical arc by its chords; a wide segment's chords
  // share its widths.
  for (int k = 0; k < segmentCount(); ++k) {
    const std::uint32_t from = endsOf(k).from;
    std::vector<WorldPoint> run = ellipticalChords(k);
    if (run.empty()) run = {{vertices_[from].x, vertices_[from].y}, {}};
    const bool wide = vertices_.isWide(from);
    for (std::size_t i = 0; i + 1 < run.size(); ++i) {
      points.add(run[i].x, run[i].y);
      if (wide) {
        points.setWidths(points.size() - 1, chordWidth(from, i, run.size() - 1),
                         chordWidth(from, i + 1, run.size() - 1));
      }
    }
  }
  if (!isClosed()) points.add(vertices_[vertices_.size() - 1].x, vertices_[vertices_.size() - 1].y);
  return points;
}

std::vector<WorldPoint> Polylinie::ellipticalChords(int index) const {
  if (planeSegments_.empty()) return {};
  const auto* ellipse = std::get_if<Ellipse>(&planeSegments_[static_cast<std::size_t>(index)]);
  if (!ellipse) return {};
  const EllipseArc& arc = ellipse->arc();
  std::vector<WorldPoint> run =
      flattenedEllipse(arc, Ellipse::kWrittenChordError * std::hypot(arc.major.x, arc.major.y));
  const PolylineVertices::Vertex& start = vertices_[endsOf(index).from];
  const auto distance = [&start](WorldPoint p) { return std::hypot(p.x - start.x, p.y - start.y); };
  if (distance(run.back()) < distance(run.front())) std::reverse(run.begin(), run.end());
  return run;
}

double Polylinie::chordWidth(std::size_t from, std::size_t i, std::size_t chordCount) const {
  const double start = vertices_.startWidth(from);
  return start + (vertices_.endWidth(from) - start) * static_cast<double>(i) /
                     static_cast<double>(chordCount);
}

void Polylinie::assignLayer(const Layer* layer) {
  if (layer) looks_.assignLayer(layer);
}

std::vector<WorldPoint> Polylinie::continuousPath() const {
  std::vector<WorldPoint> path;
  if ((flags_ & kContinuousLinetype) == 0 || isMesh() || isWide()) return path;
  for (int i = 0; i < segmentCount(); ++i) {
    const PolylineSegment segment = segmentAt(i);
    if (std::strcmp(segment->typeName(), "LINE") != 0) return {};
    const Punkt from = segment->pointAt(0.0);
    const Punkt to = segment->pointAt(1.0);
    if (path.empty()) {
      path.push_back({from.x(), from.y()});
    } else if (!samePlace(path.back().x, from.x()) || !samePlace(path.back().y, from.y())) {
      return {};
    }
    path.push_back({to.x(), to.y()});
  }
  return path;
}

void Polylinie::draw(DrawingArea& area, double s, double dx, double dy, double a) const {
  if (std::vector<WorldPoint> path = continuousPath(); !path.empty()) {
    for (WorldPoint& p : path) p = DXFGeometrie::place(p.x, p.y, s, a, dx, dy);
    looks_.strokePolyline(area, path.data(), static_cast<int>(path.size()));
    return;
  }
  if (!isWide()) {
    for (int i = segmentCount() - 1; i >= 0; --i) segmentAt(i)->draw(area, s, dx, dy, a);
    return;
  }
  walkPieces([&](const DXFGeometrie& segment) { segment.draw(area, s, dx, dy, a); },
             [&](const DXFGeometrie& segment, const std::vector<WorldPoint>& outline) {
               std::vector<WorldPoint> band;
               for (const WorldPoint& p : outline)
                 band.push_back(DXFGeometrie::place(p.x, p.y, s, a, dx, dy));
               segment.fillPolygon(area, band.data(), static_cast<int>(band.size()));
             });
}

void Polylinie::drawOnDevice(DeviceContext& dc, double s, double minX, double minY, double maxX,
                             double maxY, double dx, double dy, double a) const {
  if (const std::vector<WorldPoint> path = continuousPath(); !path.empty()) {
    const double k = DXFGeometrie::fitFactor(dc, minX, minY, maxX, maxY);
    std::vector<DevicePoint> pixels;
    for (const WorldPoint& p : path) {
      const WorldPoint placed = DXFGeometrie::place(p.x, p.y, s, a, dx, dy);
      pixels.push_back({k * (placed.x - minX), k * (maxY - placed.y)});
    }
    looks_.strokePolylineOnDevice(dc, pixels.data(), static_cast<int>(pixels.size()));
    return;
  }
  if (!isWide()) {
    for (int i = segmentCount() - 1; i >= 0; --i) {
      segmentAt(i)->drawOnDevice(dc, s, minX, minY, maxX, maxY, dx, dy, a);
    }
    return;
  }
  const double k = DXFGeometrie::fitFactor(dc, minX, minY, maxX, maxY);
  walkPieces(
      [&](const DXFGeometrie& segment) {
        segment.drawOnDevice(dc, s, minX, minY, maxX, maxY, dx, dy, a);
      },
      [&](const DXFGeometrie& segment, const std::vector<WorldPoint>& outline) {
        std::vector<DevicePoint> pixels;
        for (const WorldPoint& p : outline) {
          const WorldPoint placed = DXFGeometrie::place(p.x, p.y, s, a, dx, dy);
          pixels.push_back({k * (placed.x - minX), k * (maxY - placed.y)});
        }
        segment.fillPolygonOnDevice(dc, pixels.data(), static_cast<int>(pixels.size()));
      });
}

template <class Centre, class Band>
void Polylinie::walkPieces(Centre centre, Band band) const {
  for (int index = 0; index < segmentCount(); ++index) {
    const PolylineSegment segment = segmentAt(index);
    const SegmentEnds ends = endsOf(index);
    if (vertices_.isWide(ends.from)) {
      // An elliptical arc's band follows its chords, as the file written from it holds it.
      const std::vector<WorldPoint> chords = ellipticalChords(index);
      if (chords.empty()) {
        const std::vector<WorldPoint> outline =
            PolylineBands::outline(vertices_.point(ends.from), vertices_.point(ends.to));
        if (!outline.empty()) band(*segment, outline);
      }
      for (std::size_t i = 0; i + 1 < chords.size(); ++i) {
        Punkt from(chords[i].x, chords[i].y);
        from.setWidths(chordWidth(ends.from, i, chords.size() - 1),
                       chordWidth(ends.from, i + 1, chords.size() - 1));
        const std::vector<WorldPoint> outline =
            PolylineBands::outline(from, Punkt(chords[i + 1].x, chords[i + 1].y));
        if (!outline.empty()) band(*segment, outline);
      }
    }
    // A band keeps its centre line or arc: that is the polyline's geometry, which the
    // exploded drawing must hold too; drawn inside the band, it changes nothing seen.
    centre(*segment);
  }
}

void Polylinie::forEachPiece(const std::function<void(const DXFGeometrie&)>& emit) const {
  if (!isWide()) {
    for (int k = 0; k < segmentCount(); ++k) emit(*segmentAt(k));
    return;
  }
  walkPieces([&](const DXFGeometrie& segment) { emit(segment); },
             [&](const DXFGeometrie& looks, const std::vector<WorldPoint>& outline) {
               // Outer edge forwards, inner edge backwards: each step between them is a
               // quadrilateral, given as two triangles, which fill alike whatever the
               // order the corners of a SOLID are joined in.
               const std::size_t steps = outline.size() / 2 - 1;
               for (std::size_t i = 0; i < steps; ++i) {
                 const WorldPoint& o0 = outline[i];
                 const WorldPoint& o1 = outline[i + 1];
                 const WorldPoint& i1 = outline[outline.size() - 2 - i];
                 const WorldPoint& i0 = outline[outline.size() - 1 - i];
                 for (const auto& corners : {std::array{o0, o1, i1}, std::array{o0, i1, i0}}) {
                   Solid triangle;
                   triangle.setLayerName(looks.layerName());
                   triangle.takeLooks(colourNumber(), trueColour(), linetype_.c_str(),
                                      linetypeScale());
                   triangle.assignLayer(looks.layer());
                   if (looks_.inPaperSpace()) triangle.setPaperSpace(true);
                   for (int c = 0; c < 3; ++c) triangle.setCorner(c, corners[c].x, corners[c].y);
                   triangle.setCorner(3, corners[2].x, corners[2].y);
                   emit(triangle);
                 }
               }
             });
}

void Polylinie::transform(double s, double a, double dx, double dy, double dz) {
  for (Segment& segment : planeSegments_) {
    std::visit([&](auto& kind) { kind.transform(s, a, dx, dy, dz); }, segment);
  }
  vertices_.transform(s, a, dx, dy, dz);
}
