// A device context whose circles and arcs all come down to one elliptic-arc primitive.
#pragma once

#include "entities/DeviceContext.h"

// Maps circles, arcs (angles counter-clockwise with y up) and native arcs (bounding box and
// direction points) onto strokeEllipticArc, so every painter turns them into curves alike.
class EllipticArcContext : public DeviceContext {
 public:
  void circle(double cx, double cy, double r) override;
  void arc(double cx, double cy, double rx, double ry, double startAngle, double endAngle) override;
  void native_arc(double left, double top, double right, double bottom, double startX,
                  double startY, double endX, double endY) override;

  // The full ellipse of radii |rx| and |ry| around the centre, counter-clockwise as seen.
  void ellipse(double cx, double cy, double rx, double ry);

 protected:
  // Strokes the elliptic arc (cx + rx cos t, cy + ry sin t) for t from t0 to t0 + sweep,
  // 0 < sweep <= 2 pi; the signs of rx and ry choose the direction on the device.
  virtual void strokeEllipticArc(double cx, double cy, double rx, double ry, double t0,
                                 double sweep) = 0;
};
