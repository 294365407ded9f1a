// B-spline curves in the plane: evaluation, interpolation through points and flattening.
#include "entities/BSpline.h"

#include <algorithm>
#include <cmath>

namespace {

// Subdivisions of a chord before its error is taken as it stands.
constexpr int kMaxRefineDepth = 24;
// Chords per knot span before refining, so that no wiggle between samples is missed.
constexpr int kStartChordsPerSpan = 4;

double distanceToChord(WorldPoint p, WorldPoint a, WorldPoint b) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double length = std::hypot(dx, dy);
  if (length == 0.0) return std::hypot(p.x - a.x, p.y - a.y);
  return std::fabs(dx * (p.y - a.y) - dy * (p.x - a.x)) / length;
}

bool validKnots(const std::vector<double>& knots, std::size_t count, int degree) {
  if (knots.size() != count + degree + 1) return false;
  for (std::size_t i = 1; i < knots.size(); ++i) {
    if (!(knots[i] >= knots[i - 1]) || !std::isfinite(knots[i])) return false;
  }
  return knots[degree] < knots[count];
}

std::vector<double> clampedUniformKnots(std::size_t count, int degree) {
  std::vector<double> knots(count + degree + 1, 0.0);
  const std::size_t inner = count - degree;
  for (std::size_t i = 0; i < knots.size(); ++i) {
    if (i <= static_cast<std::size_t>(degree)) continue;
    knots[i] = i >= count ? 1.0 : double(i - degree) / double(inner);
  }
  return knots;
}

// Values of the degree + 1 basis functions that are not zero at t in knot span `span`.
std::vector<double> basisAt(const std::vector<double>& knots, int span, int degree, double t) {
  std::vector<double> values(degree + 1, 0.0), left(degree + 1), right(degree + 1);
  values[0] = 1.0;
  for (int j = 1; j <= degree; ++j) {
    left[j] = t - knots[span + 1 - j];
    right[j] = knots[span + j] - t;
    double saved = 0.0;
    for (int r = 0; r < j; ++r) {
      const double denominator = right[r + 1] + left[j - r];
      const double term = denominator != 0.0 ? values[r] / denominator : 0.0;
      values[r] = saved + right[r + 1] * term;
      saved = left[j - r] * term;
    }
    values[j] = saved;
  }
  return values;
}

// Solves the square system rows * x = rhs (two right-hand sides: x and y) by elimination
// with row pivoting; false when it is singular.
bool solve(std::vector<std::vector<double>>& rows, std::vector<WorldPoint>& rhs) {
  const std::size_t n = rows.size();
  for (std::size_t j = 0; j < n; ++j) {
    std::size_t pivot = j;
    for (std::size_t i = j + 1; i < n; ++i) {
      if (std::fabs(rows[i][j]) > std::fabs(rows[pivot][j])) pivot = i;
    }
    if (std::fabs(rows[pivot][j]) < 1e-14) return false;
    std::swap(rows[pivot], rows[j]);
    std::swap(rhs[pivot], rhs[j]);
    for (std::size_t i = j + 1; i < n; ++i) {
      // Interpolation matrices are banded: most rows have nothing to remove.
      if (rows[i][j] == 0.0) continue;
      const double f = rows[i][j] / rows[j][j];
      for (std::size_t k = j; k < n; ++k) rows[i][k] -= f * rows[j][k];
      rhs[i].x -= f * rhs[j].x;
      rhs[i].y -= f * rhs[j].y;
    }
  }
  for (std::size_t j = n; j-- > 0;) {
    for (std::size_t k = j + 1; k < n; ++k) {
      rhs[j].x -= rows[j][k] * rhs[k].x;
      rhs[j].y -= rows[j][k] * rhs[k].y;
    }
    rhs[j].x /= rows[j][j];
    rhs[j].y /= rows[j][j];
  }
  return true;
}

WorldPoint unit(WorldPoint d) {
  const double length = std::hypot(d.x, d.y);
  return length > 0.0 ? WorldPoint{d.x / length, d.y / length} : WorldPoint{};
}

double crossLength(WorldPoint a, WorldPoint b) { return std::fabs(a.x * b.y - a.y * b.x); }

