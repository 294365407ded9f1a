// Base of every drawable entity: shared attributes, the virtual operations, pen cache.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>
#include <iosfwd>
#include <iterator>
#include <vector>

#include "entities/DeviceContext.h"
#include "entities/DrawingArea.h"
#include "entities/Extrusion.h"
#include "entities/LinePatterns.h"
#include "dxf/GroupLines.h"
#include "dxf/GroupTable.h"
#include "dxf/Layer.h"

class Punkt;
class Linie;
class Kreis;
class Kreisbogen;

// An entity of a drawing (line, circle, arc, point, solid, text). Coordinates are doubles
// in drawing units (mm); angle arguments are degrees. The virtual operations below are the
// family's whole interface; the base gives the fallback behaviour of a kind that does not
// provide an operation.
//
// The entity follows its layer: assignLayer copies the layer's colour, line style code and
// visibility; an entity whose colour was set explicitly (ownColour) keeps its colour.
class DXFGeometrie {
 public:
  static constexpr int kLayerNameSize = 50;
  static constexpr int kColourNumberSize = 10;
  static constexpr int kColourSize = 10;
  // Colour numbers with a meaning of their own.
  static constexpr int kByBlock = 0;
  static constexpr int kByLayer = 256;

  virtual ~DXFGeometrie() = default;

  // The DXF entity name ("LINE", "CIRCLE", ...).
  virtual const char* typeName() const = 0;
  // 0 when the entity lies entirely outside the window by the kind's quick test, else 1.
  virtual int touchesWindow(double minX, double minY, double maxX, double maxY) const;
  // The x (y) values greater than threshold c move by d (clamping per kind).
  virtual void stretchX(double c, double d);
  virtual void stretchY(double c, double d);
  // Every x (y) value grows by d.
  virtual void moveX(double d);
  virtual void moveY(double d);
  // Every x (y) value = value * k + b.
  virtual void scaleX(double k, double b);
  virtual void scaleY(double k, double b);
  // Does scaleX(k, bx), then scaleY(k, by), unless the kind says otherwise.
  virtual void scaleXY(double k, double bx, double by);
  // Stores the geometry placed by scale s, angle a (degrees) and offsets dx, dy; for a
  // negative s the result is mirrored top to bottom and lengths stay positive. dz unused.
  virtual void transform(double s, double a, double dx, double dy, double dz);
  // Draws the placed entity into a world-coordinate drawing area.
  virtual void draw(DrawingArea& area, double s, double dx, double dy, double a) const;
  // Draws the placed entity on a device onto which the window (minX, minY) to
  // (maxX, maxY) is fitted.
  virtual void drawOnDevice(DeviceContext& dc, double s, double minX, double minY, double maxX,
                            double maxY, double dx, double dy, double a) const;
  // Reads the group pairs after the type name line up to and including the next group
  // code 0; 0, or the kind's negative end-of-file code.
  virtual int readGroups(DxfLineReader& in) = 0;
  // Writes the entity from its type name to its closing "  0" line; returns 0. Numbers
  // use the stream's format (the file writer sets fixed notation with four decimals).
  virtual int writeGroups(std::ostream& out) const = 0;
  // Point at curve parameter t (0 start, 1 end).
  virtual Punkt pointAt(double t) const;
  // Curve parameter of a point on the entity; only arcs look at the marker (a non-null
  // marker makes an arc report points off it as -1 instead of 0).
  virtual double parameterOf(const Punkt& point, const void* marker) const;
  // Signed distance of a point from the entity.
  virtual double distanceTo(const Punkt& point) const;
  // Larger (smaller) x and y of the entity's extent.
  virtual Punkt maxCorner() const;
  virtual Punkt minCorner() const;
  // Number of intersection points (0 to 2) written to first, then second; -1
  // when the kind does not intersect.
  virtual int intersectCircle(const Kreis& circle, Punkt& first, Punkt& second) const;
  virtual int intersectArc(const Kreisbogen& arc, Punkt& first, Punkt& second) const;
  virtual int intersectLine(const Linie& line, Punkt& first, Punkt& second) const;
  // The units of drawing work one placed copy of the entity costs a placement budget: one
  // for most kinds, more for those made of many pieces, so that a budget bounds the work of
  // drawing and exploding copies, not merely their number.
  virtual long placementCost() const { return 1; }

