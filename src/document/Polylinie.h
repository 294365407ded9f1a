// A POLYLINE, LWPOLYLINE or LEADER: its vertices and the line and arc segments built from them.
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>
#include <variant>
#include <vector>

#include "document/PolylineMesh.h"
#include "document/PolylineSegment.h"
#include "document/PolylineVertices.h"
#include "entities/DXFGeometrie.h"
#include "entities/Ellipse.h"
#include "entities/Kreisbogen.h"
#include "entities/Linie.h"
#include "entities/Punkt.h"

// Vertices are kept as compact points with their bulges (and widths where a vertex has
// them); the segments, lines and arcs, are made from them whenever they are asked for, so a
// polyline costs what its coordinates need. The arcs of a polyline in a tilted plane are seen
// from above as elliptical arcs; those few polylines keep their segments made once.
class Polylinie {
 public:
  // Result codes when the data ends: among the head groups or after the vertices (after
  // an LWPOLYLINE's or LEADER's declared vertex list too), inside such a vertex list (or a
  // VERTEX record), and between VERTEX records.
  static constexpr int kEndOfFileHead = -32;
  static constexpr int kEndOfFileVertex = -31;
  static constexpr int kEndOfFileVertices = -30;
  // Consecutive vertices closer than this coincide and give no segment. Real pieces can be
  // far shorter than a hundredth of a unit in drawings made in inches or metres.
  static constexpr double kMinSegment = 1e-9;
  // Bulges within this of 0 give a straight segment.
  static constexpr double kMinBulge = 0.001;
  // The bit of the flags (group 70) that closes the polyline.
  static constexpr std::int32_t kClosedFlag = 1;
  // Group 70 bit: the linetype pattern runs on around the vertices instead of starting
  // afresh at each one.
  static constexpr std::int32_t kContinuousLinetype = 128;

  // Empty, layer name "LAYER", flags 0.
  Polylinie();
  // Layer name, flags, looks, and copies of the vertices and segments, each in its order.
  Polylinie(const Polylinie& other);
  Polylinie& operator=(const Polylinie&) = delete;
  ~Polylinie() = default;

  // Reads the groups after the type name line (POLYLINE with its VERTEX and SEQEND records,
  // LWPOLYLINE or LEADER) up to and including the line of the next group code 0, then
  // builds the segments; 0 or a negative end-of-file code.
  int read(DxfLineReader& in);
  // Writes a POLYLINE with VERTEX records and SEQEND, from "POLYLINE" to the closing "  0".
  // The arcs of a polyline in a tilted plane, elliptical seen from above, are written as
  // their chords: the file's bulges make circular arcs only.
  int write(std::ostream& out) const;

  // Takes `layer` (its name, and every segment gets it).
  void assignLayer(const Layer* layer);

  // The segments' own drawing operations, last segment first.
  void draw(DrawingArea& area, double s, double dx, double dy, double a) const;
  void drawOnDevice(DeviceContext& dc, double s, double minX, double minY, double maxX, double maxY,
                    double dx, double dy, double a) const;
  // Every segment (last to first), then every vertex (first to last).
  void transform(double s, double a, double dx, double dy, double dz);

  const char* layerName() const { return looks_.layerName(); }
  void setLayerName(const char* name);
  // Group 70; kClosedFlag closes the polyline.
  std::int32_t flags() const { return flags_; }
  // True when drawn closed: flag bit 1, or the layers "SILHOUETTE" and "REX_4".
  bool isClosed() const;
  // A polyface or polygon mesh: its segments are the visible edges of its faces, or the
  // rows and columns of its grid of vertices.
  bool isMesh() const;

  // True when a vertex gives its segment a width: the polyline is then drawn as filled bands.
  bool isWide() const;
  // What the polyline is made of, as plain entities for exploding and for inserts: its
  // segments, and for a wide segment first its band as filled triangles (SOLID).
  void forEachPiece(const std::function<void(const DXFGeometrie&)>& emit) const;
  // The polyline's own colour number (group 62, "256" by layer), true colour (-1: none),
  // linetype (group 6, "" by layer) and linetype scale (group 48).
  const char* colourNumber() const { return looks_.colourNumber(); }
  std::int32_t trueColour() const { return looks_.trueColour(); }
  const std::string& linetypeName() const { return linetype_; }
  double linetypeScale() const { return looks_.linetypeScale(); }

  int vertexCount() const { return static_cast<int>(vertices_.size()); }
  // The vertex at `index` (within the list) as a point with its bulge and widths.
  Punkt vertexAt(int index) const { return vertices_.point(static_cast<std::size_t>(index)); }
  int segmentCount() const { return segmentCount_; }
  // The segment at `index` (within the list): a line, arc or elliptical arc, made now.
  PolylineSegment segmentAt(int index) const;
  // The corners the pen runs through in one stroke: for a polyline that generates its
  // linetype continuously (kContinuousLinetype) and whose segments are straight, joined
  // and not wide. Empty otherwise: each segment is then stroked on its own.
  std::vector<WorldPoint> continuousPath() const;
  // What every segment looks like: layer, layer name, colour, linetype, visibility.
  const DXFGeometrie& looks() const { return looks_; }

