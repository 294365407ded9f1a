// Advance widths of the face texts are drawn in, for laying out texts without a screen.
#include "document/TextWidths.h"

namespace {

// Liberation Sans Regular in units of 2048 per em, measured with the system's font stack:
// the capital height, then the advance widths of the code page's bytes 0x20 to 0xFF (0
// for the bytes the code page leaves undefined).
constexpr double kCapitalHeight = 1409.0;
constexpr unsigned char kFirst = 0x20;
constexpr int kTabBlanks = 4;
constexpr unsigned short kAdvance[224] = {
    569,  569,  727,  1139, 1139, 1821, 1366, 391,  682,  682,  797,  1196, 569,  682,  569,  569,
    1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 569,  569,  1196, 1196, 1196, 1139,
    2079, 1366, 1366, 1479, 1479, 1366, 1251, 1593, 1479, 569,  1024, 1366, 1139, 1706, 1479, 1593,
    1366, 1593, 1479, 1366, 1251, 1479, 1366, 1933, 1366, 1366, 1251, 569,  569,  569,  961,  1139,
    682,  1139, 1139, 1024, 1139, 1139, 569,  1139, 1139, 455,  455,  1024, 455,  1706, 1139, 1139,
    1139, 1139, 682,  1024, 569,  1139, 1024, 1479, 1024, 1024, 1024, 684,  532,  684,  1196, 1434,
    1139, 0,    455,  1139, 682,  2048, 1139, 1139, 682,  2048, 1366, 682,  2048, 0,    1251, 0,
    0,    455,  455,  682,  682,  717,  1139, 2048, 682,  2048, 1024, 682,  1933, 0,    1024, 1366,
    569,  682,  1139, 1139, 1139, 1139, 532,  1139, 682,  1509, 758,  1139, 1196, 0,    1509, 1131,
    819,  1124, 682,  682,  682,  1180, 1100, 569,  682,  682,  748,  1139, 1708, 1708, 1708, 1251,
    1366, 1366, 1366, 1366, 1366, 1366, 2048, 1479, 1366, 1366, 1366, 1366, 569,  569,  569,  569,
    1479, 1479, 1593, 1593, 1593, 1593, 1593, 1196, 1593, 1479, 1479, 1479, 1479, 1366, 1366, 1251,
    1139, 1139, 1139, 1139, 1139, 1139, 1821, 1024, 1139, 1139, 1139, 1139, 569,  569,  569,  569,
    1139, 1139, 1139, 1139, 1139, 1139, 1139, 1124, 1251, 1139, 1139, 1139, 1139, 1024, 1139, 1024,
};

double advanceOf(unsigned char byte) {
  if (byte == '\t') return kTabBlanks * kAdvance[0];
  return byte >= kFirst ? kAdvance[byte - kFirst] : 0.0;
}

}  // namespace

double TextWidths::of(std::string_view text, double capitalHeight, double widthFactor) {
  double units = 0.0;
  for (const char c : text) units += advanceOf(static_cast<unsigned char>(c));
  return units / kCapitalHeight * capitalHeight * widthFactor;
}
