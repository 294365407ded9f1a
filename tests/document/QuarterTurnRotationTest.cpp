// Turning a whole drawing by quarter turns, as the standard views do on every step, and
// back again leaves every coordinate exactly as it was read.
#include <gtest/gtest.h>

#include "DocumentTesting.h"
#include "entities/Kreis.h"
#include "entities/Linie.h"

namespace {

using namespace documenttesting;

// Every coordinate of the drawing's lines, circles and inserts, and its extents.
std::vector<double> coordinates(const DXF_Zeichnung& document) {
  std::vector<double> values{document.minX(), document.minY(), document.maxX(), document.maxY()};
  for (int i = 0; i < document.entities().count(); ++i) {
    const DXFGeometrie* entity = document.entities().at(i);
    if (const auto* line = dynamic_cast<const Linie*>(entity)) {
      values.insert(values.end(), {line->x1(), line->y1(), line->x2(), line->y2()});
    } else if (const auto* circle = dynamic_cast<const Kreis*>(entity)) {
      values.insert(values.end(), {circle->cx(), circle->cy(), circle->r()});
    }
  }
  for (int i = 0; i < document.inserts().count(); ++i) {
    const DXF_Insert& insert = *document.inserts().at(i);
    values.insert(values.end(), {insert.x(), insert.y(), insert.rotation()});
  }
  return values;
}

TEST(QuarterTurnRotation, ManyTurnsRoundLeaveTheDrawingExactlyAsRead) {
  const std::string circle = "  0\nCIRCLE\n  8\n0\n 10\n-3.3333333333\n 20\n0.7\n 40\n2.5\n";
  const std::string text =
      dxfFile(line(0.1, 1.0 / 3.0, -12345.678, 1e-7) + circle + insert("B", 10.25, -7.125),
              block("B", line(0, 0, 1, 0)), layerEntry("0", 7),
              "  9\n$EXTMIN\n 10\n-12345.678\n 20\n-7.3\n  9\n$EXTMAX\n 10\n10.3\n 20\n3.2\n");
  auto document = readOk(text);
  const std::vector<double> read = coordinates(*document);
  const double steps[] = {90, -180, 270, 90, -90, 180, -270, 0, -90};
  for (int round = 0; round < 500; ++round) {
    for (const double step : steps) document->rotateAll(1.0, step, 0.0, 0.0, 0.0);
  }
  EXPECT_EQ(coordinates(*document), read);
  // Each quarter turn maps (x, y) to (-y, x) without round-off.
  document->rotateAll(1.0, 90, 0.0, 0.0, 0.0);
  const auto& turned = static_cast<const Linie&>(*document->entities().at(0));
  const double x1 = read[4];  // after the four extents
  const double y1 = read[5];
  EXPECT_EQ(turned.x1(), -y1);
  EXPECT_EQ(turned.y1(), x1);
  EXPECT_EQ(document->minX(), -3.2);
  EXPECT_EQ(document->maxY(), 10.3);
}

}  // namespace
