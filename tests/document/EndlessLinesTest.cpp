// XLINE and RAY in a drawing: drawn across the view, their base points in the extents,
// placed by inserts, saved as the lines across the extents.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "DocumentTesting.h"

namespace {

using namespace documenttesting;

std::string endless(const char* kind, double x, double y, double dx, double dy) {
  std::ostringstream out;
  out << "  0\n"
      << kind << "\n100\nAcDbEntity\n  8\n0\n100\nAcDbXline\n 10\n"
      << x << "\n 20\n"
      << y << "\n 30\n0\n 11\n"
      << dx << "\n 21\n"
      << dy << "\n 31\n0\n";
  return out.str();
}

std::vector<std::string> linesDrawn(const DXF_Zeichnung& document) {
  std::vector<std::string> lines;
  for (const std::string& figure : picture(document)) {
    if (figure.rfind("wc_line", 0) == 0) lines.push_back(figure);
  }
  return lines;
}

TEST(EndlessLinesTest, DrawnAcrossTheView) {
  struct Case {
    const char* name;
    std::string entities;
    std::string expected;
  };
  const Case cases[] = {
      {"xline", endless("XLINE", 0, 0, 1, 1), "wc_line -200.0000 -200.0000 200.0000 200.0000 "},
      {"ray", endless("RAY", 10, 20, 0, -1), "wc_line 10.0000 20.0000 10.0000 -200.0000 "},
      // The block's ray along +x, turned a quarter by the insert at (5, 0): up from (5, 3).
      {"ray in a rotated insert", insert("R", 5, 0, 1, 90),
       "wc_line 5.0000 3.0000 5.0000 200.0000 "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto document = readOk(dxfFile(c.entities, block("R", endless("RAY", 3, 0, 1, 0))));
    EXPECT_TRUE(document->skippedKinds().empty());
    EXPECT_EQ(linesDrawn(*document), std::vector<std::string>{c.expected});
  }
}

TEST(EndlessLinesTest, ExtentsHoldTheBasePointAndSavingWritesTheLineAcrossThem) {
  auto document = readOk(dxfFile(line(0, 0, 40, 20) + endless("XLINE", 10, 5, 0, 1)));
  // The drawn line alone spans the extents: the xline adds only its base point, inside.
  EXPECT_DOUBLE_EQ(document->minX(), 0.0);
  EXPECT_DOUBLE_EQ(document->maxX(), 40.0);
  EXPECT_DOUBLE_EQ(document->minY(), 0.0);
  EXPECT_DOUBLE_EQ(document->maxY(), 20.0);
  auto readBack = readOk(writtenText(*document));
  EXPECT_TRUE(readBack->skippedKinds().empty());
  ASSERT_EQ(readBack->entities().count(), 2);
  // Saved as the vertical line x = 10 from the bottom to the top of the extents, it is
  // drawn as that line, no longer across the whole view.
  const std::vector<std::string> lines = linesDrawn(*readBack);
  EXPECT_NE(std::find(lines.begin(), lines.end(), "wc_line 10.0000 0.0000 10.0000 20.0000 "),
            lines.end());
  EXPECT_DOUBLE_EQ(readBack->maxY(), 20.0);
}

}  // namespace