  // Takes the attributes of `layer` (none: only the pointer is cleared).
  void assignLayer(const Layer* layer);
  // Takes layer, layer name, colour number and colour, line style, own colour mark,
  // visibility, paper space mark and linetype of `other`: the pieces a kind is drawn and
  // saved as look like the entity they stand for.
  void takeAttributesOf(const DXFGeometrie& other);
  // Takes every attribute of `other`, its linetype scale and true colour too: the segments
  // a polyline makes when asked for look exactly like the polyline.
  void takeAllAttributesOf(const DXFGeometrie& other) { DXFGeometrie::operator=(other); }
  // Assigns the first layer, in list order, whose name equals layerName exactly; 1 when
  // one was found, else 0 (the entity then keeps no layer).
  int attachLayer(const std::vector<Layer*>& layers);
  // The same over any iterator range whose elements convert to `const Layer*`.
  template <class Iterator>
  int attachLayer(Iterator first, Iterator last);
  // The same over an indexed list read as layerAt(0), layerAt(1), ... until it gives null
  // (the document's item vectors offer such an accessor).
  template <class LayerAt>
  int attachLayerAt(LayerAt layerAt);

  const Layer* layer() const { return layer_; }
  // Name of the entity's layer (group 8), cut to kLayerNameSize - 1 characters like the
  // layer table's names.
  const char* layerName() const { return layerName_; }
  void setLayerName(const char* name);
  // Colour number text as read (group 62), "256" when none was read.
  const char* colourNumber() const { return colourNumber_; }
  // Drawing colour: "#RRGGBB", or "BYLAYER" / "BYBLOCK" while no layer was assigned.
  const char* colour() const { return colour_; }
  void setColour(const char* colour);
  std::uint16_t lineStyleCode() const { return lineStyleCode_; }
  // 1: the colour stays when the layer's colour changes, and 62/256 is written.
  std::int32_t ownColour() const { return ownColour_; }
  // 0: every drawing operation does nothing.
  std::int32_t visible() const { return visible_; }
  // Group 67 = 1: the entity belongs to paper space and is not drawn in the model view.
  bool inPaperSpace() const { return paperSpace_; }
  void setPaperSpace(bool paperSpace) {
    paperSpace_ = paperSpace;
    if (paperSpace) visible_ = 0;
  }
  // Group 60 = 1: the file marks the entity invisible; it is kept and saved, not drawn.
  bool markedInvisible() const { return markedInvisible_; }
  // The entity's own linetype (group 6), or "" when it follows its layer.
  const char* linetypeName() const { return linetype_; }
  // Gives a BYBLOCK line the linetype of the insert that places it.
  void takeBlockLinetype(const char* name) { setLinetypeName(name); }
  // The linetype drawn: the entity's own, else its layer's ("" without either).
  const char* drawnLinetypeName() const;
  // The entity's own linetype scale (group 48), multiplying the drawing's.
  double linetypeScale() const { return linetypeScale_; }
  // True colour (group 420) as 0xRRGGBB, or -1 when the entity has none.
  std::int32_t trueColour() const { return trueColour_; }
  // Line weight (group 370) as read: hundredths of a mm or a special value (LineWeight.h).
  std::int16_t lineWeight() const { return lineWeight_; }
  // Sets the line weight: the polyline's for its segments, the insert's for a BYBLOCK line.
  void setLineWeight(std::int16_t weight) { lineWeight_ = weight; }
  // The weight drawn: the entity's own width, else its layer's, else LineWeight::kDefault.
  std::int16_t drawnLineWeight() const;
  // Gives the entity the colour number, true colour (-1: none), linetype ("": the
  // layer's) and linetype scale of the object it is part of (a polyline's segments), with
  // the colour derived from them.
  void takeLooks(const char* colourNumber, std::int32_t trueColour, const char* linetype,
                 double linetypeScale);
  // Fills the polygon (placed world points) in the entity's colour, unless it is hidden:
  // the wide bands of polylines.
  void fillPolygon(DrawingArea& area, const WorldPoint* points, int count) const;
  void fillPolygonOnDevice(DeviceContext& dc, const DevicePoint* points, int count) const;
  // Strokes the open polyline (placed world points, or device pixels) with the entity's
  // pen in one go, unless it is hidden: a dash pattern runs on along the whole curve, as
  // it does along an ellipse, a spline or a polyline that generates its linetype
  // continuously.
  void strokePolyline(DrawingArea& area, const WorldPoint* points, int count) const;
  void strokePolylineOnDevice(DeviceContext& dc, const DevicePoint* points, int count) const;

  // Colour text of a DXF colour number: the layer colours, 0 "BYBLOCK", 256 "BYLAYER".
  static const char* colourOfNumber(int number);

  // Pen cache shared by screen and printer: call before a full redraw or print so that
  // the first entity drawn sets line style and colour afresh.
  static void resetPenCache();
  static std::uint16_t penStyleCache() { return penStyleCache_; }
  static const char* penColourCache() { return penColourCache_; }

  // Reads the next line as a real (strtod rules); 0.0 when it is no number.
  static double readDouble(DxfLineReader& in) { return in.readReal(); }
  // Reads the next line as an integer (atoi rules, clamped).
  static int readInt(DxfLineReader& in);

