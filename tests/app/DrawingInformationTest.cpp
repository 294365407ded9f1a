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
  const std::string region = "  0\nREGION\n  8\n0\n";
  const std::string text = informationOf(line + line + region + region + "  0\nIMAGE\n  8\n0\n");
  EXPECT_NE(text.find("lines 2, arcs 0,"), std::string::npos) << text;
  EXPECT_NE(text.find("layers 1."), std::string::npos) << text;
  EXPECT_NE(text.find("Passed over, not shown: REGION 2, IMAGE 1."), std::string::npos) << text;
  EXPECT_NE(informationOf(line).find("Nothing was passed over."), std::string::npos);
  const std::string ellipse = "  0\nELLIPSE\n  8\n0\n 11\n2\n 40\n0.5\n";
  EXPECT_NE(informationOf(ellipse).find("circles 0, ellipses 1,"), std::string::npos);
}

TEST(DrawingInformation, NamesTheReleaseTheExtentsAndEachLayerWithItsObjects) {
  const std::string header = "  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1009\n  0\nENDSEC\n";
  const std::string tables =
      "  0\nSECTION\n  2\nTABLES\n  0\nTABLE\n  2\nLAYER\n"
      "  0\nLAYER\n  2\nWALLS\n 70\n0\n 62\n1\n  6\nCONTINUOUS\n"
      "  0\nLAYER\n  2\nEMPTY\n 70\n0\n 62\n3\n  6\nCONTINUOUS\n"
      "  0\nENDTAB\n  0\nENDSEC\n";
  const std::string entities =
      "  0\nSECTION\n  2\nENTITIES\n"
      "  0\nLINE\n  8\nWALLS\n 10\n-5\n 20\n2\n 11\n15\n 21\n2\n"
      "  0\nCIRCLE\n  8\nWALLS\n 10\n0\n 20\n0\n 40\n1\n"
      "  0\nENDSEC\n  0\nEOF\n";
  DXF_Zeichnung drawing;
  ASSERT_EQ(drawing.readDXFFromMemory(header + tables + entities), 0);
  const std::string text = drawingInformation(drawing);
  EXPECT_NE(text.find("DXF version: AC1009 (release R11/R12)\n"), std::string::npos) << text;
  EXPECT_NE(text.find("Extents: x -5.000 to 15.000, y -1.000 to 2.000 (20.000 x 3.000)\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("lines 1, arcs 0, circles 1,"), std::string::npos) << text;
  EXPECT_NE(text.find("\n  WALLS: 2 objects"), std::string::npos) << text;
  EXPECT_NE(text.find("\n  EMPTY: 0 objects"), std::string::npos) << text;
}

TEST(DrawingInformation, SaysWhenTheFileNamesNoReleaseAndNothingIsDrawn) {
  const std::string text = informationOf("");
  EXPECT_NE(text.find("DXF version: not given in the file\n"), std::string::npos) << text;
  EXPECT_NE(text.find("Extents: nothing is drawn\n"), std::string::npos) << text;
}

struct ReleaseCase {
  const char* version;
  const char* name;
};

TEST(DrawingInformation, ReleaseNamesOfTheVersionCodes) {
  const ReleaseCase cases[] = {{"AC1009", "R11/R12"}, {"AC1015", "2000"}, {"AC1032", "2018"},
                               {"AC1006", "R10"},     {"AC9999", ""},     {"", ""}};
  for (const ReleaseCase& c : cases) EXPECT_EQ(dxfReleaseName(c.version), c.name) << c.version;
}

}  // namespace
