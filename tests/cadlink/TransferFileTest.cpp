// The transfer file: the view's block as a drawing of its own, or the opened file copied.
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "cadlink/TransferFile.h"
#include "document/DocumentTesting.h"
#include "TestSupport.h"

namespace {

using namespace documenttesting;
namespace fs = std::filesystem;

// A drawing whose block "NO_VIEW" holds two lines and an insert of a nested block, plus
// an entity outside the block that the transfer leaves behind.
std::string viewDrawing() {
  const std::string blocks =
      block("NO_VIEW", line(0, 0, 10, 0, "A") + line(0, 0, 0, 5) + insert("PIN", 2, 2)) +
      block("PIN", line(0, 0, 1, 1));
  return dxfFile(line(50, 50, 60, 60) + insert("NO_VIEW", 0, 0), blocks,
                 layerEntry("0", 7) + layerEntry("A", 1));
}

TEST(TransferFile, ViewBlockBecomesAnExplodedDrawingOfItsOwn) {
  const auto current = readOk(viewDrawing());
  const auto document = transferDocument(*current, "NO_VIEW");
  ASSERT_NE(document, nullptr);
  const Counts counts = countsOf(*document);
  EXPECT_EQ(counts.entities, 3);  // the block's two lines and the nested block's one
  EXPECT_EQ(counts.blocks, 0);
  EXPECT_EQ(counts.inserts, 0);
  EXPECT_NE(document->findLayer("A"), nullptr);
  EXPECT_DOUBLE_EQ(document->minX(), current->minX());
  EXPECT_DOUBLE_EQ(document->maxY(), current->maxY());

  // It is written and reads back as it is.
  testsupport::TempDir folder;
  const fs::path file = folder.file("dde_0.dxf");
  ASSERT_EQ(document->writeDXF(file), 0);
  DXF_Zeichnung copy;
  ASSERT_EQ(copy.readDXF(file), 0);
  EXPECT_EQ(countsOf(copy), counts);
}

// A turned view is its block's insert turned with the whole drawing.
TEST(TransferFile, TurnedViewIsSentAsShown) {
  for (const double degrees : {0.0, 90.0, 180.0, 270.0}) {
    const auto current = readOk(
        dxfFile(insert("NO_VIEW", 3, 4), block("NO_VIEW", line(0, 0, 10, 0) + line(0, 0, 0, 5))));
    current->rotateAll(1.0, degrees, 0.0, 0.0, 0.0);
    const auto document = transferDocument(*current, "NO_VIEW");
    ASSERT_NE(document, nullptr);
    expectAlike(picture(*document), picture(*current));
  }
}

TEST(TransferFile, NoDocumentWithoutTheViewBlock) {
  const auto current = readOk(viewDrawing());
  EXPECT_EQ(transferDocument(*current, "_VIEW_1"), nullptr);
}

TEST(TransferFile, CopyOverwritesAndMakesAReadOnlySourceWritable) {
  testsupport::TempDir folder;
  const fs::path source = folder.file("drawing.dxf");
  const fs::path target = folder.file("dde_0.dxf");
  testsupport::writeFile(source, "new");
  testsupport::writeFile(target, "older and longer");
  fs::permissions(source, fs::perms::owner_read, fs::perm_options::replace);
  ASSERT_TRUE(copyTransferFile(source.string(), target.string()));
  EXPECT_EQ(testsupport::readFile(target), "new");
  EXPECT_NE(fs::status(target).permissions() & fs::perms::owner_write, fs::perms::none);
  // And once more over the copy it made.
  EXPECT_TRUE(copyTransferFile(source.string(), target.string()));
}

TEST(TransferFile, CopyOfAMissingFileFails) {
  testsupport::TempDir folder;
  EXPECT_FALSE(copyTransferFile(folder.file("gone.dxf").string(), folder.file("t.dxf").string()));
  EXPECT_FALSE(fs::exists(folder.file("t.dxf")));
  EXPECT_FALSE(copyTransferFile(folder.file("gone.dxf").string(),
                                folder.file("no/such/folder.dxf").string()));
}

}  // namespace
