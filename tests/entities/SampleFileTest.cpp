// Reads the lines and arcs of a real drawing and writes them back.
#include <memory>
#include <numbers>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "EntityTesting.h"
#include "entities/Kreisbogen.h"
#include "entities/Linie.h"
#include "TestSupport.h"

namespace {

// Every LINE and ARC of the file, read by the entities themselves.
std::vector<std::unique_ptr<DXFGeometrie>> readEntities(DxfLineReader& in) {
  std::vector<std::unique_ptr<DXFGeometrie>> entities;
  for (;;) {
    const std::string line = in.readLine();
    if (in.eof()) break;
    std::unique_ptr<DXFGeometrie> entity;
    if (line == "LINE") entity = std::make_unique<Linie>();
    if (line == "ARC") entity = std::make_unique<Kreisbogen>();
    if (!entity) continue;
    EXPECT_EQ(entity->readGroups(in), 0) << "after line " << in.lineNumber();
    entities.push_back(std::move(entity));
  }
  return entities;
}

TEST(SampleFile, LinesAndArcsSurviveARoundTrip) {
  auto in = DxfLineReader::openFile(testsupport::dataPath("AC1003_LINE_Example.dxf"));
  ASSERT_TRUE(in.isOpen());
  const auto entities = readEntities(in);
  ASSERT_EQ(entities.size(), 22u);  // 13 lines, 9 arcs

  // The first arc runs from 270 degrees across 0: it is stored as 270 to 360.
  const Kreisbogen* arc = nullptr;
  for (const auto& entity : entities) {
    if (!arc) arc = dynamic_cast<const Kreisbogen*>(entity.get());
  }
  ASSERT_NE(arc, nullptr);
  EXPECT_DOUBLE_EQ(arc->cx(), 2.0);
  EXPECT_DOUBLE_EQ(arc->r(), 0.5);
  EXPECT_NEAR(arc->startAngle(), 1.5 * std::numbers::pi, 1e-12);
  EXPECT_NEAR(arc->endAngle(), 2 * std::numbers::pi, 1e-12);
  EXPECT_STREQ(arc->colour(), "#0000FF");

  std::string text;
  for (const auto& entity : entities) text += entitytesting::written(*entity);
  auto again = DxfLineReader::fromString(text);
  const auto reread = readEntities(again);
  ASSERT_EQ(reread.size(), entities.size());
  for (std::size_t i = 0; i < entities.size(); ++i) {
    EXPECT_EQ(entitytesting::written(*reread[i]), entitytesting::written(*entities[i]));
  }
}

}  // namespace
