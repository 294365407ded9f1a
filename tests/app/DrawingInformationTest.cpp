// The drawing information text: counts by kind and the kinds passed over.
#include "app/DrawingInformation.h"

#include <gtest/gtest.h>

#include "document/DXF_Zeichnung.h"

namespace {

std::string informationOf(const std::string& entities) {
  const std::string text = "  0\nSECTION\n  2\nENTITIES\n" + entities + "  0\nENDSEC\n  0\nEOF\n";
  DXF_Zeichnung drawing;
  EXPECT_EQ(drawing.readDXFFromMemory(text), 0);
  return drawingInformation(drawing);
}

TEST(DrawingInformation, CountsKindsAndNamesWhatWasPassedOver) {
  const std::string line = "  0\nLINE\n  8\n0\n 10\n0\n 20\n0\n 11\n1\n 21\n1\n";
  const std::string hatch = "  0\nHATCH\n  8\n0\n";
  const std::string text = informationOf(line + line + hatch + hatch + "  0\nSPLINE\n  8\n0\n");
  EXPECT_NE(text.find("lines 2, arcs 0,"), std::string::npos) << text;
  EXPECT_NE(text.find("layers 1."), std::string::npos) << text;
  EXPECT_NE(text.find("Passed over, not shown: HATCH 2, SPLINE 1."), std::string::npos) << text;
  EXPECT_NE(informationOf(line).find("Nothing was passed over."), std::string::npos);
}

}  // namespace
