// The vertical proportions of a face, measured once from the font the system picks for it.
#include "toolkit/paint/FontProportions.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <map>
#include <mutex>
#include <string>
#include <utility>

#include "toolkit/paint/PaintHandle.h"

namespace {

// Large enough that hinting and rounding to whole pixels do not show in the ratios.
constexpr double kMeasureSize = 1000.0;

FontProportions measure(const std::string& face, int weight) {
  FontProportions result;
  PangoContext* context = pango_font_map_create_context(pango_cairo_font_map_get_default());
  if (!context) return result;
  const FontDescriptionPtr font(pango_font_description_new());
  pango_font_description_set_family(font.get(), face.c_str());
  pango_font_description_set_weight(font.get(),
                                    static_cast<PangoWeight>(std::clamp(weight, 100, 1000)));
  pango_font_description_set_absolute_size(font.get(), kMeasureSize * PANGO_SCALE);
  {
    const PangoLayoutPtr layout(pango_layout_new(context));
    pango_layout_set_font_description(layout.get(), font.get());
    pango_layout_set_text(layout.get(), "H", 1);
    PangoRectangle ink;
    pango_layout_get_extents(layout.get(), &ink, nullptr);
    if (ink.height > 0) result.capital = ink.height / (kMeasureSize * PANGO_SCALE);
  }
  if (PangoFontMetrics* metrics = pango_context_get_metrics(context, font.get(), nullptr)) {
    const int descent = pango_font_metrics_get_descent(metrics);
    if (descent > 0) result.descent = descent / (kMeasureSize * PANGO_SCALE);
    pango_font_metrics_unref(metrics);
  }
  g_object_unref(context);
  return result;
}

}  // namespace

FontProportions FontProportions::of(const char* face, int weight) {
  static std::mutex mutex;
  static std::map<std::pair<std::string, int>, FontProportions> measured;
  const std::pair<std::string, int> key(face && *face ? face : "Arial", weight);
  const std::lock_guard<std::mutex> lock(mutex);
  const auto found = measured.find(key);
  if (found != measured.end()) return found->second;
  const FontProportions result = measure(key.first, key.second);
  measured.emplace(key, result);
  return result;
}
