// Tests of entities the file marks invisible (group 60 = 1): kept and saved, never drawn.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "DocumentTesting.h"

namespace {

using namespace documenttesting;

struct MarkCase {
  const char* name;
  // A record with the mark `%` (the group 60 line pair goes there).
  std::string record;
};

std::string marked(const std::string& record, const std::string& mark) {
  const std::size_t at = record.find('%');
  return record.substr(0, at) + mark + record.substr(at + 1);
}

class InvisibleMark : public testing::TestWithParam<MarkCase> {};

TEST_P(InvisibleMark, MarkedEntityIsSavedButNotDrawn) {
  const MarkCase c = GetParam();
  auto shown = readOk(dxfFile(marked(c.record, " 60\n0\n")));
  EXPECT_FALSE(picture(*shown).empty());
  auto hidden = readOk(dxfFile(marked(c.record, " 60\n1\n")));
  EXPECT_TRUE(picture(*hidden).empty());
  const std::string written = writtenText(*hidden);
  EXPECT_NE(written.find(" 60\n1\n"), std::string::npos) << written;
  auto again = readOk(written);
  EXPECT_EQ(countsOf(*again).entities, countsOf(*hidden).entities);
  EXPECT_TRUE(picture(*again).empty());
  // Placed through an insert, the copy stays hidden.
  auto inBlock =
      readOk(dxfFile(insert("B", 5, 5, 2, 30), block("B", marked(c.record, " 60\n1\n"))));
  EXPECT_TRUE(picture(*inBlock).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, InvisibleMark,
    testing::Values(MarkCase{"line", "  0\nLINE\n  8\n0\n% 10\n0\n 20\n0\n 11\n4\n 21\n3\n"},
                    MarkCase{"circle", "  0\nCIRCLE\n  8\n0\n% 10\n1\n 20\n1\n 40\n2\n"},
                    MarkCase{"text", "  0\nTEXT\n  8\n0\n% 10\n1\n 20\n1\n 40\n2\n  1\nhidden\n"},
                    MarkCase{"point", "  0\nPOINT\n  8\n0\n% 10\n1\n 20\n1\n"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
