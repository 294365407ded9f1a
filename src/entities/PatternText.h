// A text that a linetype's pattern carries, drawn along every line of that linetype.
#pragma once

#include <string>

// Placed from the start of each repetition of the pattern: `at` along the line, moved by
// offsetX along the line and offsetY across it (to its left), `height` high (capitals),
// turned by `rotation` degrees from the line's direction, or from the x axis when
// `absolute`. Lengths are in the units of the dash pattern it goes with (drawing units or
// device pixels). The text is Windows-1252, special-character codes already decoded.
struct PatternText {
  double at = 0.0;
  double offsetX = 0.0;
  double offsetY = 0.0;
  double height = 0.0;
  double rotation = 0.0;
  bool absolute = false;
  std::string text;
};
