// A POLYLINE, LWPOLYLINE or LEADER: its vertices and the line and arc segments built from them.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <variant>
#include <vector>

#include "settings/AT_Vector.h"
#include "entities/DXFGeometrie.h"
#include "entities/Kreisbogen.h"
#include "entities/Linie.h"
#include "entities/Punkt.h"

// Vertices are kept as points with their bulges (for writing); the segments, lines and arcs
// built once when the polyline is read, are what is drawn, transformed and exploded.
class Polylinie {
 public:
  static constexpr int kNameSize = 50;
  // Result codes when the data ends: among the head groups or after the vertices (after
  // an LWPOLYLINE's or LEADER's declared vertex list too), inside such a vertex list (or a
  // VERTEX record), and between VERTEX records.
  static constexpr int kEndOfFileHead = -32;
  static constexpr int kEndOfFileVertex = -31;
  static constexpr int kEndOfFileVertices = -30;
  // Consecutive vertices closer than this in x and y give no segment.
  static constexpr double kMinSegment = 0.01;
  // Bulges within this of 0 give a straight segment.
  static constexpr double kMinBulge = 0.001;
  // The bit of the flags (group 70) that closes the polyline.
  static constexpr std::int32_t kClosedFlag = 1;

  // Empty, layer name "LAYER", flags 0.
  Polylinie();
  // Layer name, flags, and copies of the vertices and segments, each list in its order.
  Polylinie(const Polylinie& other);
  Polylinie& operator=(const Polylinie&) = delete;
  ~Polylinie() = default;

  // Reads the groups after the type name line (POLYLINE with its VERTEX and SEQEND records,
  // LWPOLYLINE or LEADER) up to and including the line of the next group code 0, then
  // builds the segments; 0 or a negative end-of-file code.
  int read(DxfLineReader& in);
  // Writes a POLYLINE with VERTEX records and SEQEND, from "POLYLINE" to the closing "  0".
  int write(std::ostream& out) const;

  // Takes `layer` (its name, and every segment gets it).
  void assignLayer(const Layer* layer);

  // The segments' own drawing operations, last segment first.
  void draw(DrawingArea& area, double s, double dx, double dy, double a) const;
  void drawOnDevice(DeviceContext& dc, double s, double minX, double minY, double maxX,
                    double maxY, double dx, double dy, double a) const;
  // Every segment (last to first), then every vertex (first to last).
  void transform(double s, double a, double dx, double dy, double dz);

  const char* layerName() const { return layerName_; }
  void setLayerName(const char* name);
  // Group 70; kClosedFlag closes the polyline.
  std::int32_t flags() const { return flags_; }
  // True when drawn closed: flag bit 1, or the layers "SILHOUETTE" and "REX_4".
  bool isClosed() const;

  int vertexCount() const { return vertices_->count(); }
  const Punkt* vertexAt(int index) const { return vertices_->objectAt<Punkt>(index); }
  int segmentCount() const { return segments_->count(); }
  // A line or arc, or null outside the list.
  const DXFGeometrie* segmentAt(int index) const {
    return segments_->objectAt<DXFGeometrie>(index);
  }

 private:
  using Segment = std::variant<Linie, Kreisbogen>;

  // Head groups and, for LWPOLYLINE and LEADER, the vertex pairs, into `vertices`.
  int readHead(DxfLineReader& in, std::vector<Punkt>& vertices, bool& counted);
  // The VERTEX records of a POLYLINE up to SEQEND and the SEQEND groups, into `vertices`.
  int readVertexRecords(DxfLineReader& in, std::vector<Punkt>& vertices);
  // Appends `read` to the vertices.
  void addVertices(const std::vector<Punkt>& read);
  // Brings the vertices of a 2-D polyline from the plane of its extrusion direction into
  // the world.
  void verticesToWorld(std::vector<Punkt>& vertices) const;
  void buildSegments();
  // True when a segment is drawn from `from` to `to` (they lie far enough apart).
  static bool spans(const Punkt& from, const Punkt& to);
  // The line or the arc (by the bulge of `from`) from `from` to `to`, on this layer.
  void addSegment(std::vector<Segment>& store, const Punkt& from, const Punkt& to) const;
  // The segment at `index`, which must lie in the list.
  DXFGeometrie& segment(int index) const { return *segments_->objectAt<DXFGeometrie>(index); }
  // Makes the item vectors anew, exactly as long as the stores, pointing at their objects
  // in store order.
  void linkVertices();
  void linkSegments();

  // The objects themselves: each store is allocated once at its final size, so a polyline
  // costs a few allocations instead of two per vertex and per segment. The item vectors
  // below point into them, in order.
  std::vector<Punkt> vertexStore_;
  std::vector<Segment> segmentStore_;
  // The vertices and segments as the item vectors of a polyline, growth step 10; made anew
  // whenever a store changes.
  std::optional<AT_Vector> vertices_;
  std::optional<AT_Vector> segments_;
  char layerName_[kNameSize];
  std::int32_t flags_ = 0;
  bool paperSpace_ = false;
  // The plane of a 2-D polyline's vertices (groups 210, 220, 230) and its distance from
  // the origin along the extrusion direction (group 30 of a POLYLINE, 38 of an LWPOLYLINE).
  Extrusion extrusion_;
  double elevation_ = 0.0;
};
