// Tests of the owning Cairo and Pango handles and the Cairo state guard.
#include "toolkit/paint/PaintHandle.h"

#include <gtest/gtest.h>

#include <utility>

#include "toolkit/paint/CairoStateGuard.h"

namespace {

// A surface with one extra reference held by the test, so its count can be watched; the
// other reference belongs to the handle under test.
struct WatchedSurface {
  cairo_surface_t* raw = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 4, 4);
  WatchedSurface() { cairo_surface_reference(raw); }
  ~WatchedSurface() { cairo_surface_destroy(raw); }
  unsigned int count() const { return cairo_surface_get_reference_count(raw); }
};

TEST(PaintHandle, ReleasesItsReferenceWhenDestroyed) {
  WatchedSurface watched;
  {
    CairoSurfacePtr handle(watched.raw);
    EXPECT_EQ(watched.count(), 2u);
  }
  EXPECT_EQ(watched.count(), 1u);
}

TEST(PaintHandle, MovePassesTheReferenceOnAndAssignmentReleasesTheReplacedOne) {
  WatchedSurface old;
  WatchedSurface incoming;
  CairoSurfacePtr target(old.raw);
  CairoSurfacePtr source(incoming.raw);
  CairoSurfacePtr moved(std::move(source));
  EXPECT_FALSE(source);
  EXPECT_EQ(incoming.count(), 2u);
  target = std::move(moved);
  EXPECT_EQ(target.get(), incoming.raw);
  EXPECT_EQ(old.count(), 1u);
  EXPECT_EQ(incoming.count(), 2u);
}

TEST(PaintHandle, ReleaseGivesTheReferenceUp) {
  WatchedSurface watched;
  CairoSurfacePtr handle(watched.raw);
  cairo_surface_t* raw = handle.release();
  EXPECT_FALSE(handle);
  EXPECT_EQ(watched.count(), 2u);
  cairo_surface_destroy(raw);
  EXPECT_EQ(watched.count(), 1u);
}

TEST(PaintHandle, LayoutHandleDropsItsGObjectReference) {
  CairoSurfacePtr surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, 4, 4));
  CairoPtr cr(cairo_create(surface.get()));
  PangoLayout* raw = pango_cairo_create_layout(cr.get());
  g_object_ref(raw);
  {
    PangoLayoutPtr layout(raw);
    EXPECT_EQ(G_OBJECT(raw)->ref_count, 2u);
  }
  EXPECT_EQ(G_OBJECT(raw)->ref_count, 1u);
  g_object_unref(raw);
}

TEST(PaintHandle, FontDescriptionHandleResetTakesTheNewDescription) {
  FontDescriptionPtr font(pango_font_description_from_string("Arial 10"));
  PangoFontDescription* replacement = pango_font_description_from_string("Arial Bold 12");
  font.reset(replacement);
  EXPECT_EQ(font.get(), replacement);
  EXPECT_EQ(pango_font_description_get_weight(font.get()), PANGO_WEIGHT_BOLD);
}

TEST(CairoStateGuard, RestoresTransformSourceAndDashOnScopeEnd) {
  CairoSurfacePtr surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, 4, 4));
  CairoPtr cr(cairo_create(surface.get()));
  {
    CairoStateGuard guard(cr.get());
    cairo_translate(cr.get(), 10.0, 20.0);
    cairo_set_source_rgb(cr.get(), 1.0, 0.0, 0.0);
    const double dash[] = {3.0, 1.0};
    cairo_set_dash(cr.get(), dash, 2, 0.0);
  }
  cairo_matrix_t matrix;
  cairo_get_matrix(cr.get(), &matrix);
  EXPECT_EQ(matrix.x0, 0.0);
  EXPECT_EQ(matrix.y0, 0.0);
  EXPECT_EQ(cairo_get_dash_count(cr.get()), 0);
  double red = -1.0, green = -1.0, blue = -1.0, alpha = -1.0;
  cairo_pattern_get_rgba(cairo_get_source(cr.get()), &red, &green, &blue, &alpha);
  EXPECT_EQ(red, 0.0);  // Cairo's initial source is opaque black
}

}  // namespace
