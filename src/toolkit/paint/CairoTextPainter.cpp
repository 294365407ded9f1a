// Pango text output: font from the text style, alignment offsets, rotation, colour.
#include "toolkit/paint/CairoTextPainter.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "toolkit/paint/CairoStateGuard.h"
#include "toolkit/paint/FontProportions.h"
#include "dxf/TextCodes.h"

void CairoTextPainter::draw(double x, double y, const char* text, const TextStyle& style,
                            const PaintColour& colour) {
  if (!text || !*text || !(style.pixelHeight >= 1.0) || style.pixelHeight > kMaxHeight) return;
  if (!std::isfinite(x) || !std::isfinite(y)) return;
  if (!(style.widthScale > 0.0) || !std::isfinite(style.widthScale)) return;

  const std::string utf8 = TextCodes::utf8ForDrawing(text);
  const char* face = style.face && *style.face ? style.face : "Arial";
  const FontProportions proportions = FontProportions::of(face, style.weight);
  // The font size whose capitals are as high as the text's height.
  const double em = style.pixelHeight / proportions.capital;
  FontDescriptionPtr font(pango_font_description_new());
  pango_font_description_set_family(font.get(), face);
  pango_font_description_set_weight(font.get(),
                                    static_cast<PangoWeight>(std::clamp(style.weight, 100, 1000)));
  pango_font_description_set_absolute_size(font.get(), em * PANGO_SCALE);
  if (style.italic) pango_font_description_set_style(font.get(), PANGO_STYLE_ITALIC);

  CairoStateGuard guard(cr_);
  cairo_set_antialias(cr_, CAIRO_ANTIALIAS_DEFAULT);  // figures draw without, glyphs with
  cairo_translate(cr_, x, y);
  // Counter-clockwise on the screen is a negative angle in Cairo's y-down space.
  cairo_rotate(cr_, -style.escapementTenths / 10.0 * std::numbers::pi / 180.0);
  if (style.mirrored) cairo_scale(cr_, 1.0, -1.0);
  const double slant =
      std::isfinite(style.obliqueDegrees) && std::fabs(style.obliqueDegrees) < kMaxOblique
          ? std::tan(style.obliqueDegrees * std::numbers::pi / 180.0)
          : 0.0;
  if (slant != 0.0) {
    // Up is -y here: the letters' tops lean forwards along the baseline.
    cairo_matrix_t shear;
    cairo_matrix_init(&shear, 1.0, 0.0, -slant, 1.0, 0.0, 0.0);
    cairo_transform(cr_, &shear);
  }

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
  const double baseline = static_cast<double>(pango_layout_get_baseline(layout)) / PANGO_SCALE;
  const TextScale scale = scaleFor(style, width);
  if (!(scale.x > 0.0) || !(scale.y > 0.0) || !std::isfinite(scale.x) || !std::isfinite(scale.y) ||
      em * std::max(scale.x, scale.y) > kMaxHeight) {
    return;
  }

  double dx = 0.0;
  if (style.hAlign == TextHAlign::Centre) dx = -width / 2.0;
  if (style.hAlign == TextHAlign::Right) dx = -width;
  // From the top of the layout down to the anchor's height.
  double anchorDepth = baseline;
  if (style.vAlign == TextVAlign::Top) anchorDepth -= proportions.capital * em;
  if (style.vAlign == TextVAlign::Bottom) anchorDepth += proportions.descent * em;
  if (style.vAlign == TextVAlign::Middle) {
    anchorDepth += (proportions.descent - proportions.capital) * em / 2.0;
  }

  // Stretched glyphs are filled as outlines: the glyph cache renders them unstretched.
  const bool stretched = scale.x != 1.0 || scale.y != 1.0 || style.mirrored || slant != 0.0;
  cairo_scale(cr_, scale.x, scale.y);
  cairo_set_source_rgb(cr_, colour.red, colour.green, colour.blue);
  cairo_new_path(cr_);
  cairo_move_to(cr_, dx, -anchorDepth);
  if (stretched || em * std::max(scale.x, scale.y) > kOutlineHeight) {
    pango_cairo_layout_path(cr_, layout);
    cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_WINDING);  // glyph outlines are non-zero filled
    cairo_fill(cr_);
  } else {
    pango_cairo_show_layout(cr_, layout);
  }
}

CairoTextPainter::TextScale CairoTextPainter::scaleFor(const TextStyle& style, double width) {
  if (style.fit == TextFit::None || !(width > 0.0) || !(style.fitWidth > 0.0)) {
    return {style.widthScale, 1.0};
  }
  if (style.fit == TextFit::Stretched) return {style.fitWidth / width, 1.0};
  // Aligned: the whole text grows or shrinks, keeping its proportions.
  const double k = style.fitWidth / (width * style.widthScale);
  return {style.widthScale * k, k};
}
