// Polylines' own colour, linetype and widths: read from both record kinds, handed to the
// segments, and written back as release 12 POLYLINE groups.
#include <gtest/gtest.h>

#include <iomanip>
#include <sstream>
#include <string>

#include "document/Polylinie.h"
#include "dxf/GroupLines.h"
#include "entities/Linie.h"

namespace {

int readLooks(Polylinie& polyline, const std::string& text) {
  auto in = DxfLineReader::fromString(text);
  return polyline.read(in);
}

std::string written(const Polylinie& polyline) {
  std::ostringstream out;
  out << std::fixed << std::setprecision(4);
  polyline.write(out);
  return out.str();
}

// An LWPOLYLINE of three vertices: colour 3, DASHED at scale 2, constant width 1.5, and
// the second vertex with widths of its own.
const char* const kLooks =
    "  8\nL\n  6\nDASHED\n 62\n3\n 48\n2\n 90\n3\n 70\n0\n 43\n1.5\n"
    " 10\n0\n 20\n0\n 10\n10\n 20\n0\n 40\n0.5\n 41\n2.5\n 10\n20\n 20\n0\n  0\n";

}  // namespace

TEST(PolylineLooks, LightweightGroupsReachVerticesAndSegments) {
  Polylinie polyline;
  ASSERT_EQ(readLooks(polyline, kLooks), 0);
  ASSERT_EQ(polyline.vertexCount(), 3);
  EXPECT_DOUBLE_EQ(polyline.vertexAt(0).startWidth(), 1.5);  // the constant width
  EXPECT_DOUBLE_EQ(polyline.vertexAt(0).endWidth(), 1.5);
  EXPECT_DOUBLE_EQ(polyline.vertexAt(1).startWidth(), 0.5);  // its own
  EXPECT_DOUBLE_EQ(polyline.vertexAt(1).endWidth(), 2.5);
  EXPECT_TRUE(polyline.isWide());
  ASSERT_EQ(polyline.segmentCount(), 2);
  const PolylineSegment made = polyline.segmentAt(0);
  const DXFGeometrie& segment = *made;
  EXPECT_STREQ(segment.colour(), "#149E0A");
  EXPECT_STREQ(segment.linetypeName(), "DASHED");
  EXPECT_DOUBLE_EQ(segment.linetypeScale(), 2.0);
}

TEST(PolylineLooks, TrueColourWinsAndIsWrittenAsNearestIndex) {
  Polylinie polyline;
  ASSERT_EQ(readLooks(polyline,
                      "  8\nL\n 62\n5\n420\n16711680\n 90\n2\n 70\n0\n"
                      " 10\n0\n 20\n0\n 10\n10\n 20\n0\n  0\n"),
            0);
  EXPECT_STREQ(polyline.segmentAt(0)->colour(), "#FF0000");
  EXPECT_NE(written(polyline).find(" 62\n1\n"), std::string::npos);
}

TEST(PolylineLooks, WrittenAndReadAgainKeepsLooksAndWidths) {
  Polylinie polyline;
  ASSERT_EQ(readLooks(polyline, kLooks), 0);
  const std::string text = written(polyline);
  for (const char* expected :
       {"  6\nDASHED\n", " 62\n3\n", " 48\n2", " 40\n0.5000\n", " 41\n2.5000\n"}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected;
  }
  Polylinie again;
  ASSERT_EQ(readLooks(again, text.substr(text.find('\n') + 1)), 0);
  ASSERT_EQ(again.vertexCount(), polyline.vertexCount());
  for (int i = 0; i < polyline.vertexCount(); ++i) {
    EXPECT_DOUBLE_EQ(again.vertexAt(i).startWidth(), polyline.vertexAt(i).startWidth()) << i;
    EXPECT_DOUBLE_EQ(again.vertexAt(i).endWidth(), polyline.vertexAt(i).endWidth()) << i;
  }
  EXPECT_STREQ(again.segmentAt(0)->colour(), "#149E0A");
  EXPECT_STREQ(again.segmentAt(0)->linetypeName(), "DASHED");
  EXPECT_DOUBLE_EQ(again.segmentAt(0)->linetypeScale(), 2.0);
}

TEST(EntityLooks, TrueColourAndLinetypeScaleAreWrittenForRelease12) {
  Linie line;
  auto in = DxfLineReader::fromString(
      "  8\n0\n 62\n3\n420\n1193046\n 48\n0.25\n 10\n0\n 20\n0\n 11\n1\n 21\n1\n  0\n");
  ASSERT_EQ(line.readGroups(in), 0);
  EXPECT_STREQ(line.colour(), "#123456");
  std::ostringstream out;
  out << std::fixed << std::setprecision(4);
  line.writeGroups(out);
  // #123456 lies nearest to index 146: hue 195 degrees, fourth shade (76), #00394C.
  EXPECT_NE(out.str().find(" 62\n146\n"), std::string::npos);
  EXPECT_EQ(out.str().find("420"), std::string::npos);
  EXPECT_NE(out.str().find(" 48\n0.2500\n"), std::string::npos);
}
