// The geometry of an elliptical arc: points, affine images and flattening into chords.
#pragma once

#include <vector>

#include "entities/Angles.h"
#include "entities/DrawingArea.h"

// An elliptical arc in the drawing's x-y plane: centre c, major axis A (from the centre to
// the end of the major axis), ratio of the minor to the major axis, and the parameters
// start and end in radians. The point at parameter t is
//   c + A cos t + B sin t,  B = ratio * (-A.y, A.x),
// so the arc runs counter-clockwise from start to end, start <= end <= start + 2 pi.
// This is the DXF ELLIPSE seen from above (extrusion (0, 0, 1)).
struct EllipseArc {
  static constexpr double kFullTurn = ::kFullTurn;

  WorldPoint centre;
  WorldPoint major{1.0, 0.0};
  double ratio = 1.0;
  double start = 0.0;
  double end = kFullTurn;

  // The minor axis B.
  WorldPoint minor() const { return {-ratio * major.y, ratio * major.x}; }
  WorldPoint pointAt(double parameter) const;
  bool isFull() const;

  // The arc c + u cos t + v sin t for t from t0 to t1, where u and v are any two
  // conjugate half diameters (the image of a circle's two radii under a linear map), with
  // t0 <= t1 <= t0 + 2 pi. The result is brought into the form above.
  static EllipseArc fromConjugate(WorldPoint centre, WorldPoint u, WorldPoint v, double t0,
                                  double t1);
  // The arc's image under p -> (m00 x + m01 y + ox, m10 x + m11 y + oy).
  EllipseArc mapped(double m00, double m01, double m10, double m11, double ox, double oy) const;
};

// The number of equal parameter steps that keep each chord within `tolerance` of the
// arc, for a major half axis of `majorLength` (in the same unit); at least `minimum`, at
// most kMaxEllipseChords (also for a tolerance of 0 or less).
int chordsWithin(const EllipseArc& arc, double majorLength, double tolerance, int minimum = 4);
inline constexpr int kMaxEllipseChords = 4096;

// The arc as a polyline whose chords stay within `tolerance` of it (drawing units): its
// start point, the inner points and its end point.
std::vector<WorldPoint> flattenedEllipse(const EllipseArc& arc, double tolerance);
