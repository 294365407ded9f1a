// The DXF colour index: 9 named colours, 24 hues in 10 shades each, 6 greys.
#include "dxf/ColourIndex.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace ColourIndex {

namespace {

constexpr int kHueFirst = 10;
constexpr int kHueLast = 249;
constexpr int kShades = 10;
// Brightness of the five shades of a hue, full and half saturated in turn.
constexpr double kShadeValue[5] = {255.0, 165.0, 127.0, 76.0, 38.0};
constexpr Rgb kNamed[10] = {0x000000, 0xFF0000, 0xFFFF00, 0x149E0A, 0x00FFFF,
                            0x0000FF, 0xFF00FF, 0x000000, 0x808080, 0xC0C0C0};
constexpr Rgb kGreys[6] = {0x333333, 0x5B5B5B, 0x848484, 0xADADAD, 0xD6D6D6, 0xFFFFFF};

Rgb pack(double r, double g, double b) {
  return (static_cast<Rgb>(r) << 16) | (static_cast<Rgb>(g) << 8) | static_cast<Rgb>(b);
}

// Index 10 to 249: hue (index / 10 - 1) * 15 degrees; the last digit picks the shade,
// even digits fully saturated, odd ones half.
Rgb hueShade(int index) {
  const double hue = (index / kShades - 1) * 15.0;
  const int digit = index % kShades;
  const double value = kShadeValue[digit / 2];
  const double saturation = digit % 2 == 0 ? 1.0 : 0.5;
  const int sector = static_cast<int>(hue / 60.0);
  const double f = hue / 60.0 - sector;
  const double p = std::floor(value * (1.0 - saturation));
  const double q = std::floor(value * (1.0 - saturation * f));
  const double t = std::floor(value * (1.0 - saturation * (1.0 - f)));
  switch (sector) {
    case 0: return pack(value, t, p);
    case 1: return pack(q, value, p);
    case 2: return pack(p, value, t);
    case 3: return pack(p, q, value);
    case 4: return pack(t, p, value);
    default: return pack(value, p, q);
  }
}

struct Table {
  std::array<Rgb, kLast + 1> rgb{};
  std::array<char[8], kLast + 1> text{};
  Table() {
    for (int i = 0; i <= kLast; ++i) {
      if (i < kHueFirst)
        rgb[i] = kNamed[i];
      else if (i <= kHueLast)
        rgb[i] = hueShade(i);
      else
        rgb[i] = kGreys[i - kHueLast - 1];
      formatRgb(rgb[i], text[i]);
    }
  }
};

const Table& table() {
  static const Table instance;
  return instance;
}

}  // namespace

Rgb rgbOf(int index) { return index >= kFirst && index <= kLast ? table().rgb[index] : 0; }

const char* textOf(int index) {
  return index >= kFirst && index <= kLast ? table().text[index] : table().text[0];
}

void formatRgb(Rgb rgb, char (&text)[8]) {
  std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(rgb & 0xFFFFFF));
}

int nearestIndex(Rgb rgb) {
  const auto channel = [](Rgb c, int shift) { return static_cast<int>((c >> shift) & 0xFF); };
  int best = kFirst;
  long bestDistance = -1;
  for (int i = kFirst; i <= kLast; ++i) {
    long distance = 0;
    for (int shift : {16, 8, 0}) {
      const long d = channel(rgb, shift) - channel(table().rgb[i], shift);
      distance += d * d;
    }
    if (bestDistance < 0 || distance < bestDistance) {
      best = i;
      bestDistance = distance;
    }
  }
  return best;
}

}  // namespace ColourIndex
