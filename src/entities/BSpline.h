// B-spline curves in the plane: evaluation, interpolation through points and flattening.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "entities/DrawingArea.h"
#include "entities/WorldBox.h"

// A non-uniform (optionally rational) B-spline of any degree. Control points with weights
// are kept in homogeneous form, so placing the curve (scale, turn, mirror, move) only
// moves its control points and the shape stays exact.
class BSpline {
 public:
  // Degrees above this are read as this: no drawing uses more, and evaluation stays cheap.
  static constexpr int kMaxDegree = 11;
  // Fit points beyond this are joined by straight chords instead of an interpolating curve.
  static constexpr int kMaxFitPoints = 1000;
  // The degree of every curve through fit points, whatever the file says.
  static constexpr int kFitDegree = 3;

  // A curve from its definition. Knots that do not fit (wrong count, decreasing, empty
  // domain) are replaced by clamped uniform ones; weights that are missing, of the wrong
  // count or not positive count as 1. Null when there are fewer than two control points.
  static std::optional<BSpline> fromControlPoints(int degree, std::vector<double> knots,
                                                  std::vector<WorldPoint> control,
                                                  std::vector<double> weights);
  // The cubic through the fit points as CAD programs make it: chord-length parameters,
  // the inner knots at the fit points, and the end directions given (both) or estimated
  // from the points near each end. Null when fewer than two distinct points are given.
  static std::optional<BSpline> throughPoints(const std::vector<WorldPoint>& fit,
                                              std::optional<WorldPoint> startTangent,
                                              std::optional<WorldPoint> endTangent);

  int degree() const { return degree_; }
  const std::vector<double>& knots() const { return knots_; }
  std::vector<WorldPoint> controlPoints() const;
  int controlCount() const { return static_cast<int>(control_.size()); }
  const std::vector<double>& weights() const { return weights_; }
  double startParameter() const { return knots_[degree_]; }
  double endParameter() const { return knots_[knots_.size() - 1 - degree_]; }

  // The point at parameter t (clamped to the domain).
  WorldPoint at(double t) const;

  // Moves every control point by `map` (an affine map keeps the curve exact).
  void mapControlPoints(const std::function<WorldPoint(WorldPoint)>& map);

  // The box around the control points, which holds the whole curve.
  WorldBox controlBox() const;

  // Points along the curve, first and last included, whose chords stay within `tolerance`
  // of it. Pieces whose control points lie outside `window` (when given) are left as one
  // chord each. No more than `budget` points come out; past that the chords get coarser.
  std::vector<WorldPoint> flatten(double tolerance, int budget,
                                  const std::optional<WorldBox>& window = std::nullopt) const;

 private:
  struct Homogeneous {
    double x = 0.0;
    double y = 0.0;
    double w = 1.0;
  };
  BSpline(int degree, std::vector<double> knots, std::vector<Homogeneous> control);

  // Index of the knot span holding t (degree <= span < control count).
  int spanOf(double t) const;
  static int spanIn(const std::vector<double>& knots, int degree, int count, double t);
  // The box of the control points that shape the curve between parameters a and b.
  WorldBox pieceBox(double a, double b) const;

  int degree_ = 1;
  std::vector<double> knots_;
  std::vector<Homogeneous> control_;
  std::vector<double> weights_;
};
