// Object coordinate systems: the extrusion direction of planar entities.
#include "entities/Extrusion.h"

#include <cmath>
#include <numbers>

namespace {

// Below this, N lies so close to the world z axis that the world y axis builds its x axis.
constexpr double kArbitraryAxisLimit = 1.0 / 64.0;

void cross(const double a[3], const double b[3], double out[3]) {
  out[0] = a[1] * b[2] - a[2] * b[1];
  out[1] = a[2] * b[0] - a[0] * b[2];
  out[2] = a[0] * b[1] - a[1] * b[0];
}

void normalise(double v[3]) {
  const double length = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
  if (length == 0.0 || !std::isfinite(length)) return;
  for (int i = 0; i < 3; ++i) v[i] /= length;
}

}  // namespace

bool Extrusion::take(int code, double value) {
  switch (code) {
    case 210: x_ = value; return true;
    case 220: y_ = value; return true;
    case 230: z_ = value; return true;
    default: return false;
  }
}

Extrusion::Axes Extrusion::axes() const {
  Axes axes{{1.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, {x_, y_, z_}};
  normalise(axes.az);
  const double length = std::sqrt(x_ * x_ + y_ * y_ + z_ * z_);
  // No direction at all: taken as the world's.
  if (length == 0.0 || !std::isfinite(length)) return Axes{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
  static constexpr double kWorldY[3] = {0.0, 1.0, 0.0};
  static constexpr double kWorldZ[3] = {0.0, 0.0, 1.0};
  const bool nearZ =
      std::fabs(axes.az[0]) < kArbitraryAxisLimit && std::fabs(axes.az[1]) < kArbitraryAxisLimit;
  cross(nearZ ? kWorldY : kWorldZ, axes.az, axes.ax);
  normalise(axes.ax);
  cross(axes.az, axes.ax, axes.ay);
  normalise(axes.ay);
  return axes;
}

void Extrusion::toWorld(double& x, double& y, double z) const {
  if (isWorld()) return;
  const Axes a = axes();
  const double wx = x * a.ax[0] + y * a.ay[0] + z * a.az[0];
  const double wy = x * a.ax[1] + y * a.ay[1] + z * a.az[1];
  x = wx;
  y = wy;
}

double Extrusion::angleToWorld(double degrees) const {
  if (isWorld()) return degrees;
  const double radians = degrees / 180.0 * std::numbers::pi;
  double x = std::cos(radians);
  double y = std::sin(radians);
  toWorld(x, y);
  return std::atan2(y, x) * 180.0 / std::numbers::pi;
}

bool Extrusion::mirrors() const {
  if (isWorld()) return false;
  const Axes a = axes();
  return a.ax[0] * a.ay[1] - a.ax[1] * a.ay[0] < 0.0;
}

bool Extrusion::isTilted() const { return (x_ != 0.0 || y_ != 0.0) && std::isfinite(x_ + y_ + z_); }

EllipseArc Extrusion::seenFromAbove(const EllipseArc& inPlane, double elevation) const {
  double xAxisX = 1.0, xAxisY = 0.0;
  double yAxisX = 0.0, yAxisY = 1.0;
  double originX = 0.0, originY = 0.0;
  toWorld(xAxisX, xAxisY);
  toWorld(yAxisX, yAxisY);
  toWorld(originX, originY, elevation);
  return inPlane.mapped(xAxisX, yAxisX, xAxisY, yAxisY, originX, originY);
}
