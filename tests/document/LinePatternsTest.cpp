// The document's linetype patterns: the LTYPE table's elements with $LTSCALE, by name.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DocumentTesting.h"

using documenttesting::dxfFile;
using documenttesting::layerEntry;
using documenttesting::line;
using documenttesting::readOk;

namespace {

// dxfFile's table with a patterned linetype first: a dash of 2, a gap of 1, a dot, a gap.
std::string withPattern(const std::string& text) {
  std::string file = text;
  const std::string pattern =
      "  0\nLTYPE\n  2\nDashDot\n 70\n0\n  3\n_ .\n 72\n65\n 73\n4\n 40\n4.0\n"
      " 49\n2.0\n 74\n0\n 49\n-1.0\n 74\n0\n 49\n0.0\n 74\n0\n 49\n-1.0\n 74\n0\n";
  file.insert(file.find("  0\nLTYPE\n"), pattern);
  return file;
}

}  // namespace

TEST(DocumentLinePatterns, TableElementsByNameWithTheHeadersScale) {
  auto document = readOk(
      withPattern(dxfFile(line(0, 0, 1, 1), "", layerEntry("0", 7), "  9\n$LTSCALE\n 40\n2.5\n")));
  const LinePatterns patterns = document->linePatterns();
  EXPECT_DOUBLE_EQ(patterns.scale(), 2.5);
  const std::vector<double>* dashDot = patterns.find("DASHDOT");  // names ignore case
  ASSERT_NE(dashDot, nullptr);
  EXPECT_EQ(*dashDot, (std::vector<double>{2.0, -1.0, 0.0, -1.0}));
  EXPECT_EQ(patterns.find("Continuous"), nullptr);  // no elements: drawn solid
  EXPECT_EQ(patterns.find("NOT_THERE"), nullptr);
}

TEST(DocumentLinePatterns, ScaleThatIsNoPositiveNumberDrawsTheTableAsItIs) {
  for (const char* scale : {"0", "-3", "nan"}) {
    auto document = readOk(
        dxfFile("", "", layerEntry("0", 7), std::string("  9\n$LTSCALE\n 40\n") + scale + "\n"));
    EXPECT_DOUBLE_EQ(document->linePatterns().scale(), 1.0) << scale;
  }
}

TEST(DocumentLinePatterns, LinetypeAddedForALayerBorrowsNoOtherPattern) {
  auto document =
      readOk(withPattern(dxfFile(line(0, 0, 1, 1, "L"), "", layerEntry("L", 1, "HIDDEN"))));
  ASSERT_STREQ(document->linetypeAt(0)->name(), "DashDot");
  document->applyLayer(document->findLayer("L"), "L");
  const Linientyp* added = document->linetypeAt(document->linetypes().count() - 1);
  ASSERT_STREQ(added->name(), "HIDDEN");
  EXPECT_EQ(added->storedElements(), 0);
  EXPECT_EQ(document->linePatterns().find("HIDDEN"), nullptr);
}
