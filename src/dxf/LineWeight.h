// Line weights (group 370): their special values and the device width they are drawn at.
#pragma once

#include <cstdint>

// A line weight is a width in hundredths of a millimetre (0 to 211), or one of the special
// values below. Lines at or below the drawing's default weight are drawn one device pixel
// wide, as every line is in a drawing without weights; a wider weight keeps its width on
// the device whatever the zoom. On screen and in pictures a millimetre of weight is drawn
// as a typographic point of a 96 pixels per inch screen (4/3 pixel), as other drawing
// programs show weights on screen, so that wide contours stand out without swallowing the
// detail between them: whole pixels, at least two, so that every wide line stands out
// from the thin ones. On paper a weight is as wide as it says.
namespace LineWeight {

// The weight of the entity's layer.
constexpr std::int16_t kByLayer = -1;
// The weight of the insert that places the entity (the default outside inserts).
constexpr std::int16_t kByBlock = -2;
// The drawing's default weight ($LWDEFAULT).
constexpr std::int16_t kDefault = -3;
// The default weight of a drawing whose header names none: 0.25 mm.
constexpr std::int16_t kStandardDefault = 25;
// The widest weight the format knows: 2.11 mm.
constexpr std::int16_t kWidest = 211;

// Screen and picture pixels per millimetre of weight: a point (1/72 inch) at 96 pixels per
// inch.
constexpr double kScreenPixelsPerMm = 96.0 / 72.0;
// The width of a thin line, in device pixels.
constexpr double kThinPixels = 1.0;
// The narrowest width of a line wider than the default, in screen pixels.
constexpr double kWideScreenPixels = 2.0;

// A group 370 value as read: the special values and 0 to 211 stay, anything else (a
// value no writer produces) means BYLAYER.
std::int16_t fromGroup(int value);

// The default weight of a drawing: a header's $LWDEFAULT when it is a width, else 0.25 mm.
std::int16_t drawingDefault(int headerValue);

// Screen (and picture) pixels of a resolved weight: a width, or kDefault (kByLayer and
// kByBlock count as the default too).
double screenPixels(int weight, int drawingDefault);
// Device pixels of a resolved weight on paper of `pixelsPerMm` device pixels per mm.
double paperPixels(int weight, int drawingDefault, double pixelsPerMm);

// The widest line any weight draws on screen, in pixels.
double widestScreenPixels();

}  // namespace LineWeight