  // Placement transform: (x, y) scaled by s, rotated by a degrees, moved by (dx, dy).
  static WorldPoint place(double x, double y, double s, double a, double dx, double dy);
  // Device fit factor: the smaller of width/(maxX - minX) and height/(maxY - minY).
  static double fitFactor(const DeviceContext& dc, double minX, double minY, double maxX,
                          double maxY);

 protected:
  // Default: no layer, layer name "0", colour number "256", colour "BYLAYER", line style
  // 0, ownColour 0, visible.
  DXFGeometrie();
  // Copies layer, layer name, colour, line style code and visibility; ownColour starts at
  // 0 and the colour number at "256" (kinds that copy it do so themselves).
  DXFGeometrie(const DXFGeometrie& other);
  DXFGeometrie& operator=(const DXFGeometrie& other) = default;
  // Value constructors of the kinds: with a layer, its name, colour, line style code and
  // visibility are copied; without, the colour is "BYLAYER".
  explicit DXFGeometrie(const Layer* layer);

  // Copies the colour number text (group 62).
  void setColourNumber(const char* number);
  // colour from colourNumber by the colour table.
  void deriveColour();

  // Pen selection: line style and colour, each only when it differs from the cache.
  void selectPen(DrawingArea& area) const;
  void selectPen(DeviceContext& dc) const;
  // Colour only (points and solids leave the line style alone).
  void selectColour(DrawingArea& area) const;
  // The pen's width for the entity's line weight.
  void selectLineWidth(DrawingArea& area) const;
  void selectLineWidth(DeviceContext& dc) const;
  // The entity's linetype pattern from `patterns` (null: none) in drawing units times its
  // scales, into `lengths`; false when the entity draws with its line style code.
  bool patternLengths(const LinePatterns* patterns, std::vector<double>& lengths) const;

  // A placed circle seen in drawing-area pixels: its centre, the pixels of the world
  // points (r, r) and (0, 0), the pixel radius (their x distance, signed like r) and
  // whether the centre lies inside the container grown by 1.1 pixel radii (strict).
  struct PixelCircle {
    DevicePoint centre;
    DevicePoint radiusPoint;
    DevicePoint origin;
    double radius = 0.0;
    bool visible = false;
  };
  static PixelCircle pixelCircle(const DrawingArea& area, WorldPoint centre, double radius);

  // Draws the curve as n chords between pointAt(i / n) and pointAt((i + 1) / n), placed.
  void drawChords(DrawingArea& area, int n, double s, double dx, double dy, double a) const;

  // The placement that `transform` stores: like place(), but for a negative s the x value
  // uses -s, so the result is mirrored top to bottom.
  static void transformPoint(double& x, double& y, double s, double a, double dx, double dy);
  // Stretch of one value: v > c moves by d; the clamped form does not go below c.
  static double stretchValue(double v, double c, double d);
  static double stretchClamped(double v, double c, double d);

  // The read loop shared by the kinds. Reads pairs until group code 0; takes the first
  // group 8 into layerName, group 62 into colourNumber when `takeColour`, group 6 into the
  // linetype, group 67 into the paper space mark, and hands every other code to
  // onGroup(code, in), which returns true when it read the value line itself. Returns 0,
  // or eofCode when the data ends inside the entity.
  template <class OnGroup>
  int readGroupLoop(DxfLineReader& in, int eofCode, bool takeColour, OnGroup onGroup);
  // As above, but a code for which ownsGroup(code) is true goes to onGroup even when it is
  // one of the common groups: where a kind gives a common code a meaning of its own (an
  // MTEXT's column width is group 48, the linetype scale's code).
  template <class OnGroup, class OwnsGroup>
  int readGroupLoop(DxfLineReader& in, int eofCode, bool takeColour, OnGroup onGroup,
                    OwnsGroup ownsGroup);

  // The read loop for kinds whose own groups are all reals (points, lines, circles, arcs):
  // every code of the kind's group table (dxf/GroupTable.h) reads its value line into its
  // field; the same table writes them. With `extrusion`, the groups 210, 220 and 230 go
  // there.
  template <class Table>
  int readCoordinateGroups(DxfLineReader& in, int eofCode, bool takeColour, const Table& table,
                           Extrusion* extrusion = nullptr);

  // Write frame: type name, layer name, the entity's own linetype and paper space mark,
  // and, when `withColour`, its own colour number unless that is BYLAYER. A kind written as
  // another (one the file format lacks) names that one as `asType`.
  void writeHead(std::ostream& out, bool withColour, const char* asType = nullptr) const;
  // Keeps a linetype name (group 6); BYLAYER and "" mean none.
  void setLinetypeName(const char* name);
  // The closing "  0" line.
  static void writeEnd(std::ostream& out);