 private:
  using Segment = PolylineSegment::Shape;
  // Flags of 3-D polylines, meshes and polyface meshes, whose vertices are world points.
  static constexpr std::int32_t kWorldVertices = 8 | 16 | 64;
  // The vertices a segment joins, where they are not simply one after the other.
  struct SegmentEnds {
    std::uint32_t from;
    std::uint32_t to;
  };

  // What reading takes from the head groups besides the vertices: the looks until the
  // polyline takes them, the plane of a 2-D polyline's vertices (groups 210, 220, 230) and
  // its distance from the origin along the extrusion direction (group 30 of a POLYLINE, 38
  // of an LWPOLYLINE), and the widths of groups 40 and 41 (defaults of a POLYLINE's
  // vertices) and 43 (an LWPOLYLINE's constant width; negative: not given).
  struct Head {
    char colourNumber[DXFGeometrie::kColourNumberSize] = "256";
    std::int32_t trueColour = -1;
    double linetypeScale = 1.0;
    std::int16_t lineWeight = LineWeight::kByLayer;
    bool paperSpace = false;
    Extrusion extrusion;
    double elevation = 0.0;
    double defaultStartWidth = -1.0;
    double defaultEndWidth = -1.0;
    double constantWidth = -1.0;
    // Groups 71 and 72 of a mesh: M and N of a polygon mesh (a polyface mesh's counts of
    // positions and faces are taken from its records instead).
    std::int32_t meshM = 0;
    std::int32_t meshN = 0;
  };

  // Head groups and, for LWPOLYLINE and LEADER, the vertex pairs, into `vertices`.
  int readHead(DxfLineReader& in, Head& head, PolylineVertices& vertices, bool& counted);
  // The VERTEX records of a POLYLINE up to SEQEND and the SEQEND groups, into `vertices`
  // (a polyface mesh's faces into `faces_`).
  int readVertexRecords(DxfLineReader& in, PolylineVertices& vertices);
  // Adds the segments of a mesh whose vertices were just added from `firstVertex` on, and
  // whose faces from `firstFace` on.
  void addMeshSegments(const Head& head, std::size_t firstVertex, std::size_t firstFace);
  // Writes the VERTEX records of a mesh: positions (and faces) or the grid's vertices.
  void writeMeshVertices(std::ostream& out) const;
  // The vertices as written: the stored ones, or with the chords of elliptical arcs.
  PolylineVertices writtenVertices() const;
  // The chord ends of segment `index` when it is an elliptical arc (a polyline in a tilted
  // plane), running from the vertex it starts at; empty for any other segment.
  std::vector<WorldPoint> ellipticalChords(int index) const;
  // The width at chord end `i` of `chordCount` along a wide segment from vertex `from`:
  // from its start width to its end width in even steps.
  double chordWidth(std::size_t from, std::size_t i, std::size_t chordCount) const;
  // Brings the vertices of a 2-D polyline from the plane of its extrusion direction into
  // the world.
  void verticesToWorld(const Head& head, PolylineVertices& vertices) const;
  // True for a 2-D polyline in a plane that is not parallel to the x-y plane: its segments
  // are built in that plane and then seen from above.
  bool inTiltedPlane(const Head& head) const;
  // The looks of the segments from the head groups just read.
  void takeReadLooks(const Head& head);
  // Adds the segments of the vertices to the list: one for each pair of vertices far
  // enough apart, and the closing one.
  void addSegments(const Head& head);
  // Fills segmentEnds_ for segments kept without it, before vertices are added.
  void spellOutSegmentEnds();
  // True when a segment is drawn from `from` to `to` (they lie far enough apart).
  static bool spans(const PolylineVertices::Vertex& from, const PolylineVertices::Vertex& to);
  // The vertices segment `index` joins.
  SegmentEnds endsOf(int index) const;
  // The line or the arc (by the bulge of `from`) from `from` to `to` in a tilted plane, seen
  // from above.
  Segment planeSegment(const Head& head, std::size_t from, std::size_t to) const;
  // Gives vertices without widths of their own the head's default or constant width.
  static void applyDefaultWidths(const Head& head, PolylineVertices& vertices);
  // Walks the pieces in segment order: for a wide segment first band(segment, outline) with
  // the band's outline (the polyline's coordinates), then for every segment centre(segment).
  template <class Centre, class Band>
  void walkPieces(Centre centre, Band band) const;

  PolylineVertices vertices_;
  // The segments: segmentCount_ of them. Without `segmentEnds_`, segment k joins vertex k
  // and k + 1, the last one of a closed polyline the last vertex and the first.
  int segmentCount_ = 0;
  std::vector<SegmentEnds> segmentEnds_;
  // The segments of a polyline in a tilted plane, made once; empty for every other.
  std::vector<Segment> planeSegments_;
  // The layer, layer name, colour, linetype and its scale, and paper space mark of the
  // polyline, which every segment gets.
  Linie looks_;
  std::int32_t flags_ = 0;
  // A polyface mesh's faces, numbering vertices_ from 1; empty for every other polyline.
  std::vector<polylinemesh::Face> faces_;
  // A polygon mesh's M and N (vertices_ holds M rows of N).
  std::int32_t meshM_ = 0;
  std::int32_t meshN_ = 0;
  // The linetype name as read (group 6), written back as it stands.
  std::string linetype_;
};
