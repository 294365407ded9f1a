// Blocks are found by name through the list's index, with the same answers a walk over the
// list gave: the last block of a name, exact or ignoring case, nothing after a reset.
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "DocumentTesting.h"
#include "document/BlockList.h"
#include "document/DXF_Block.h"

namespace {

using namespace documenttesting;

void appendBlocks(BlockList& blocks, std::initializer_list<const char*> names) {
  for (const char* name : names) blocks.append(std::make_unique<DXF_Block>(name));
}

struct Lookup {
  const char* name;
  bool ignoreCase;
  int expected;
};

TEST(BlockList, FindsTheLastBlockOfANameExactlyOrIgnoringCase) {
  BlockList blocks(4);
  appendBlocks(blocks, {"Door", "WINDOW", "door", "Door", "\xC4-teil"});
  const Lookup lookups[] = {
      {"Door", false, 3},      {"door", false, 2},  {"DOOR", false, -1},
      {"DOOR", true, 3},       {"window", true, 1}, {"Window", false, -1},
      {"\xC4-teil", false, 4}, {"", false, -1},     {"Doo", true, -1},
  };
  for (const Lookup& lookup : lookups) {
    EXPECT_EQ(blocks.indexOf(lookup.name, lookup.ignoreCase), lookup.expected)
        << lookup.name << (lookup.ignoreCase ? " ignoring case" : "");
  }
}

TEST(BlockList, ForgetsItsNamesWhenEmptiedAndLearnsTheNewOnes) {
  BlockList blocks(4);
  appendBlocks(blocks, {"A", "B"});
  blocks.reset(4);
  EXPECT_EQ(blocks.indexOf("A", false), -1);
  blocks.append(std::make_unique<DXF_Block>("B"));
  EXPECT_EQ(blocks.indexOf("B", false), 0);

  const auto released = blocks.releaseAll(4);
  ASSERT_EQ(released.size(), 1u);
  EXPECT_EQ(blocks.indexOf("B", true), -1);
  EXPECT_EQ(blocks.append(nullptr), -1);
  EXPECT_EQ(blocks.count(), 0);
}

TEST(BlockList, InsertsAmongThousandsOfBlocksFindTheirOwn) {
  // The nested blocks come first, so that a walk from the end passes every other block.
  std::string blocks = block("LEAF", line(0, 0, 1, 1));
  blocks += block("MID", insert("LEAF", 0, 0) + insert("LEAF", 2, 0));
  for (int i = 0; i < 3000; ++i) blocks += block("UNUSED" + std::to_string(i), "");
  const auto document = readOk(dxfFile(insert("MID", 10, 0), blocks));
  ASSERT_EQ(document->blocks().count(), 3002);
  EXPECT_EQ(document->blocks().indexOf("MID", false), 1);
  document->computeExtents();
  EXPECT_DOUBLE_EQ(document->minX(), 10.0);
  EXPECT_DOUBLE_EQ(document->maxX(), 13.0);
}

}  // namespace
