// A hatch painted by the Cairo drawing area: the even-odd fill seen pixel by pixel.
#include <string>

#include <gtest/gtest.h>

#include "PixelCanvas.h"
#include "dxf/GroupLines.h"
#include "entities/Hatch.h"
#include "toolkit/paint/CairoDrawingArea.h"

namespace {

std::string squarePath(int x, int y, int side, int flags) {
  const auto n = [](int v) { return std::to_string(v); };
  return " 92\n" + n(flags) + "\n 72\n0\n 73\n1\n 93\n4\n 10\n" + n(x) + "\n 20\n" + n(y) +
         "\n 10\n" + n(x + side) + "\n 20\n" + n(y) + "\n 10\n" + n(x + side) + "\n 20\n" +
         n(y + side) + "\n 10\n" + n(x) + "\n 20\n" + n(y + side) + "\n 97\n0\n";
}

TEST(HatchPixels, SquareWithSquareIslandIsFilledEvenOdd) {
  // Outline 0..80, island 20..60, and an island in the island 30..50: filled again.
  Hatch hatch;
  auto in = DxfLineReader::fromString("  8\n0\n 62\n5\n 70\n1\n 91\n3\n" + squarePath(0, 0, 80, 3) +
                                      squarePath(20, 20, 40, 18) + squarePath(30, 30, 20, 18) +
                                      " 75\n0\n 76\n1\n 98\n0\n  0\n");
  ASSERT_EQ(hatch.readGroups(in), 0);
  PixelCanvas canvas(100, 100);
  {
    CairoDrawingArea area(canvas.cr(), {100, 100}, {100, 100}, {0, 0});
    area.set_wc_coords(-10, -10, 90, 90);
    DXFGeometrie::resetPenCache();
    hatch.draw(area, 1.0, 0, 0, 0);
  }
  // World (x, y) is pixel (x + 10, 90 - y); sample each band away from its edges.
  const auto pixel = [&](int x, int y) { return canvas.at(x + 10, 90 - y); };
  const Rgb blue = pixel(5, 5);
  EXPECT_NE(blue, kWhite);
  for (const auto& [x, y] : {std::pair{10, 70}, {70, 10}, {75, 75}, {15, 40}}) {
    EXPECT_EQ(pixel(x, y), blue) << x << "," << y;
  }
  for (const auto& [x, y] : {std::pair{25, 25}, {55, 40}, {40, 55}, {85, 40}, {-5, -5}}) {
    EXPECT_EQ(pixel(x, y), kWhite) << x << "," << y;
  }
  for (const auto& [x, y] : {std::pair{35, 35}, {45, 45}, {40, 32}}) {
    EXPECT_EQ(pixel(x, y), blue) << x << "," << y;
  }
}

}  // namespace
