// Advance widths of the face texts are drawn in, for laying out texts without a screen.
#pragma once

#include <string_view>

// The width of a Windows-1252 text drawn in the viewer's face ("Arial", which the system's
// fonts give as its metric twin Liberation Sans), for wrapping multi-line texts where the
// headless core cannot ask a font. Widths are the face's advance widths; kerning is left
// out.
class TextWidths {
 public:
  // The width of `text` whose capitals are `capitalHeight` high, stretched along the
  // baseline by `widthFactor`; tabs count as four blanks.
  static double of(std::string_view text, double capitalHeight, double widthFactor = 1.0);
};
