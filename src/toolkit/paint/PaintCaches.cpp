// Shutdown of the font caches shared by every Cairo and Pango user in the process.
#include "PaintCaches.h"

#include <cairo.h>
#include <fontconfig/fontconfig.h>
#include <pango/pangocairo.h>

void releasePaintCaches() {
  pango_cairo_font_map_set_default(nullptr);
  cairo_debug_reset_static_data();
  FcFini();
}
