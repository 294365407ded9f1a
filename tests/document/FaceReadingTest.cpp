// Tests of 3DFACE records: seen from above, a face is drawn, saved and exploded as the
// edges its flags leave visible.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "DocumentTesting.h"
#include "entities/Face3D.h"

namespace {

using namespace documenttesting;

// A 3DFACE with corners (0, 0), (4, 0), (4, 3) and, unless `triangle`, (0, 3), at heights
// that a view from above ignores.
std::string face(int hiddenEdges, bool triangle = false) {
  std::string record =
      "  0\n3DFACE\n  8\n0\n 62\n1\n 10\n0\n 20\n0\n 30\n1\n 11\n4\n 21\n0\n 31\n2\n"
      " 12\n4\n 22\n3\n 32\n3\n";
  if (!triangle) record += " 13\n0\n 23\n3\n 33\n4\n";
  if (hiddenEdges) record += " 70\n" + std::to_string(hiddenEdges) + "\n";
  return record;
}

struct FaceCase {
  const char* name;
  int hiddenEdges;
  bool triangle;
  // The same outline as plain lines.
  std::string expected;
};

class FaceOutline : public testing::TestWithParam<FaceCase> {};

TEST_P(FaceOutline, VisibleEdgesAreDrawnSavedAndExplodedAsLines) {
  const FaceCase c = GetParam();
  auto document = readOk(dxfFile(face(c.hiddenEdges, c.triangle)));
  const auto drawn = picture(*document);
  EXPECT_EQ(drawn, picture(*readOk(dxfFile(c.expected))));
  EXPECT_EQ(picture(*readOk(writtenText(*document))), drawn);
  for (int i = 0; i < document->entities().count(); ++i) {
    EXPECT_STREQ(document->entities().at(i)->typeName(), "LINE");
    EXPECT_STREQ(document->entities().at(i)->colourNumber(), "1");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FaceOutline,
    testing::Values(
        FaceCase{"quadrilateral", 0, false,
                 line(0, 0, 4, 0) + line(4, 0, 4, 3) + line(4, 3, 0, 3) + line(0, 3, 0, 0)},
        FaceCase{"firstAndThirdHidden", Face3D::kFirstEdgeHidden | Face3D::kThirdEdgeHidden, false,
                 line(4, 0, 4, 3) + line(0, 3, 0, 0)},
        FaceCase{"allHidden", 15, false, ""},
        // The repeated third corner makes the third edge a point: three lines remain.
        FaceCase{"triangle", 0, true, line(0, 0, 4, 0) + line(4, 0, 4, 3) + line(4, 3, 0, 0)},
        FaceCase{"triangleClosingEdgeHidden", Face3D::kFourthEdgeHidden, true,
                 line(0, 0, 4, 0) + line(4, 0, 4, 3)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FaceInBlock, PlacedByATurnedInsertAndExplodedAlike) {
  auto document = readOk(dxfFile(insert("F", 10, 5, 2, 30), block("F", face(0))));
  const auto drawn = picture(*document);
  EXPECT_EQ(drawn.size(), 4u);
  document->explodeAll();
  EXPECT_EQ(picture(*document), drawn);
}

TEST(FaceRecord, WritesItsCornersAndHiddenEdges) {
  Face3D read;
  auto in = DxfLineReader::fromString(
      " 8\nF\n 10\n1\n 20\n2\n 11\n3\n 21\n4\n 12\n5\n 22\n6\n"
      " 70\n5\n  0\nEOF\n");
  ASSERT_EQ(read.readGroups(in), 0);
  EXPECT_DOUBLE_EQ(read.cornerX(3), 5.0);
  EXPECT_DOUBLE_EQ(read.cornerY(3), 6.0);
  EXPECT_EQ(read.hiddenEdges(), 5);
  std::ostringstream out;
  read.writeGroups(out);
  const std::string text = out.str();
  EXPECT_EQ(text.rfind("3DFACE\n  8\nF\n", 0), 0u) << text;
  EXPECT_NE(text.find(" 70\n5\n"), std::string::npos) << text;
  Face3D again;
  auto back = DxfLineReader::fromString(text.substr(text.find('\n') + 1) + "EOF\n");
  ASSERT_EQ(again.readGroups(back), 0);
  EXPECT_EQ(again.hiddenEdges(), 5);
  EXPECT_DOUBLE_EQ(again.cornerX(2), 5.0);
}

}  // namespace
