// The pointer position text of the status line.
#include "viewer/PointerPosition.h"

#include <gtest/gtest.h>

namespace {

struct PositionCase {
  double x;
  double y;
  const char* text;
};

TEST(PointerPosition, OneDecimalInMillimetresWithoutANegativeZero) {
  const PositionCase cases[] = {
      {123.44, 56.66, "x 123.4  y 56.7 mm"},
      {0.0, 0.0, "x 0.0  y 0.0 mm"},
      {-0.04, -0.049, "x 0.0  y 0.0 mm"},
      {-12.25, 7.0, "x -12.3  y 7.0 mm"},
      {1234567.891, -0.06, "x 1234567.9  y -0.1 mm"},
  };
  for (const PositionCase& c : cases) {
    EXPECT_EQ(pointerPositionText(c.x, c.y), c.text) << c.x << " " << c.y;
  }
}

}  // namespace
