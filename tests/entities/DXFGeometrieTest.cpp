// Tests of what all entities share: colour table, layer assignment, pen cache, the read
// loop and the write frame, placement and device fit.
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "EntityTesting.h"
#include "entities/Kreis.h"
#include "entities/Kreisbogen.h"
#include "entities/Linie.h"
#include "entities/Punkt.h"
#include "entities/Solid.h"
#include "support/RecordingCanvas.h"

namespace {

using entitytesting::makeLayer;
using entitytesting::readFrom;
using entitytesting::written;

// A line read from a snippet that carries the given group 62 value (none when empty).
Linie readLine(const std::string& colourNumber, const char* layerName = "L") {
  std::string text = "  8\n" + std::string(layerName) + "\n";
  if (!colourNumber.empty()) text += " 62\n" + colourNumber + "\n";
  text += " 10\n1\n 20\n2\n 11\n3\n 21\n4\n  0\n";
  Linie line;
  EXPECT_EQ(readFrom(line, text), 0);
  return line;
}

TEST(ColourTable, NumbersToColours) {
  EXPECT_STREQ(readLine("1").colour(), "#FF0000");
  EXPECT_STREQ(readLine("40").colour(), "#FFBF00");
  EXPECT_STREQ(readLine("7").colour(), "#000000");
  EXPECT_STREQ(readLine("12").colour(), "#A50000");
  EXPECT_STREQ(readLine("-3").colour(), "#000000");
  EXPECT_STREQ(readLine("0").colour(), "BYBLOCK");
  EXPECT_STREQ(readLine("256").colour(), "BYLAYER");
  EXPECT_STREQ(readLine("").colour(), "BYLAYER");
  EXPECT_STREQ(readLine("rot").colour(), "BYBLOCK");  // no number reads as 0
  EXPECT_EQ(readLine("-3").visible(), 1);             // unlike a layer, not hidden
}

TEST(AssignLayer, UncolouredEntityFollowsItsLayer) {
  Layer red = makeLayer("L", "1", "DASHED");
  Linie line = readLine("");
  line.assignLayer(&red);
  EXPECT_STREQ(line.colour(), "#FF0000");
  EXPECT_EQ(line.ownColour(), 0);
  EXPECT_EQ(line.lineStyleCode(), 1);
  red.setColourNumber("5");
  red.deriveColourAndStyle();
  line.assignLayer(&red);
  EXPECT_STREQ(line.colour(), "#0000FF");
}

TEST(AssignLayer, ExplicitColourStaysOnAnotherLayer) {
  Layer blue = makeLayer("L", "5");
  Linie line = readLine("1");
  line.assignLayer(&blue);
  EXPECT_STREQ(line.colour(), "#FF0000");
  EXPECT_EQ(line.ownColour(), 1);
  blue.setColourNumber("3");
  blue.deriveColourAndStyle();
  line.assignLayer(&blue);
  EXPECT_STREQ(line.colour(), "#FF0000");
}

TEST(AssignLayer, BlackOnBlackLayerCountsAsChosen) {
  Layer black = makeLayer("L", "7");
  Linie line = readLine("7");
  line.assignLayer(&black);
  EXPECT_EQ(line.ownColour(), 1);
  black.setColourNumber("1");
  black.deriveColourAndStyle();
  line.assignLayer(&black);
  EXPECT_STREQ(line.colour(), "#000000");

  Layer blue = makeLayer("L", "5");
  Linie other = readLine("7");
  other.assignLayer(&blue);
  EXPECT_STREQ(other.colour(), "#0000FF");
  EXPECT_EQ(other.ownColour(), 0);
}

TEST(AssignLayer, TakesVisibilityStyleAndName) {
  Layer hidden = makeLayer("L", "2", "phantom");
  hidden.setVisible(0);
  Linie line = readLine("");
  line.assignLayer(&hidden);
  EXPECT_EQ(line.visible(), 0);
  EXPECT_EQ(line.lineStyleCode(), 4);
  EXPECT_EQ(line.layer(), &hidden);
  hidden.setName("Umbenannt");
  line.assignLayer(&hidden);
  EXPECT_STREQ(line.layerName(), "Umbenannt");
}

TEST(AssignLayer, NoLayerOnlyClearsThePointer) {
  Layer red = makeLayer("L", "1");
  Linie line = readLine("");
  line.assignLayer(&red);
  line.assignLayer(nullptr);
  EXPECT_EQ(line.layer(), nullptr);
  EXPECT_STREQ(line.colour(), "#FF0000");
  EXPECT_STREQ(line.layerName(), "L");
}

TEST(AttachLayer, FirstExactNameWins) {
  Layer lower = makeLayer("kontur", "1");
  Layer first = makeLayer("KONTUR", "2");
  Layer second = makeLayer("KONTUR", "3");
  const std::vector<Layer*> layers{&lower, &first, &second};
  Linie line = readLine("", "KONTUR");
  EXPECT_EQ(line.attachLayer(layers), 1);
  EXPECT_EQ(line.layer(), &first);
  EXPECT_STREQ(line.colour(), "#FFFF00");
}

TEST(AttachLayer, UnknownNameLeavesTheEntityAsRead) {
  Layer other = makeLayer("A", "1");
  const std::vector<Layer*> layers{&other};
  Linie line = readLine("", "B");
  EXPECT_EQ(line.attachLayer(layers), 0);
  EXPECT_EQ(line.layer(), nullptr);
  EXPECT_STREQ(line.colour(), "BYLAYER");
  EXPECT_EQ(line.lineStyleCode(), 0);  // a neutral solid line
}

TEST(AttachLayer, IndexedListUntilNull) {
  Layer a = makeLayer("A", "1");
  Layer b = makeLayer("B", "4");
  Layer* list[] = {&a, &b};
  Linie line = readLine("", "B");
  const int found = line.attachLayerAt([&](int i) -> Layer* { return i < 2 ? list[i] : nullptr; });
  EXPECT_EQ(found, 1);
  EXPECT_STREQ(line.colour(), "#00FFFF");
  Linie missing = readLine("", "C");
  EXPECT_EQ(missing.attachLayerAt([&](int i) -> Layer* { return i < 2 ? list[i] : nullptr; }), 0);
}

TEST(ValueConstructors, CopyTheLayerAtOnce) {
  Layer layer = makeLayer("L", "3", "HIDDEN");
  layer.setVisible(0);
  const Linie line(0, 0, 1, 1, &layer);
  EXPECT_STREQ(line.layerName(), "L");
  EXPECT_STREQ(line.colour(), "#149E0A");
  EXPECT_EQ(line.lineStyleCode(), 2);
  EXPECT_EQ(line.visible(), 0);
  EXPECT_EQ(line.ownColour(), 0);
  const Linie bare(0, 0, 1, 1);
  EXPECT_STREQ(bare.colour(), "BYLAYER");
  EXPECT_STREQ(bare.layerName(), "0");
}

TEST(ReadLoop, TwoLayerNamesKeepTheFirstAndStayInStep) {
  Linie line;
  ASSERT_EQ(readFrom(line, "  8\nA\n  8\nB\n 10\n5\n  0\n"), 0);
  EXPECT_STREQ(line.layerName(), "A");
  EXPECT_DOUBLE_EQ(line.x1(), 5.0);
}

TEST(ReadLoop, UnindentedCodePairIsPassedOverWithItsValue) {
  Linie line;
  ASSERT_EQ(readFrom(line, "10\n 20\n 11\n7\n  0\n"), 0);
  // " 20" was the value of the unindented pair, so y1 stays 0.
  EXPECT_DOUBLE_EQ(line.y1(), 0.0);
  EXPECT_DOUBLE_EQ(line.x2(), 7.0);
}

TEST(ReadLoop, StopsAfterCodeZeroAndLeavesTheTypeName) {
  auto reader = DxfLineReader::fromString(" 10\n1\n  0\nCIRCLE\n");
  Linie line;
  ASSERT_EQ(line.readGroups(reader), 0);
  EXPECT_STREQ(reader.readLine(), "CIRCLE");
}

TEST(ReadLoop, EndOfFileCodesPerKind) {
  const std::string truncated = "  8\n0\n 10\n1.0\n";
  Linie line;
  Kreis circle;
  Punkt point;
  Solid solid;
  EXPECT_EQ(readFrom(line, truncated), -32);
  EXPECT_EQ(readFrom(circle, truncated), -33);
  EXPECT_EQ(readFrom(point, truncated), -31);
  EXPECT_EQ(readFrom(solid, truncated), -36);
  EXPECT_EQ(readFrom(line, ""), -32);
  EXPECT_EQ(readFrom(line, " 10\n1\n  0"), -32);  // the closing line itself ends the file
}

TEST(ReadLoop, GarbageNeverHangsOrCrashes) {
  std::string bytes;
  for (int i = 0; i < 2000; ++i) bytes.push_back(static_cast<char>((i * 37) % 256));
  bytes += "\n 10\n1e308\n 20\nnan\n 11\ninf\n 21\n-1e999\n 62\n99999999999999\n";
  Linie line;
  EXPECT_EQ(readFrom(line, bytes), -32);
  Linie values;
  ASSERT_EQ(readFrom(values, " 10\n1e308\n 20\nnan\n 62\n99999999999999\n  0\n"), 0);
  EXPECT_DOUBLE_EQ(values.x1(), 1e308);
  EXPECT_TRUE(std::isnan(values.y1()));
  EXPECT_STREQ(values.colour(), "#000000");
}

// Absurd values read from a file are drawn, printed and written without undefined
// behaviour (the sanitizer build checks the conversions).
TEST(ReadLoop, AbsurdValuesThroughEveryOperation) {
  const std::string values[] = {"1e308", "-1e308", "nan", "inf", "-inf", "1e-320"};
  for (const std::string& value : values) {
    std::string text;
    for (int code : {10, 20, 11, 21, 12, 22, 13, 23, 40, 42, 50, 51, 230}) {
      text += " " + std::to_string(code) + "\n" + value + "\n";
    }
    text += "  0\n";
    Linie line;
    Kreis circle;
    Kreisbogen arc;
    Punkt point;
    Solid solid;
    DXFGeometrie* kinds[] = {&line, &circle, &arc, &point, &solid};
    for (DXFGeometrie* entity : kinds) {
      SCOPED_TRACE(std::string(entity->typeName()) + " " + value);
      ASSERT_EQ(readFrom(*entity, text), 0);
      testsupport::RecordingDrawingArea area;
      testsupport::RecordingDeviceContext dc;
      entity->draw(area, 1, 0, 0, 0);
      entity->drawOnDevice(dc, 1, 0, 0, 100, 100, 0, 0, 0);
      entity->transform(-2, 30, 1, 1, 0);
      entity->scaleX(3, 1);
      Punkt first;
      Punkt second;
      const int crossings = entity->intersectLine(Linie(0, 0, 1, 1), first, second);
      EXPECT_LE(crossings, 2);
      EXPECT_FALSE(written(*entity).empty());
    }
  }
}

TEST(ReadLoop, LongLayerNameAndColourAreCut) {
  Linie line;
  ASSERT_EQ(readFrom(line, "  8\n" + std::string(70, 'X') + "\n 62\n0000000000001\n  0\n"), 0);
  EXPECT_EQ(std::string(line.layerName()), std::string(49, 'X'));
  EXPECT_STREQ(line.colourNumber(), "000000000");
}

// The entity's name and the layer table's are cut alike, so a long name still finds its
// layer; entities of one layer share one copy of the name.
TEST(ReadLoop, EntitiesOnALongNamedLayerFindItAndShareItsName) {
  const std::string name(70, 'X');
  Layer layer = makeLayer(name.c_str(), "5");
  Linie first = readLine("", name.c_str());
  Linie second = readLine("", name.c_str());
  const std::vector<Layer*> layers{&layer};
  ASSERT_EQ(first.attachLayer(layers), 1);
  EXPECT_EQ(first.layer(), &layer);
  EXPECT_STREQ(first.colour(), layer.colour());
  EXPECT_EQ(first.layerName(), second.layerName());
}

TEST(WriteFrame, OwnColourIsWrittenAsRead) {
  Layer blue = makeLayer("L", "5");
  Linie own = readLine("1");
  own.assignLayer(&blue);
  EXPECT_EQ(written(own).substr(0, 17), "LINE\n  8\nL\n 62\n1\n");
  Linie follows = readLine("");
  follows.assignLayer(&blue);
  EXPECT_EQ(written(follows).find(" 62"), std::string::npos);
}

TEST(WriteFrame, InvisibleEntityIsStillWritten) {
  Layer off = makeLayer("L", "1");
  off.setVisible(0);
  Linie line = readLine("");
  line.assignLayer(&off);
  EXPECT_EQ(written(line).substr(0, 4), "LINE");
}

TEST(PenCache, ResetMakesTheNextEntitySetBothAgain) {
  testsupport::RecordingDrawingArea area;
  const Linie line(10, 10, 20, 20);
  DXFGeometrie::resetPenCache();
  line.draw(area, 1, 0, 0, 0);
  line.draw(area, 1, 0, 0, 0);
  DXFGeometrie::resetPenCache();
  line.draw(area, 1, 0, 0, 0);
  EXPECT_EQ(area.log.count("set_line_style"), 2);
  EXPECT_EQ(area.log.count("set_drawing_foreground"), 2);
  EXPECT_EQ(area.log.named("set_line_style")[0].str(), "set_line_style 0");
}

TEST(PenCache, SharedBetweenScreenAndDevice) {
  testsupport::RecordingDrawingArea area;
  testsupport::RecordingDeviceContext dc;
  const Linie line(10, 10, 20, 20);
  DXFGeometrie::resetPenCache();
  line.draw(area, 1, 0, 0, 0);
  line.drawOnDevice(dc, 1, 0, 0, 100, 100, 0, 0, 0);
  EXPECT_EQ(dc.log().count("set_line_style"), 0);
  EXPECT_EQ(dc.log().count("set_foreground_color"), 0);
}

TEST(Placement, DeviceFitTakesTheSmallerFactor) {
  testsupport::RecordingDeviceContext dc;
  dc.width = 1000;
  dc.height = 500;
  EXPECT_DOUBLE_EQ(DXFGeometrie::fitFactor(dc, 0, 0, 100, 100), 5.0);
  EXPECT_DOUBLE_EQ(DXFGeometrie::fitFactor(dc, 0, 0, 10, 100), 5.0);
  EXPECT_DOUBLE_EQ(DXFGeometrie::fitFactor(dc, 5, 5, 5, 5), 0.0);
}

TEST(BaseQueries, SolidReportsTheOriginAndNoIntersections) {
  Solid solid;
  solid.setCorner(0, 5, 5);
  EXPECT_DOUBLE_EQ(solid.maxCorner().x(), 0.0);
  EXPECT_DOUBLE_EQ(solid.minCorner().y(), 0.0);
  EXPECT_DOUBLE_EQ(solid.parameterOf(Punkt(1, 1), nullptr), -1.0);
  EXPECT_DOUBLE_EQ(solid.distanceTo(Punkt(1, 1)), -1.0);
  Punkt first;
  Punkt second;
  EXPECT_EQ(solid.intersectLine(Linie(0, 0, 1, 1), first, second), -1);
  EXPECT_EQ(solid.intersectCircle(Kreis(0, 0, 1), first, second), -1);
  EXPECT_EQ(solid.touchesWindow(100, 100, 200, 200), 1);
}

}  // namespace