// The curve's direction at its first (last) fit point from the five nearest chords, as
// CAD programs estimate it (Akima's rule): the chords beyond the ends are extended
// linearly, and the direction mixes the chords on either side, weighted by how much the
// chords beyond them turn.
WorldPoint estimatedEndDirection(const std::vector<WorldPoint>& fit, bool atStart) {
  const int n = static_cast<int>(fit.size());
  if (n < 3) return {fit[n - 1].x - fit[0].x, fit[n - 1].y - fit[0].y};
  // chord(k) = fit[k] - fit[k - 1] for k = 1 .. n - 1, extended to k = -1 .. n + 1.
  std::vector<WorldPoint> chords(n + 3);
  const auto chord = [&chords](int k) -> WorldPoint& { return chords[k + 1]; };
  for (int k = 1; k < n; ++k) chord(k) = {fit[k].x - fit[k - 1].x, fit[k].y - fit[k - 1].y};
  const auto extend = [](WorldPoint a, WorldPoint b) {
    return WorldPoint{2 * a.x - b.x, 2 * a.y - b.y};
  };
  chord(0) = extend(chord(1), chord(2));
  chord(n) = extend(chord(n - 1), chord(n - 2));
  chord(n + 1) = extend(chord(n), chord(n - 1));
  chord(-1) = extend(chord(0), chord(1));
  const int k = atStart ? 0 : n - 1;
  const double before = crossLength(chord(k - 1), chord(k));
  const double after = crossLength(chord(k + 1), chord(k + 2));
  const double alpha = before + after > 0.0 ? before / (before + after) : 0.5;
  return {(1 - alpha) * chord(k).x + alpha * chord(k + 1).x,
          (1 - alpha) * chord(k).y + alpha * chord(k + 1).y};
}

}  // namespace

BSpline::BSpline(int degree, std::vector<double> knots, std::vector<Homogeneous> control)
    : degree_(degree), knots_(std::move(knots)), control_(std::move(control)) {
  weights_.reserve(control_.size());
  for (const Homogeneous& c : control_) weights_.push_back(c.w);
}

std::optional<BSpline> BSpline::fromControlPoints(int degree, std::vector<double> knots,
                                                  std::vector<WorldPoint> control,
                                                  std::vector<double> weights) {
  const std::size_t count = control.size();
  if (count < 2) return std::nullopt;
  degree = std::clamp(degree, 1, std::min(kMaxDegree, static_cast<int>(count) - 1));
  if (!validKnots(knots, count, degree)) knots = clampedUniformKnots(count, degree);
  const bool weighted =
      weights.size() == count && std::all_of(weights.begin(), weights.end(),
                                             [](double w) { return w > 0.0 && std::isfinite(w); });
  std::vector<Homogeneous> homogeneous(count);
  for (std::size_t i = 0; i < count; ++i) {
    const double w = weighted ? weights[i] : 1.0;
    homogeneous[i] = {control[i].x * w, control[i].y * w, w};
  }
  return BSpline(degree, std::move(knots), std::move(homogeneous));
}