  // Fields from the widest to the narrowest, so that no padding lies between them: a
  // drawing holds millions of entities.
  const Layer* layer_ = nullptr;
  // Interned (dxf/InternedNames.h), so every entity of one layer shares the text.
  const char* layerName_ = "0";
  // Interned, so every entity of one linetype shares the text.
  const char* linetype_ = "";
  double linetypeScale_ = 1.0;
  std::int32_t trueColour_ = -1;
  std::uint16_t lineStyleCode_ = 0;
  std::int16_t lineWeight_ = LineWeight::kByLayer;
  char colourNumber_[kColourNumberSize];
  char colour_[kColourSize];
  bool ownColour_ = false;
  bool visible_ = true;
  bool paperSpace_ = false;
  bool markedInvisible_ = false;

 private:
  // Hands the entity's dash pattern to `target` (an area or device context, lengths scaled
  // by `pixelsPerUnit`) unless the pen already has the one of this linetype and scale.
  template <class Target>
  void selectPattern(Target& target, const LinePatterns* patterns, double pixelsPerUnit) const;
  // A solid thin pen, for the outlines of filled bands.
  template <class Target>
  static void selectSolidPen(Target& target);
  // Hands the width in device pixels to `target` unless the pen already has it.
  template <class Target>
  static void selectWidth(Target& target, double pixels);

  // One pen cache per thread: several threads may paint bands of one picture at once.
  static thread_local std::uint16_t penStyleCache_;
  static thread_local char penColourCache_[kColourSize];
  // The linetype name, pattern table and scale the pen's dash pattern was made for.
  static thread_local const char* penPatternNameCache_;
  static thread_local const LinePatterns* penPatternTableCache_;
  static thread_local double penPatternScaleCache_;
  // The pen's width in device pixels.
  static thread_local double penWidthCache_;
};

template <class Iterator>
int DXFGeometrie::attachLayer(Iterator first, Iterator last) {
  for (; first != last; ++first) {
    const Layer* candidate = *first;
    if (candidate && std::strcmp(candidate->name(), layerName_) == 0) {
      assignLayer(candidate);
      return 1;
    }
  }
  return 0;
}

template <class LayerAt>
int DXFGeometrie::attachLayerAt(LayerAt layerAt) {
  for (int i = 0;; ++i) {
    const Layer* candidate = layerAt(i);
    if (!candidate) return 0;
    if (std::strcmp(candidate->name(), layerName_) == 0) {
      assignLayer(candidate);
      return 1;
    }
  }
}

template <class OnGroup>
int DXFGeometrie::readGroupLoop(DxfLineReader& in, int eofCode, bool takeColour, OnGroup onGroup) {
  return readGroupLoop(in, eofCode, takeColour, onGroup, [](int) { return false; });
}

template <class OnGroup, class OwnsGroup>
int DXFGeometrie::readGroupLoop(DxfLineReader& in, int eofCode, bool takeColour, OnGroup onGroup,
                                OwnsGroup ownsGroup) {
  bool layerSeen = false;
  for (;;) {
    const int code = in.readGroupCode(GroupCodeVariant::Entity);
    if (in.eof()) return eofCode;
    if (code == 0) return 0;
    if (ownsGroup(code)) {
      if (!onGroup(code, in)) in.readLine();
    } else if (code == 8 && !layerSeen) {
      layerSeen = true;
      setLayerName(in.readLine());
    } else if (code == 62 && takeColour) {
      copyField(colourNumber_, in.readLine());
    } else if (code == 6) {
      setLinetypeName(in.readLine());
    } else if (code == 48) {
      const double scale = in.readReal();
      // A scale that is not a positive number keeps the drawing's own.
      linetypeScale_ = scale > 0.0 && std::isfinite(scale) ? scale : 1.0;
    } else if (code == 370) {
      lineWeight_ = LineWeight::fromGroup(parseInt(in.readLine()));
    } else if (code == 420 && takeColour) {
      trueColour_ = static_cast<std::int32_t>(parseInt(in.readLine()) & 0xFFFFFF);
    } else if (code == 67) {
      paperSpace_ = parseInt(in.readLine()) == 1;
      if (paperSpace_) visible_ = 0;
    } else if (code == 60) {
      markedInvisible_ = parseInt(in.readLine()) == 1;
      if (markedInvisible_) visible_ = 0;
    } else if (!onGroup(code, in)) {
      in.readLine();
    }
  }
}

template <class Table>
int DXFGeometrie::readCoordinateGroups(DxfLineReader& in, int eofCode, bool takeColour,
                                       const Table& table, Extrusion* extrusion) {
  return readGroupLoop(in, eofCode, takeColour, [&table, extrusion](int code, DxfLineReader& line) {
    if (readListedGroup(line, code, table)) return true;
    if (extrusion && (code == 210 || code == 220 || code == 230)) {
      return extrusion->take(code, readDouble(line));
    }
    return false;
  });
}
