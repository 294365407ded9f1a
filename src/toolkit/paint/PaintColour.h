// An RGB colour for Cairo, read from the "#RRGGBB" texts of the drawing's colour table.
#pragma once

// Red, green and blue channels, each 0.0 to 1.0 as Cairo takes them.
struct PaintColour {
  double red = 0.0;
  double green = 0.0;
  double blue = 0.0;

  // "#RRGGBB" with hex digits of either case. Everything else, "BYLAYER" and "BYBLOCK"
  // (an entity whose layer was never found), null and malformed texts, paints black.
  static PaintColour parse(const char* text);

  friend bool operator==(const PaintColour&, const PaintColour&) = default;
};