std::optional<BSpline> BSpline::throughPoints(const std::vector<WorldPoint>& fitPoints,
                                              std::optional<WorldPoint> startTangent,
                                              std::optional<WorldPoint> endTangent) {
  std::vector<WorldPoint> fit;
  for (const WorldPoint& p : fitPoints) {
    if (fit.empty() || p.x != fit.back().x || p.y != fit.back().y) fit.push_back(p);
  }
  const std::size_t n = fit.size();
  if (n < 2) return std::nullopt;
  if (n > static_cast<std::size_t>(kMaxFitPoints)) {
    return fromControlPoints(1, {}, std::move(fit), {});
  }
  // Chord-length parameters from 0 to 1.
  std::vector<double> u(n, 0.0);
  for (std::size_t k = 1; k < n; ++k) {
    u[k] = u[k - 1] + std::hypot(fit[k].x - fit[k - 1].x, fit[k].y - fit[k - 1].y);
  }
  const double total = u[n - 1];
  for (double& value : u) value /= total;
  u[n - 1] = 1.0;

  // Both end directions given, or both estimated from the points near each end.
  const bool given = startTangent && endTangent;
  const WorldPoint d0 = unit(given ? *startTangent : estimatedEndDirection(fit, true));
  const WorldPoint d1 = unit(given ? *endTangent : estimatedEndDirection(fit, false));

  // Cubic through every fit point with the end derivatives (direction times the total
  // chord length): two control points more than fit points, the inner knots at the fit
  // points' parameters.
  constexpr int p = kFitDegree;
  const std::size_t count = n + 2;
  std::vector<double> knots(p + 1, 0.0);
  knots.insert(knots.end(), u.begin() + 1, u.end() - 1);
  knots.insert(knots.end(), p + 1, 1.0);

  std::vector<std::vector<double>> rows;
  std::vector<WorldPoint> rhs;
  auto basisRow = [&](double t) {
    std::vector<double> row(count, 0.0);
    const int span = spanIn(knots, p, static_cast<int>(count), t);
    const std::vector<double> values = basisAt(knots, span, p, t);
    for (int i = 0; i <= p; ++i) row[span - p + i] = values[i];
    return row;
  };
  // The first (last) control leg is the end derivative times its knot step.
  auto legRow = [&](std::size_t first) {
    std::vector<double> row(count, 0.0);
    row[first] = -1.0;
    row[first + 1] = 1.0;
    return row;
  };
  rows.push_back(basisRow(0.0));
  rhs.push_back(fit[0]);
  const double startLeg = total * knots[p + 1] / p;
  rows.push_back(legRow(0));
  rhs.push_back({d0.x * startLeg, d0.y * startLeg});
  for (std::size_t k = 1; k + 1 < n; ++k) {
    rows.push_back(basisRow(u[k]));
    rhs.push_back(fit[k]);
  }
  const double endLeg = total * (1.0 - knots[count - 1]) / p;
  rows.push_back(legRow(count - 2));
  rhs.push_back({d1.x * endLeg, d1.y * endLeg});
  rows.push_back(basisRow(1.0));
  rhs.push_back(fit[n - 1]);
  if (!solve(rows, rhs)) return fromControlPoints(1, {}, std::move(fit), {});
  return fromControlPoints(p, std::move(knots), std::move(rhs), {});
}

std::vector<WorldPoint> BSpline::controlPoints() const {
  std::vector<WorldPoint> points;
  points.reserve(control_.size());
  for (const Homogeneous& c : control_) points.push_back({c.x / c.w, c.y / c.w});
  return points;
}

int BSpline::spanOf(double t) const {
  return spanIn(knots_, degree_, static_cast<int>(control_.size()), t);
}

int BSpline::spanIn(const std::vector<double>& knots, int degree, int count, double t) {
  const int last = count - 1;
  if (t >= knots[last + 1]) {
    int span = last;
    while (span > degree && knots[span] >= knots[span + 1]) --span;
    return span;
  }
  if (t <= knots[degree]) {
    int span = degree;
    while (span < last && knots[span + 1] <= knots[degree]) ++span;
    return span;
  }
  // The last knot not above t, within degree .. last.
  const auto upper = std::upper_bound(knots.begin() + degree, knots.begin() + last + 1, t);
  return static_cast<int>(upper - knots.begin()) - 1;
}

WorldPoint BSpline::at(double t) const {
  t = std::clamp(t, startParameter(), endParameter());
  const int span = spanOf(t);
  Homogeneous d[kMaxDegree + 1];
  for (int j = 0; j <= degree_; ++j) d[j] = control_[span - degree_ + j];
  for (int r = 1; r <= degree_; ++r) {
    for (int j = degree_; j >= r; --j) {
      const double from = knots_[span - degree_ + j];
      const double to = knots_[span + 1 + j - r];
      const double alpha = to > from ? (t - from) / (to - from) : 0.0;
      d[j] = {(1.0 - alpha) * d[j - 1].x + alpha * d[j].x,
              (1.0 - alpha) * d[j - 1].y + alpha * d[j].y,
              (1.0 - alpha) * d[j - 1].w + alpha * d[j].w};
    }
  }
  return {d[degree_].x / d[degree_].w, d[degree_].y / d[degree_].w};
}

