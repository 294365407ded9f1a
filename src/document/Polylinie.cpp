// A POLYLINE, LWPOLYLINE or LEADER: its vertices and the line and arc segments built from them.
#include "Polylinie.h"

#include <cmath>
#include <cstring>
#include <ostream>

#include "EntityCopy.h"
#include "Kreisbogen.h"
#include "Linie.h"

Polylinie::Polylinie() { copyField(layerName_, "LAYER"); }

Polylinie::Polylinie(const Polylinie& other) : flags_(other.flags_) {
  copyField(layerName_, other.layerName_);
  // Vertex order carries the bulges' meaning, so both lists keep their order.
  for (int i = 0; i < other.vertices_.count(); ++i) {
    vertices_.append(std::make_unique<Punkt>(*other.vertices_.at(i)));
  }
  for (int i = 0; i < other.segments_.count(); ++i) {
    segments_.append(EntityCopy::of(*other.segments_.at(i)));
  }
}

void Polylinie::setLayerName(const char* name) { copyField(layerName_, name); }

bool Polylinie::isClosed() const {
  return (flags_ & 1) != 0 || std::strcmp(layerName_, "SILHOUETTE") == 0 ||
         std::strcmp(layerName_, "REX_4") == 0;
}

int Polylinie::read(DxfLineReader& in) {
  flags_ = 0;
  bool counted = false;
  int result = readHead(in, counted);
  // An LWPOLYLINE or LEADER (a vertex count was given) ends with its own groups; a
  // POLYLINE continues with VERTEX records.
  if (result == 0 && !counted) result = readVertexRecords(in);
  if (result < 0) return result;
  buildSegments();
  return 0;
}

int Polylinie::readHead(DxfLineReader& in, bool& counted) {
  bool layerSeen = false;
  long declared = 0;
  Punkt* current = nullptr;
  for (;;) {
    const char* line = in.readLine();
    if (in.eof()) return current ? kEndOfFileVertex : kEndOfFileHead;
    const int code = groupCode(line, GroupCodeVariant::Standard);
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
        if (vertices_.empty()) {
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
        if (counted && vertices_.count() < declared) {
          auto vertex = std::make_unique<Punkt>();
          vertex->setX(parseReal(in.readLine()));
          current = vertex.get();
          vertices_.append(std::move(vertex));
        } else {
          in.readLine();
        }
        break;
      case 20:
        if (current) {
          current->setY(parseReal(in.readLine()));
        } else {
          in.readLine();
        }
        break;
      case 42:
        if (current) {
          current->setBulge(parseReal(in.readLine()));
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

int Polylinie::readVertexRecords(DxfLineReader& in) {
  const char* line = in.readLine();
  if (in.eof()) return kEndOfFileVertices;
  while (std::strcmp(line, "SEQEND") != 0) {
    if (std::strcmp(line, "VERTEX") == 0) {
      auto vertex = std::make_unique<Punkt>();
      const int result = vertex->readGroups(in);
      if (result < 0) return result;
      vertices_.append(std::move(vertex));
    }
    line = in.readLine();
    if (in.eof()) return kEndOfFileVertices;
  }
  // The SEQEND record's own groups, up to the next group code 0.
  for (;;) {
    line = in.readLine();
    if (in.eof()) return kEndOfFileHead;
    if (groupCode(line, GroupCodeVariant::Standard) == 0) return 0;
    in.readLine();
  }
}

void Polylinie::appendSegment(const Punkt& from, const Punkt& to) {
  std::unique_ptr<DXFGeometrie> segment;
  if (from.bulge() > kMinBulge || from.bulge() < -kMinBulge) {
    segment = std::make_unique<Kreisbogen>(from.bulge(), from, to);
  } else {
    segment = std::make_unique<Linie>(from.x(), from.y(), to.x(), to.y());
  }
  segment->setLayerName(layerName_);
  segment->setColour("#000000");
  segments_.append(std::move(segment));
}

void Polylinie::buildSegments() {
  const int n = vertices_.count();
  for (int i = 1; i < n; ++i) {
    const Punkt& from = *vertices_.at(i - 1);
    const Punkt& to = *vertices_.at(i);
    if (std::hypot(to.x() - from.x(), to.y() - from.y()) > kMinSegment) {
      appendSegment(from, to);
    }
  }
  if (isClosed() && n >= 1) appendSegment(*vertices_.at(n - 1), *vertices_.at(0));
}

int Polylinie::write(std::ostream& out) const {
  out << "POLYLINE\n  8\n" << layerName_ << "\n 66\n1\n 10\n0\n 20\n0\n 30\n0\n 70\n"
      << flags_ << "\n  0\n";
  for (int i = 0; i < vertices_.count(); ++i) {
    const Punkt& vertex = *vertices_.at(i);
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
  for (int i = segments_.count() - 1; i >= 0; --i) segments_.at(i)->assignLayer(layer);
}

void Polylinie::draw(DrawingArea& area, double s, double dx, double dy, double a) const {
  for (int i = segments_.count() - 1; i >= 0; --i) segments_.at(i)->draw(area, s, dx, dy, a);
}

void Polylinie::drawOnDevice(DeviceContext& dc, double s, double minX, double minY,
                             double maxX, double maxY, double dx, double dy, double a) const {
  for (int i = segments_.count() - 1; i >= 0; --i) {
    segments_.at(i)->drawOnDevice(dc, s, minX, minY, maxX, maxY, dx, dy, a);
  }
}

void Polylinie::transform(double s, double a, double dx, double dy, double dz) {
  for (int i = segments_.count() - 1; i >= 0; --i) segments_.at(i)->transform(s, a, dx, dy, dz);
  for (int i = 0; i < vertices_.count(); ++i) {
    Punkt& vertex = *vertices_.at(i);
    vertex.transform(s, a, dx, dy, dz);
    // A mirror turns every arc the other way round.
    if (s < 0) vertex.setBulge(-vertex.bulge());
  }
}
