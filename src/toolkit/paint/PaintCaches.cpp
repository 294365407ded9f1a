// Shutdown of the font caches shared by every Cairo and Pango user in the process.
#include "toolkit/paint/PaintCaches.h"

#include <pango/pangocairo.h>

void releasePaintCaches() {
  // Only Pango's default font map is dropped. Resetting Cairo's static data or ending
  // fontconfig asserts inside those libraries whenever a glyph cache entry is still
  // referenced, which would turn a clean exit into an abort; the leak checker is told
  // about those library caches through its suppressions file instead.
  pango_cairo_font_map_set_default(nullptr);
}
