// Tests of finding the objects of a file: type names and their near misses, layers by name,
// and the owning object lists.
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "document/DXFText.h"
#include "document/DXF_Bemassung.h"
#include "document/DXF_Insert.h"
#include "document/DocumentLists.h"
#include "document/LayerIndex.h"
#include "document/ObjectReader.h"
#include "document/Polylinie.h"

namespace {

struct Lists {
  EntityList entities{100};
  PolylineList polylines{100};
  InsertList inserts{100};
  DimensionList dimensions{100};
  ObjectLists view{entities, polylines, inserts, dimensions};
};

// Reads one object named `typeName` whose groups are `groups`; the outcome and the lists.
ObjectReader::Outcome readOne(const char* typeName, Lists& lists, const LayerList& layers) {
  auto in = DxfLineReader::fromString("  8\nL\n 10\n1\n 20\n2\n 90\n1\n  0\nEOF\n");
  const LayerIndex index(layers);
  return ObjectReader::read(typeName, in, lists.view, index, false);
}

TEST(ObjectDispatch, EveryTypeNameGoesToItsList) {
  const LayerList layers(10);
  Lists lists;
  for (const char* name : {"LINE", "ARC", "CIRCLE", "POINT", "TEXT", "MTEXT", "SOLID", "TRACE"}) {
    EXPECT_TRUE(readOne(name, lists, layers).recognised) << name;
  }
  for (const char* name : {"POLYLINE", "LWPOLYLINE"}) {
    EXPECT_TRUE(readOne(name, lists, layers).recognised) << name;
  }
  EXPECT_TRUE(readOne("INSERT", lists, layers).insertOrDimension);
  EXPECT_TRUE(readOne("DIMENSION", lists, layers).insertOrDimension);
  // The MTEXT has no characters, so no line to show; the TRACE is a SOLID.
  ASSERT_EQ(lists.entities.count(), 7);
  EXPECT_EQ(lists.polylines.count(), 2);
  EXPECT_EQ(lists.inserts.count(), 1);
  EXPECT_EQ(lists.dimensions.count(), 1);
  EXPECT_STREQ(lists.entities.at(0)->typeName(), "LINE");
  EXPECT_STREQ(lists.entities.at(4)->typeName(), "TEXT");
  EXPECT_STREQ(lists.entities.at(5)->typeName(), "SOLID");
  EXPECT_STREQ(lists.entities.at(6)->typeName(), "SOLID");
}

TEST(ObjectDispatch, NearMissesStartNothing) {
  const LayerList layers(10);
  Lists lists;
  for (const char* name :
       {"", "LIN", "LINEX", "line", " LINE", "LINE ", "LWPOLYLINEX", "POLYLINES", "ARCS", "AR",
        "DIMENSIONS", "MTEXTS", "VERTEX", "SEQEND", "LWPOLYLINE_LONG", "INSERTION", "CIRCLE\t"}) {
    EXPECT_FALSE(readOne(name, lists, layers).recognised) << '"' << name << '"';
  }
  std::string withNul("LINE\0X", 6);
  EXPECT_TRUE(readOne(withNul.c_str(), lists, layers).recognised);  // a C string ends at NUL
  EXPECT_EQ(lists.entities.count(), 1);
  // A leader needs the drawing's dimension styles: the document reader reads it itself.
  EXPECT_FALSE(readOne("LEADER", lists, layers).recognised);
}

TEST(ObjectDispatch, ObjectsTakeTheFirstLayerOfTheirName) {
  LayerList layers(10);
  layers.append(std::make_unique<Layer>("M"));
  layers.append(std::make_unique<Layer>("L"));
  layers.append(std::make_unique<Layer>("L"));
  Lists lists;
  readOne("LINE", lists, layers);
  readOne("LWPOLYLINE", lists, layers);
  ASSERT_GT(lists.entities.count(), 0);
  EXPECT_EQ(lists.entities.at(0)->layer(), layers.at(1));
  ASSERT_GT(lists.polylines.count(), 0);
  ASSERT_EQ(lists.polylines.at(0)->segmentCount(), 0);
  EXPECT_STREQ(lists.polylines.at(0)->layerName(), "L");
}

TEST(LayerIndexLookup, FindsTheFirstOfEachNameAmongMany) {
  LayerList layers(10);
  for (int i = 0; i < 1500; ++i) {
    layers.append(std::make_unique<Layer>(("LAYER_" + std::to_string(i % 1000)).c_str()));
  }
  layers.append(std::make_unique<Layer>(""));
  layers.append(std::make_unique<Layer>("layer_7"));
  const LayerIndex index(layers);
  for (int i = 0; i < 1000; ++i) {
    ASSERT_EQ(index.firstNamed(("LAYER_" + std::to_string(i)).c_str()), layers.at(i)) << i;
  }
  EXPECT_EQ(index.firstNamed(""), layers.at(1500));
  EXPECT_EQ(index.firstNamed("layer_7"), layers.at(1501));
  EXPECT_EQ(index.firstNamed("LAYER_1000"), nullptr);
  EXPECT_EQ(index.firstNamed("LAYER_"), nullptr);
  EXPECT_EQ(index.firstNamed("LAYER_7 "), nullptr);
}

TEST(LayerIndexLookup, EmptyTableFindsNothing) {
  const LayerList layers(10);
  const LayerIndex index(layers);
  EXPECT_EQ(index.firstNamed("0"), nullptr);
  EXPECT_EQ(index.firstNamed(""), nullptr);
}

// Counts how many objects of its kind are alive.
struct Counted {
  static inline int alive = 0;
  Counted() { ++alive; }
  ~Counted() { --alive; }
  Counted(const Counted&) = delete;
  Counted& operator=(const Counted&) = delete;
};

TEST(PointerListOwnership, EveryObjectIsDeletedOnceOnResetAndAtTheEnd) {
  {
    PointerList<Counted> list(3);
    for (int i = 0; i < 5000; ++i) list.append(std::make_unique<Counted>());
    EXPECT_EQ(Counted::alive, 5000);
    EXPECT_EQ(list.append(nullptr), -1);
    list.reset(7);
    EXPECT_EQ(Counted::alive, 0);
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(list.at(0), nullptr);
    const int index = list.append(std::make_unique<Counted>());
    EXPECT_EQ(index, 0);
    EXPECT_NE(list.at(0), nullptr);
  }
  EXPECT_EQ(Counted::alive, 0);
}

}  // namespace
