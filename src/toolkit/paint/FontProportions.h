// The vertical proportions of a face, measured once from the font the system picks for it.
#pragma once

// Heights per unit of font size (em): DXF texts give the height of their capitals, and the
// font size that draws capitals that high depends on the face.
struct FontProportions {
  double capital = 0.7;  // ink height of a capital "H"
  double descent = 0.2;  // depth below the baseline of the face's descenders

  // The proportions of `face` at `weight` ("Arial" when null or empty), measured with the
  // system's font map on first use and kept for the run; safe to call from any thread.
  static FontProportions of(const char* face, int weight);
};
