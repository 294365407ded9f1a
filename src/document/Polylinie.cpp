// A POLYLINE, LWPOLYLINE or LEADER: its vertices and the line and arc segments built from them.
#include "document/Polylinie.h"

#include <cmath>
#include <cstring>
#include <ostream>

namespace {

// Vertices are gathered here while a polyline is read, then copied into the polyline's
// store at its final size. The buffer is kept from one polyline to the next, so gathering
// costs no allocation, unless it grew beyond this many vertices: then it is given back.
constexpr std::size_t kKeptGatherCapacity = 4096;

std::vector<Punkt>& gatherBuffer() {
  thread_local std::vector<Punkt> vertices;
  return vertices;
}

DXFGeometrie& asGeometry(std::variant<Linie, Kreisbogen>& segment) {
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
      paperSpace_(other.paperSpace_) {
  copyField(layerName_, other.layerName_);
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
  std::vector<Punkt>& vertices = gatherBuffer();
  vertices.clear();
  bool counted = false;
  int result = readHead(in, vertices, counted);
  // An LWPOLYLINE or LEADER (a vertex count was given) ends with its own groups; a
  // POLYLINE continues with VERTEX records.
  if (result == 0 && !counted) result = readVertexRecords(in, vertices);
  if (result == 0) {
    verticesToWorld(vertices);
    addVertices(vertices);
    buildSegments();
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

void Polylinie::verticesToWorld(std::vector<Punkt>& vertices) const {
  // 3-D polylines, meshes and polyface meshes give world points.
  constexpr std::int32_t kWorldVertices = 8 | 16 | 64;
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

void Polylinie::addSegment(std::vector<Segment>& store, const Punkt& from,
                           const Punkt& to) const {
  Segment& added =
      from.bulge() > kMinBulge || from.bulge() < -kMinBulge
          ? store.emplace_back(std::in_place_type<Kreisbogen>, from.bulge(), from, to)
          : store.emplace_back(std::in_place_type<Linie>, from.x(), from.y(), to.x(), to.y());
  DXFGeometrie& segment = asGeometry(added);
  segment.setLayerName(layerName_);
  segment.setColour("#000000");
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

int Polylinie::write(std::ostream& out) const {
  out << "POLYLINE\n  8\n" << layerName_ << "\n 66\n1\n 10\n0\n 20\n0\n 30\n0\n 70\n"
      << flags_ << '\n';
  if (paperSpace_) out << " 67\n1\n";
  out << "  0\n";
  for (const Punkt& vertex : vertexStore_) {
    out << "VERTEX\n  8\n" << layerName_ << "\n 10\n"
        << vertex.x() << "\n 20\n"
        << vertex.y() << "\n 30\n0\n";
    if (vertex.bulge() != 0.0) out << " 42\n" << vertex.bulge() << '\n';
    out << "  0\n";
  }
  out << "SEQEND\n  0\n";
  return 0;
}

void Polylinie::assignLayer(const Layer* layer) {
  if (!layer) return;
  copyField(layerName_, layer->name());
  for (int i = segmentCount() - 1; i >= 0; --i) segment(i).assignLayer(layer);
}

void Polylinie::draw(DrawingArea& area, double s, double dx, double dy, double a) const {
  for (int i = segmentCount() - 1; i >= 0; --i) segment(i).draw(area, s, dx, dy, a);
}

void Polylinie::drawOnDevice(DeviceContext& dc, double s, double minX, double minY,
                             double maxX, double maxY, double dx, double dy, double a) const {
  for (int i = segmentCount() - 1; i >= 0; --i) {
    segment(i).drawOnDevice(dc, s, minX, minY, maxX, maxY, dx, dy, a);
  }
}

void Polylinie::transform(double s, double a, double dx, double dy, double dz) {
  for (int i = segmentCount() - 1; i >= 0; --i) segment(i).transform(s, a, dx, dy, dz);
  for (int i = 0; i < vertexCount(); ++i) {
    Punkt& vertex = *vertices_->objectAt<Punkt>(i);
    vertex.transform(s, a, dx, dy, dz);
    // A mirror turns every arc the other way round.
    if (s < 0) vertex.setBulge(-vertex.bulge());
  }
}
