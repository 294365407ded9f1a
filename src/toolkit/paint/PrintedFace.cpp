// The face the PDF device prints texts in, measured and outlined through Pango.
#include "toolkit/paint/PrintedFace.h"

#include <pango/pangocairo.h>

#include "toolkit/paint/PaintHandle.h"

namespace {

// Texts are measured and outlined at this size and scaled.
constexpr double kFaceSize = 1000.0;

// A layout in the printed face at kFaceSize, upright or italic.
PangoLayoutPtr faceLayout(bool italic) {
  PangoContext* context = pango_font_map_create_context(pango_cairo_font_map_get_default());
  PangoLayoutPtr made(pango_layout_new(context));
  g_object_unref(context);  // the layout keeps its own reference
  const FontDescriptionPtr font(pango_font_description_new());
  pango_font_description_set_family(font.get(), "Arial");
  pango_font_description_set_weight(font.get(), PANGO_WEIGHT_BOLD);
  if (italic) pango_font_description_set_style(font.get(), PANGO_STYLE_ITALIC);
  pango_font_description_set_absolute_size(font.get(), kFaceSize * PANGO_SCALE);
  pango_layout_set_font_description(made.get(), font.get());
  return made;
}

// The upright layout, kept for the whole run: every printed text is measured.
PangoLayout* measuringLayout() {
  static const PangoLayoutPtr layout = faceLayout(false);
  return layout.get();
}

PrintedFace::FacePoint inFontUnits(const cairo_path_data_t& point, double baseline) {
  return {point.point.x / kFaceSize, (baseline - point.point.y) / kFaceSize};
}

}  // namespace

double PrintedFace::width(std::string_view utf8) {
  PangoLayout* layout = measuringLayout();
  pango_layout_set_text(layout, utf8.data(), static_cast<int>(utf8.size()));
  PangoRectangle logical;
  pango_layout_get_extents(layout, nullptr, &logical);
  return logical.width / (kFaceSize * PANGO_SCALE);
}

std::vector<PrintedFace::OutlineStep> PrintedFace::outline(std::string_view utf8, bool italic) {
  const PangoLayoutPtr layout = faceLayout(italic);
  pango_layout_set_text(layout.get(), utf8.data(), static_cast<int>(utf8.size()));
  // The path is all that is wanted: the surface it would be drawn on can be tiny.
  const CairoSurfacePtr surface(cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1));
  const CairoPtr cr(cairo_create(surface.get()));
  pango_cairo_layout_path(cr.get(), layout.get());
  const double baseline = pango_layout_get_baseline(layout.get()) / double(PANGO_SCALE);
  cairo_path_t* path = cairo_copy_path(cr.get());
  std::vector<OutlineStep> steps;
  for (int i = 0; i < path->num_data; i += path->data[i].header.length) {
    const cairo_path_data_t* data = &path->data[i];
    OutlineStep step;
    switch (data->header.type) {
      case CAIRO_PATH_MOVE_TO: step.kind = OutlineStep::Kind::Move; break;
      case CAIRO_PATH_LINE_TO: step.kind = OutlineStep::Kind::Line; break;
      case CAIRO_PATH_CURVE_TO: step.kind = OutlineStep::Kind::Curve; break;
      case CAIRO_PATH_CLOSE_PATH: step.kind = OutlineStep::Kind::Close; break;
    }
    for (int k = 1; k < data->header.length; ++k) {
      step.points[k - 1] = inFontUnits(data[k], baseline);
    }
    steps.push_back(step);
  }
  cairo_path_destroy(path);
  return steps;
}
