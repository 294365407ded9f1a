// Parsing of "#RRGGBB" colour texts; anything unreadable becomes black.
#include "toolkit/paint/PaintColour.h"

namespace {

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

PaintColour PaintColour::parse(const char* text) {
  if (!text || text[0] != '#') return {};
  int channels[3] = {};
  for (int i = 0; i < 3; ++i) {
    const int high = hexDigit(text[1 + 2 * i]);
    if (high < 0) return {};
    const int low = hexDigit(text[2 + 2 * i]);
    if (low < 0) return {};
    channels[i] = high * 16 + low;
  }
  if (text[7] != '\0') return {};
  return {channels[0] / 255.0, channels[1] / 255.0, channels[2] / 255.0};
}
