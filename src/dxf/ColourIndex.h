// The 256-entry colour index of DXF files as the viewer paints it on its white background.
#pragma once

#include <cstdint>

namespace ColourIndex {

// Index numbers with a meaning of their own, and the range of real colours.
constexpr int kByBlock = 0;
constexpr int kFirst = 1;
constexpr int kLast = 255;
constexpr int kByLayer = 256;

// A colour as 0xRRGGBB.
using Rgb = std::uint32_t;

// The colour of index 1 to 255 as the format defines it, with two changes for the white
// background: 7 (white on dark screens) is black, and 3 is a darker green that stays
// readable. Other numbers give black.
Rgb rgbOf(int index);
// "#RRGGBB" of rgbOf, a text that lives as long as the program.
const char* textOf(int index);
// "#RRGGBB" of any 0xRRGGBB value, into `text` (8 bytes with the terminating zero).
void formatRgb(Rgb rgb, char (&text)[8]);
// The index 1 to 255 whose colour lies nearest (squared RGB distance, lowest index on a
// tie): what a true colour becomes in a file that knows only the index.
int nearestIndex(Rgb rgb);

}  // namespace ColourIndex
