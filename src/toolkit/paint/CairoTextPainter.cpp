// Pango text output: font from the text style, alignment offsets, rotation, colour.
#include "toolkit/paint/CairoTextPainter.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "toolkit/paint/CairoStateGuard.h"
#include "dxf/Cp1252.h"

void CairoTextPainter::draw(double x, double y, const char* text, const TextStyle& style,
                            const PaintColour& colour) {
  if (!text || !*text || style.pixelHeight < 1 || style.pixelHeight > kMaxHeight) return;
  if (!std::isfinite(x) || !std::isfinite(y)) return;

  const std::string utf8 = cp1252ToUtf8(text);
  FontDescriptionPtr font(pango_font_description_new());
  const char* face = style.face && *style.face ? style.face : "Arial";
  pango_font_description_set_family(font.get(), face);
  pango_font_description_set_weight(font.get(),
                                    static_cast<PangoWeight>(std::clamp(style.weight, 100, 1000)));
  pango_font_description_set_absolute_size(font.get(),
                                           static_cast<double>(style.pixelHeight) * PANGO_SCALE);

  CairoStateGuard guard(cr_);
  cairo_set_antialias(cr_, CAIRO_ANTIALIAS_DEFAULT);  // figures draw without, glyphs with
  cairo_translate(cr_, x, y);
  // Counter-clockwise on the screen is a negative angle in Cairo's y-down space.
  cairo_rotate(cr_, -style.escapementTenths / 10.0 * std::numbers::pi / 180.0);

  if (layout_) {
    pango_cairo_update_layout(cr_, layout_.get());
  } else {
    layout_.reset(pango_cairo_create_layout(cr_));
  }
  PangoLayout* layout = layout_.get();
  pango_layout_set_font_description(layout, font.get());
  pango_layout_set_text(layout, utf8.data(), static_cast<int>(utf8.size()));

  PangoRectangle logical;
  pango_layout_get_extents(layout, nullptr, &logical);
  const double width = static_cast<double>(logical.width) / PANGO_SCALE;
  const double height = static_cast<double>(logical.height) / PANGO_SCALE;
  const double baseline = static_cast<double>(pango_layout_get_baseline(layout)) / PANGO_SCALE;

  double dx = 0.0;
  if (style.hAlign == TextHAlign::Centre) dx = -width / 2.0;
  if (style.hAlign == TextHAlign::Right) dx = -width;
  double dy = 0.0;  // Top: the anchor is the top of the character cell
  if (style.vAlign == TextVAlign::Baseline) dy = -baseline;
  if (style.vAlign == TextVAlign::Bottom) dy = -height;

  cairo_set_source_rgb(cr_, colour.red, colour.green, colour.blue);
  cairo_new_path(cr_);
  cairo_move_to(cr_, dx, dy);
  if (style.pixelHeight > kOutlineHeight) {
    pango_cairo_layout_path(cr_, layout);
    cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_WINDING);  // glyph outlines are non-zero filled
    cairo_fill(cr_);
  } else {
    pango_cairo_show_layout(cr_, layout);
  }
}