void BSpline::mapControlPoints(const std::function<WorldPoint(WorldPoint)>& map) {
  for (Homogeneous& c : control_) {
    const WorldPoint moved = map({c.x / c.w, c.y / c.w});
    c = {moved.x * c.w, moved.y * c.w, c.w};
  }
}

WorldBox BSpline::controlBox() const { return pieceBox(startParameter(), endParameter()); }

WorldBox BSpline::pieceBox(double a, double b) const {
  const int first = spanOf(a) - degree_;
  const int last = spanOf(b);
  WorldBox box;
  for (int i = first; i <= last; ++i)
    box.add({control_[i].x / control_[i].w, control_[i].y / control_[i].w});
  return box;
}

std::vector<WorldPoint> BSpline::flatten(double tolerance, int budget,
                                         const std::optional<WorldBox>& window) const {
  // The distinct knots of the domain, each span cut into a few equal pieces.
  std::vector<double> starts;
  const double a = startParameter();
  const double b = endParameter();
  for (std::size_t i = degree_; i + degree_ < knots_.size(); ++i) {
    const double k = knots_[i];
    if (k < a || k > b || (!starts.empty() && k <= starts.back())) continue;
    starts.push_back(k);
  }
  budget = std::max(budget, 2);
  const int spans = static_cast<int>(starts.size()) - 1;
  const int perSpan = std::clamp((budget / 2) / std::max(spans, 1), 1, kStartChordsPerSpan);
  std::vector<double> parameters;
  for (int s = 0; s < spans; ++s) {
    for (int i = 0; i < perSpan; ++i) {
      parameters.push_back(starts[s] + (starts[s + 1] - starts[s]) * i / perSpan);
    }
  }
  parameters.push_back(b);
  // Too many spans for the budget: every how-many-th start parameter is kept.
  if (static_cast<int>(parameters.size()) > budget) {
    std::vector<double> thinned;
    const double step = double(parameters.size() - 1) / double(budget - 1);
    for (int i = 0; i < budget; ++i) thinned.push_back(parameters[std::lround(i * step)]);
    parameters.swap(thinned);
  }

  int spare = budget - static_cast<int>(parameters.size());
  std::vector<WorldPoint> points;
  points.reserve(parameters.size());
  points.push_back(at(parameters[0]));
  struct Piece {
    double t0, t1;
    WorldPoint p0, p1;
    int depth;
  };
  std::vector<Piece> stack;
  for (std::size_t i = 1; i < parameters.size(); ++i) {
    stack.push_back({parameters[i - 1], parameters[i], points.back(), at(parameters[i]), 0});
    while (!stack.empty()) {
      const Piece piece = stack.back();
      stack.pop_back();
      const double mid = 0.5 * (piece.t0 + piece.t1);
      bool refine = spare > 0 && piece.depth < kMaxRefineDepth &&
                    (!window || pieceBox(piece.t0, piece.t1).overlaps(*window));
      WorldPoint middle{};
      if (refine) {
        middle = at(mid);
        const double quarter = 0.25 * (piece.t1 - piece.t0);
        const WorldPoint q1 = at(piece.t0 + quarter);
        const WorldPoint q3 = at(piece.t1 - quarter);
        const double error = std::max({distanceToChord(middle, piece.p0, piece.p1),
                                       distanceToChord(q1, piece.p0, piece.p1),
                                       distanceToChord(q3, piece.p0, piece.p1)});
        refine = error > tolerance;
        // A piece far outside the window, by its samples grown by their error, stays coarse.
        if (refine && window) {
          WorldBox seen;
          for (const WorldPoint& p : {piece.p0, q1, middle, q3, piece.p1}) seen.add(p);
          refine = seen.grown(2.0 * error + tolerance).overlaps(*window);
        }
      }
      if (!refine) {
        points.push_back(piece.p1);
        continue;
      }
      --spare;
      // The second half waits beneath the first, so points come out in order.
      stack.push_back({mid, piece.t1, middle, piece.p1, piece.depth + 1});
      stack.push_back({piece.t0, mid, piece.p0, middle, piece.depth + 1});
    }
  }
  return points;
}
