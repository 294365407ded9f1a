// The view picture painted in bands on all painting threads, scrolled pictures, the
// collected figures, and the paint workers.
#include "toolkit/paint/ViewPicture.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <mutex>
#include <vector>

#include <gtest/gtest.h>

#include "support/PictureDifference.h"
#include "toolkit/paint/CairoDeviceContext.h"
#include "toolkit/paint/CairoDrawingArea.h"
#include "toolkit/paint/PaintWorkers.h"
#include "PixelCanvas.h"

namespace {

constexpr PixelSize kView{320, 240};
// Largest difference of one colour channel that anti-aliasing explains: edge pixels of
// figures cut at another place (a band, a scrolled strip) may take other coverage levels
// of the fast anti-aliasing (steps of 16), while a missing or misplaced figure differs by
// far more.
constexpr int kAntialiasTolerance = 64;

// Lines, circles and filled squares of several colours over the world 0..100.
void scene(DrawingArea& area, const std::atomic<bool>& cancelled) {
  const char* colours[] = {"#FF0000", "#0000FF", "#149E0A"};
  for (int i = 0; i < 300 && !cancelled; ++i) {
    const double x = (i * 37) % 100;
    const double y = (i * 53) % 100;
    area.set_drawing_foreground(colours[i % 3]);
    area.set_line_style(0);
    switch (i % 3) {
      case 0: area.wc_line(x, y, 100 - y, x * 0.5); break;
      case 1: area.wc_circle(x, y, 2 + i % 7); break;
      default: {
        area.set_drawing_background(colours[(i + 1) % 3]);
        const WorldPoint square[] = {{x, y}, {x + 3, y}, {x + 3, y + 3}, {x, y + 3}};
        area.wc_fill_polygon(square, 4);
      }
    }
  }
}

ViewPlacement placement(int zoom, PixelPosition position) {
  ViewPlacement view{kView, {kView.width * zoom, kView.height * zoom}, position};
  view.hasWorld = true;
  view.worldX2 = 100.0;
  view.worldY2 = 75.0;
  return view;
}

CairoSurfacePtr picture() {
  return CairoSurfacePtr(cairo_image_surface_create(CAIRO_FORMAT_RGB24, kView.width, kView.height));
}

// The same view painted in one piece on the calling thread.
CairoSurfacePtr paintedWhole(const ViewPlacement& view) {
  CairoSurfacePtr surface = picture();
  const CairoPtr cr(cairo_create(surface.get()));
  cairo_set_source_rgb(cr.get(), 1, 1, 1);
  cairo_paint(cr.get());
  {
    CairoDrawingArea area(cr.get(), view.container, view.area, view.position);
    area.set_wc_coords(view.worldX1, view.worldY1, view.worldX2, view.worldY2);
    const std::atomic<bool> never{false};
    scene(area, never);
  }
  cairo_surface_flush(surface.get());
  return surface;
}

TEST(ViewPictureTest, BandsOnAllThreadsPaintWhatOnePiecePaints) {
  for (const ViewPlacement& view :
       {placement(1, {0, 0}), placement(3, {-200, -150}), placement(2, {40, -30})}) {
    const CairoSurfacePtr banded = picture();
    const std::atomic<bool> never{false};
    ASSERT_TRUE(paintViewPicture(banded.get(), view, scene, never));
    const CairoSurfacePtr whole = paintedWhole(view);
    const testsupport::PictureDifference difference =
        testsupport::differenceOf(whole.get(), banded.get());
    EXPECT_GT(difference.inked, 1000);
    EXPECT_LE(difference.largest, kAntialiasTolerance) << view.position.x << "," << view.position.y;
  }
}

TEST(ViewPictureTest, ScrolledPictureMatchesOnePaintedAnew) {
  const std::atomic<bool> never{false};
  const ViewPlacement before = placement(3, {-200, -150});
  const CairoSurfacePtr previous = picture();
  ASSERT_TRUE(paintViewPicture(previous.get(), before, scene, never));
  for (const PixelPosition shift :
       {PixelPosition{0, -100}, PixelPosition{37, 0}, PixelPosition{-25, 60}}) {
    ViewPlacement after = before;
    after.position = {before.position.x + shift.x, before.position.y + shift.y};
    ASSERT_TRUE(isScrollOf(before, after));
    const CairoSurfacePtr scrolled = picture();
    ASSERT_TRUE(scrollViewPicture(scrolled.get(), previous.get(), before, after, scene, never));
    const CairoSurfacePtr fresh = picture();
    ASSERT_TRUE(paintViewPicture(fresh.get(), after, scene, never));
    EXPECT_LE(testsupport::differenceOf(fresh.get(), scrolled.get()).largest, kAntialiasTolerance)
        << shift.x << "," << shift.y;
  }
}

TEST(ViewPictureTest, ZoomIsNoScroll) {
  EXPECT_FALSE(isScrollOf(placement(1, {0, 0}), placement(2, {0, 0})));
  ViewPlacement moved = placement(1, {0, 0});
  moved.worldX2 = 50.0;
  EXPECT_FALSE(isScrollOf(placement(1, {0, 0}), moved));
}

TEST(ViewPictureTest, CancelledSceneLeavesTheCanvasWhite) {
  const std::atomic<bool> cancelled{true};
  const CairoSurfacePtr painted = picture();
  ASSERT_TRUE(paintViewPicture(painted.get(), placement(1, {0, 0}), scene, cancelled));
  const CairoSurfacePtr blank = picture();
  {
    const CairoPtr cr(cairo_create(blank.get()));
    cairo_set_source_rgb(cr.get(), 1, 1, 1);
    cairo_paint(cr.get());
  }
  EXPECT_EQ(testsupport::differenceOf(painted.get(), blank.get()).largest, 0);
}

TEST(FigureBatchTest, FiguresPaintAtFlushInTheOrderDrawnAndDotsAsOnePixel) {
  PixelCanvas canvas(40, 40);
  {
    CairoDeviceContext dc(canvas.cr(), 40, 40);
    dc.set_foreground_color("#0000FF");
    dc.line(0, 10, 40, 10);  // under the fill drawn after it
    dc.line(0, 30, 40, 30);
    EXPECT_TRUE(canvas.isWhite(2, 10));  // still collected
    dc.set_background_color("#FF0000");
    dc.set_foreground_color("#FF0000");
    const DevicePoint square[] = {{5, 5}, {20, 5}, {20, 20}, {5, 20}};
    dc.filledPolygon(square, 4);
    dc.dot(30, 35, "#149E0A");
    dc.flush();
  }
  EXPECT_EQ(canvas.at(2, 10), (Rgb{0, 0, 255}));
  EXPECT_EQ(canvas.at(2, 30), (Rgb{0, 0, 255}));
  EXPECT_EQ(canvas.at(12, 10), (Rgb{255, 0, 0}));
  EXPECT_EQ(canvas.at(12, 15), (Rgb{255, 0, 0}));
  EXPECT_EQ(canvas.at(30, 35), (Rgb{20, 158, 10}));
  EXPECT_TRUE(canvas.isWhite(31, 35));
  EXPECT_TRUE(canvas.isWhite(30, 36));
}

TEST(FigureBatchTest, DotsPaintOnePixelEach) {
  PixelCanvas canvas(40, 40);
  {
    CairoDeviceContext dc(canvas.cr(), 40, 40);
    dc.dot(30, 30, "#149E0A");
  }
  EXPECT_EQ(canvas.at(30, 30), (Rgb{20, 158, 10}));
  EXPECT_TRUE(canvas.isWhite(31, 30));
  EXPECT_TRUE(canvas.isWhite(30, 31));
}

TEST(FigureBatchTest, TextsPaintAfterWhatWasCollectedBeforeThem) {
  PixelCanvas canvas(60, 40);
  {
    CairoDeviceContext dc(canvas.cr(), 60, 40);
    dc.set_background_color("#FF0000");
    const DevicePoint square[] = {{0, 0}, {60, 0}, {60, 40}, {0, 40}};
    dc.filledPolygon(square, 4);
    dc.set_foreground_color("#000000");
    TextStyle style;
    style.pixelHeight = 30;
    dc.text_out(5, 35, "MM", style);
  }
  long dark = 0;
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 60; ++x) dark += canvas.at(x, y).red < 60 ? 1 : 0;
  }
  EXPECT_GT(dark, 50);  // the glyphs lie on the fill, not under it
}

TEST(PaintWorkersTest, EveryTaskRunsOnceWhateverTheirNumber) {
  PaintWorkers workers(3);
  for (const int count : {0, 1, 4, 97}) {
    std::vector<int> runs(static_cast<std::size_t>(count), 0);
    std::mutex guard;
    workers.runAll(count, [&](int task) {
      const std::lock_guard<std::mutex> lock(guard);
      ++runs[static_cast<std::size_t>(task)];
    });
    EXPECT_TRUE(std::all_of(runs.begin(), runs.end(), [](int n) { return n == 1; })) << count;
  }
}

}  // namespace
