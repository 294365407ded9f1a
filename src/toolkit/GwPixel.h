// A colour as the toolkit takes it, built from the #RRGGBB texts of the colour table.
#pragma once

#include "toolkit/paint/PaintColour.h"

class GwPixel {
 public:
  GwPixel() = default;
  // "#RRGGBB"; anything else (also "BYLAYER" and "BYBLOCK") is black, as the painter has it.
  explicit GwPixel(const char* text) : colour_(PaintColour::parse(text)) {}

  // Channels 0.0 to 1.0.
  double red() const { return colour_.red; }
  double green() const { return colour_.green; }
  double blue() const { return colour_.blue; }
  const PaintColour& colour() const { return colour_; }

 private:
  PaintColour colour_;
};
