// Tests of the Cairo drawing area: world mapping, placement in the container, clipping.
#include "toolkit/paint/CairoDrawingArea.h"

#include <gtest/gtest.h>

#include "PixelCanvas.h"

namespace {

TEST(CairoDrawingArea, MapsWorldPointsOntoTheAreaPixels) {
  PixelCanvas canvas(10, 10);
  CairoDrawingArea area(canvas.cr(), {10, 10}, {1000, 500}, {0, 0});
  area.set_wc_coords(0.0, 0.0, 200.0, 100.0);
  const DevicePoint p = area.wc_to_dc(50.0, 25.0);
  EXPECT_EQ(p.x, 250.0);
  EXPECT_EQ(p.y, 375.0);
}

TEST(CairoDrawingArea, DeviceContextSharesTheMappingAndReportsTheAreaSize) {
  PixelCanvas canvas(10, 10);
  CairoDrawingArea area(canvas.cr(), {10, 10}, {1000, 500}, {-300, -40});
  area.set_wc_coords(0.0, 0.0, 200.0, 100.0);
  DeviceContext& dc = area.device_context();
  EXPECT_EQ(dc.width_resolution(), 1000);
  EXPECT_EQ(dc.height_resolution(), 500);
  EXPECT_EQ(dc.y_factor(), 0.2);
  EXPECT_EQ(dc.x_wc_to_dc(200.0), 1000.0);
  EXPECT_EQ(dc.y_wc_to_dc(100.0), 0.0);
}

TEST(CairoDrawingArea, ResizingKeepsTheWorldRectangleOnTheNewSize) {
  PixelCanvas canvas(10, 10);
  CairoDrawingArea area(canvas.cr(), {10, 10}, {100, 100}, {0, 0});
  area.set_wc_coords(0.0, 0.0, 10.0, 10.0);
  area.setAreaSize({400, 200});
  EXPECT_EQ(area.wc_to_dc(10.0, 0.0).x, 400.0);
  EXPECT_EQ(area.wc_to_dc(10.0, 0.0).y, 200.0);
}

TEST(CairoDrawingArea, AreaSidesAreLimitedTo32000Pixels) {
  PixelCanvas canvas(10, 10);
  CairoDrawingArea area(canvas.cr(), {10, 10}, {50000, -3}, {0, 0});
  EXPECT_EQ(area.areaSize().width, 32000);
  EXPECT_EQ(area.areaSize().height, 0);
}

TEST(CairoDrawingArea, PaintsAtItsNegativePositionAndOnlyInsideTheContainer) {
  // A 200 x 200 surface of which the container covers the top-left 100 x 100.
  PixelCanvas canvas(200, 200);
  {
    CairoDrawingArea area(canvas.cr(), {100, 100}, {400, 400}, {-150, -150});
    area.set_wc_coords(0.0, 0.0, 400.0, 400.0);  // one pixel per unit
    area.wc_line(0.0, 200.0, 400.0, 200.0);      // area row 200, container row 50
    area.wc_line(200.0, 0.0, 200.0, 400.0);      // area column 200, container column 50
  }
  EXPECT_TRUE(canvas.isInked(10, 50));
  EXPECT_TRUE(canvas.isInked(50, 90));
  EXPECT_EQ(canvas.countInked(100, 0, 199, 199), 0);  // beyond the container
  EXPECT_EQ(canvas.countInked(0, 100, 99, 199), 0);
}

TEST(CairoDrawingArea, BackgroundCoversTheVisibleAreaOnly) {
  PixelCanvas canvas(200, 200);
  canvas.fill(0.0, 0.0, 1.0);
  {
    CairoDrawingArea area(canvas.cr(), {100, 100}, {50, 50}, {20, 20});
    area.paintBackground("#00FF00");
  }
  EXPECT_EQ(canvas.at(30, 30), kGreen);
  EXPECT_EQ(canvas.at(69, 69), kGreen);
  EXPECT_EQ(canvas.at(10, 10), kBlue);    // left of the area
  EXPECT_EQ(canvas.at(75, 30), kBlue);    // right of the area
  EXPECT_EQ(canvas.at(150, 150), kBlue);  // outside the container
}

TEST(CairoDrawingArea, MovingTheAreaMovesWhatIsPainted) {
  PixelCanvas canvas(100, 100);
  {
    CairoDrawingArea area(canvas.cr(), {100, 100}, {1000, 1000}, {0, 0});
    area.set_wc_coords(0.0, 0.0, 1000.0, 1000.0);
    area.setPosition({-500, -500});
    area.wc_dot(520.0, 1000.0 - 530.0);  // area pixel (520, 530), container pixel (20, 30)
  }
  EXPECT_TRUE(canvas.isInked(20, 30));
  EXPECT_EQ(canvas.countInked(0, 0, 99, 99), 1);
}

TEST(CairoDrawingArea, FillPolygonUsesBackgroundInsideAndForegroundAround) {
  PixelCanvas canvas(100, 100);
  {
    CairoDrawingArea area(canvas.cr(), {100, 100}, {100, 100}, {0, 0});
    area.set_wc_coords(0.0, 0.0, 100.0, 100.0);
    area.set_drawing_foreground("#FF0000");
    area.set_drawing_background("#00FF00");
    const WorldPoint square[5] = {{10, 10}, {60, 10}, {60, 60}, {10, 60}, {10, 10}};
    area.wc_fill_polygon(square, 5);
  }
  EXPECT_EQ(canvas.at(35, 65), kGreen);            // world (35, 35)
  EXPECT_EQ(canvas.at(35, 90), (Rgb{255, 0, 0}));  // world y 10 is pixel row 90
}

TEST(CairoDrawingArea, CircleRadiusFollowsTheScale) {
  PixelCanvas canvas(100, 100);
  {
    CairoDrawingArea area(canvas.cr(), {100, 100}, {100, 100}, {0, 0});
    area.set_wc_coords(0.0, 0.0, 50.0, 50.0);  // two pixels per unit
    area.wc_circle(25.0, 25.0, 10.0);
  }
  EXPECT_TRUE(canvas.isInked(70, 50));
  EXPECT_TRUE(canvas.isInked(50, 30));
  EXPECT_FALSE(canvas.isInked(60, 50));
}

TEST(CairoDrawingArea, HandsTheCairoStateBackUnchanged) {
  PixelCanvas canvas(100, 100);
  {
    CairoDrawingArea area(canvas.cr(), {40, 40}, {400, 400}, {-50, -60});
    area.set_wc_coords(0.0, 0.0, 10.0, 10.0);
    area.set_line_style(1);
    area.wc_line(0.0, 0.0, 10.0, 10.0);
  }
  cairo_matrix_t matrix;
  cairo_get_matrix(canvas.cr(), &matrix);
  EXPECT_EQ(matrix.x0, 0.0);
  EXPECT_EQ(matrix.y0, 0.0);
  double x1, y1, x2, y2;
  cairo_clip_extents(canvas.cr(), &x1, &y1, &x2, &y2);
  EXPECT_EQ(x2, 100.0);
  EXPECT_EQ(y2, 100.0);
  EXPECT_EQ(cairo_get_dash_count(canvas.cr()), 0);
}

}  // namespace
