// Tests of what an insert's or a dimension's layer does to the content it places: layer "0"
// content and attributes take that layer, a frozen layer hides everything, a layer that is
// only off hides what took it.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "DocumentTesting.h"

namespace {

using namespace documenttesting;

// Layer "0", a layer on, one switched off (negative colour) and a frozen one (flag 1).
std::string layers() {
  return layerEntry("0", 7) + layerEntry("ON", 3) +
         "  0\nLAYER\n  2\nOFF\n 70\n     0\n 62\n-5\n  6\nCONTINUOUS\n"
         "  0\nLAYER\n  2\nICE\n 70\n     1\n 62\n7\n  6\nCONTINUOUS\n";
}

// A block with a line on layer "0" (y = 0) and one on layer "ON" (y = 1).
std::string twoLineBlock(const std::string& name) {
  return block(name, line(0, 0, 4, 0) + line(0, 1, 4, 1, "ON"));
}

// A drawing of the given entities that uses the layers above.
std::vector<std::string> pictureOf(const std::string& entities, const std::string& blocks = "") {
  return picture(*readOk(dxfFile(entities, blocks, layers())));
}

struct LayerCase {
  const char* layer;
  // The lines that show, drawn as the plain entities a reader expects to see.
  std::string expected;
};

class InsertOnLayer : public testing::TestWithParam<LayerCase> {};

TEST_P(InsertOnLayer, ShowsWhatItsLayerLetsThrough) {
  const LayerCase c = GetParam();
  const std::string entities = insert("B", 10, 0, 1, 0, c.layer);
  auto document = readOk(dxfFile(entities, twoLineBlock("B"), layers()));
  const auto drawn = picture(*document);
  EXPECT_EQ(drawn, pictureOf(c.expected));
  // A saved copy draws the same.
  EXPECT_EQ(picture(*readOk(writtenText(*document))), drawn);
}

INSTANTIATE_TEST_SUITE_P(
    Layers, InsertOnLayer,
    testing::Values(LayerCase{"ON", line(10, 0, 14, 0, "ON") + line(10, 1, 14, 1, "ON")},
                    // Only the content that took the insert's layer hides with it.
                    LayerCase{"OFF", line(10, 1, 14, 1, "ON")},
                    // A frozen layer hides the whole block.
                    LayerCase{"ICE", ""}),
    [](const auto& info) { return std::string(info.param.layer); });

TEST(InsertOnLayer, ExplodedInsertOnALayerThatIsOffDrawsTheSame) {
  auto document = readOk(dxfFile(insert("B", 10, 0, 2, 30, "OFF"), twoLineBlock("B"), layers()));
  const auto drawn = picture(*document);
  ASSERT_FALSE(drawn.empty());
  document->explodeAll();
  EXPECT_EQ(document->inserts().count(), 0);
  EXPECT_EQ(picture(*document), drawn);
}

TEST(InsertOnLayer, NestedInsertOnLayerZeroFollowsTheOuterLayer) {
  const std::string blocks = twoLineBlock("INNER") + block("OUTER", insert("INNER", 0, 0));
  EXPECT_EQ(pictureOf(insert("OUTER", 0, 0, 1, 0, "OFF"), blocks),
            pictureOf(line(0, 1, 4, 1, "ON")));
  EXPECT_EQ(pictureOf(insert("OUTER", 0, 0, 1, 0, "ICE"), blocks), pictureOf(""));
}

// An ATTRIB record after an insert, on `layer`.
std::string attribute(const std::string& layer, const std::string& value) {
  return "  0\nATTRIB\n  8\n" + layer + "\n 10\n1\n 20\n2\n 40\n1\n  1\n" + value +
         "\n  2\nTAG\n 70\n0\n";
}

// A TEXT record as the attribute above draws.
std::string textLike(const std::string& layer, const std::string& value) {
  return "  0\nTEXT\n  8\n" + layer + "\n 10\n1\n 20\n2\n 40\n1\n  1\n" + value + "\n";
}

TEST(AttributeLayer, OnLayerZeroItBelongsToItsInsertsLayer) {
  const std::string empty = block("E", "");
  const auto withAttributes = [&](const std::string& insertLayer) {
    return insert("E", 0, 0, 1, 0, insertLayer) + " 66\n1\n" + attribute("0", "zero") +
           attribute("ON", "own") + "  0\nSEQEND\n  8\n0\n";
  };
  EXPECT_EQ(pictureOf(withAttributes("OFF"), empty), pictureOf(textLike("ON", "own")));
  EXPECT_EQ(pictureOf(withAttributes("ON"), empty),
            pictureOf(textLike("ON", "zero") + textLike("ON", "own")));
  // The saved file keeps the attribute on the layer it is drawn with.
  auto document = readOk(dxfFile(withAttributes("OFF"), empty, layers()));
  EXPECT_EQ(picture(*readOk(writtenText(*document))), picture(*document));
}

// A DIMENSION on `layer` drawn through block *D1 at the origin.
std::string dimension(const std::string& layer) {
  return "  0\nDIMENSION\n  8\n" + layer +
         "\n  2\n*D1\n 10\n0\n 20\n0\n 11\n0\n 21\n0\n 12\n0\n 22\n0\n 70\n0\n  1\n<>\n";
}

TEST(DimensionLayer, BlockContentOnLayerZeroTakesTheDimensionsLayer) {
  const std::string blocks = twoLineBlock("*D1");
  EXPECT_EQ(pictureOf(dimension("OFF"), blocks), pictureOf(line(0, 1, 4, 1, "ON")));
  EXPECT_EQ(pictureOf(dimension("ON"), blocks),
            pictureOf(line(0, 0, 4, 0, "ON") + line(0, 1, 4, 1, "ON")));
  auto document = readOk(dxfFile(dimension("OFF"), blocks, layers()));
  const auto drawn = picture(*document);
  document->explodeAll();
  EXPECT_EQ(picture(*document), drawn);
}

}  // namespace
