// Cosine and sine of an angle in degrees, exact for whole quarter turns.
#include "entities/QuarterTurns.h"

#include <cmath>
#include <numbers>

namespace {

// Beyond this many quarter turns a double no longer tells neighbouring multiples apart.
constexpr double kLargestExactQuarters = 9007199254740992.0;  // 2^53

}  // namespace

CosSin cosSinOfDegrees(double degrees) {
  const double quarters = degrees / 90.0;
  if (quarters == std::trunc(quarters) && std::fabs(quarters) < kLargestExactQuarters) {
    switch (static_cast<int>(std::fmod(quarters, 4.0) + 4.0) % 4) {
      case 0: return {1.0, 0.0};
      case 1: return {0.0, 1.0};
      case 2: return {-1.0, 0.0};
      default: return {0.0, -1.0};
    }
  }
  const double radians = degrees / 180.0 * std::numbers::pi;
  return {std::cos(radians), std::sin(radians)};
}
