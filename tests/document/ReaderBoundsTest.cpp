// Reading costs no more than the file holds: records without any group make no object.
#include <string>

#include <gtest/gtest.h>

#include "DocumentTesting.h"

namespace {

using namespace documenttesting;

TEST(ReaderBounds, RecordsWithoutGroupsMakeNoObjects) {
  std::string bare;
  for (int i = 0; i < 1000; ++i) bare += "  0\nLINE\n  0\nCIRCLE\n  0\nINSERT\n";
  const auto document = readOk(dxfFile(bare + line(0, 0, 1, 1)));
  EXPECT_EQ(document->entities().count(), 1);
  EXPECT_EQ(document->inserts().count(), 0);
}

TEST(ReaderBounds, OneGroupIsEnoughForAnObject) {
  const auto document = readOk(dxfFile("  0\nLINE\n  8\n0\n  0\nCIRCLE\n 40\n2.0\n"));
  EXPECT_EQ(document->entities().count(), 2);
}

}  // namespace
