// The spatial index of what a drawing paints, and painting through it: what a query
// finds, the painting order, and the level of detail of tiny objects.
#include "document/DrawIndex.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "document/IndexedDrawing.h"
#include "document/TextWidths.h"
#include "DocumentTesting.h"

namespace {

using documenttesting::block;
using documenttesting::dxfFile;
using documenttesting::insert;
using documenttesting::line;
using documenttesting::readOk;

std::string circle(double x, double y, double r, const std::string& layer = "0") {
  std::ostringstream out;
  out << "  0\nCIRCLE\n  8\n"
      << layer << "\n 10\n"
      << x << "\n 20\n"
      << y << "\n 40\n"
      << r << "\n";
  return out.str();
}

std::string polyline(const std::vector<std::pair<double, double>>& points) {
  std::ostringstream out;
  out << "  0\nLWPOLYLINE\n  8\n0\n 90\n" << points.size() << "\n 70\n0\n";
  for (const auto& [x, y] : points) out << " 10\n" << x << "\n 20\n" << y << "\n";
  return out.str();
}

std::string text(double x, double y, double height, const std::string& words) {
  std::ostringstream out;
  out << "  0\nTEXT\n  8\n0\n 10\n"
      << x << "\n 20\n"
      << y << "\n 40\n"
      << height << "\n  1\n"
      << words << "\n";
  return out.str();
}

// A few hundred lines, circles, polylines and inserts scattered over 0..1000.
std::string scattered() {
  std::mt19937 random(17);
  std::uniform_real_distribution<double> at(0.0, 1000.0);
  std::uniform_real_distribution<double> step(-40.0, 40.0);
  std::string entities;
  for (int i = 0; i < 300; ++i) {
    const double x = at(random);
    const double y = at(random);
    switch (i % 4) {
      case 0: entities += line(x, y, x + step(random), y + step(random)); break;
      case 1: entities += circle(x, y, 1.0 + std::abs(step(random)) / 4.0); break;
      case 2: entities += polyline({{x, y}, {x + step(random), y}, {x, y + step(random)}}); break;
      default: entities += insert("PART", x, y, 1.0, 90.0 * (i % 3)); break;
    }
  }
  return dxfFile(entities, block("PART", line(-5, -5, 5, 5) + circle(0, 0, 3)));
}

TEST(DrawIndexTest, QueryFindsExactlyTheBoxesMeetingTheAreaInPaintingOrder) {
  const auto document = readOk(scattered());
  const DrawIndex index(*document);
  ASSERT_GT(index.items().size(), 300U);  // polyline segments count one by one
  const DrawBox areas[] = {
      {0, 0, 1000, 1000},     {-50, -50, 1050, 1050}, {100, 100, 200, 200}, {500, 0, 510, 1000},
      {900, 900, 2000, 2000}, {-10, -10, -5, -5},     {333, 444, 333, 444},
  };
  for (const DrawBox& area : areas) {
    std::vector<std::uint32_t> found;
    index.query(area, found);
    std::vector<std::uint32_t> expected;
    for (std::uint32_t i = 0; i < index.items().size(); ++i) {
      if (index.items()[i].box.meets(area)) expected.push_back(i);
    }
    EXPECT_EQ(found, expected) << area.minX << "," << area.minY << " " << area.maxX << ","
                               << area.maxY;
  }
}

TEST(DrawIndexTest, TextsFillingTheirSpanAreFoundWhereverTheirLettersReach) {
  struct Case {
    const char* name;
    std::string record;
    double x, y;  // a point inside the letters
  };
  // Fit: capitals 2.5 high on the baseline from (15, 10) down to (35, 5); a point 2 up
  // from its start, perpendicular to it. Aligned: "II" from (0, 0) to (10, 0) grows until
  // it fills the span, its capitals as much higher than 1 as the span is wider than its
  // natural width; a point at 90 % of their height over the middle.
  const double lift = 2.0 / std::hypot(20.0, 5.0);
  const double aligned = 10.0 / TextWidths::of("II", 1.0);
  const Case cases[] = {
      {"fit",
       "  0\nTEXT\n  8\n0\n 10\n15\n 20\n10\n 40\n2.5\n  1\nFITTED-TEXT-FITTED-TEXT\n 72\n5\n"
       " 11\n35\n 21\n5\n",
       15.0 + 5.0 * lift, 10.0 + 20.0 * lift},
      {"aligned", "  0\nTEXT\n  8\n0\n 10\n0\n 20\n0\n 40\n1\n  1\nII\n 72\n3\n 11\n10\n 21\n0\n",
       5.0, 0.9 * aligned},
      // Stretched four times along its baseline: near the end of its letters.
      {"wide", "  0\nTEXT\n  8\n0\n 10\n0\n 20\n0\n 40\n1\n 41\n4\n  1\nWIDE\n",
       0.9 * TextWidths::of("WIDE", 1.0, 4.0), 0.5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto document = readOk(dxfFile(c.record));
    const DrawIndex index(*document);
    std::vector<std::uint32_t> found;
    const float x = static_cast<float>(c.x);
    const float y = static_cast<float>(c.y);
    index.query({x, y, x, y}, found);
    EXPECT_EQ(found.size(), 1u);
  }
}

TEST(DrawIndexTest, ItemsFollowTheOrderTheDocumentPaints) {
  const auto document = readOk(scattered());
  const DrawIndex index(*document);
  // The place of each object in the document's order (the file's).
  std::map<std::pair<ObjectKind, int>, int> place;
  document->drawOrder().forEach([&](ObjectKind kind, int object) {
    place.emplace(std::pair{kind, object}, int(place.size()));
  });
  const auto placeOf = [&](const DrawItem& item) {
    const ObjectKind kind = item.kind == DrawKind::Entity      ? ObjectKind::Entity
                            : item.kind == DrawKind::Insert    ? ObjectKind::Insert
                            : item.kind == DrawKind::Dimension ? ObjectKind::Dimension
                                                               : ObjectKind::Polyline;
    return place.at({kind, item.object});
  };
  const std::vector<DrawItem>& items = index.items();
  ASSERT_GT(items.size(), 3U);
  for (std::size_t i = 1; i < items.size(); ++i) {
    const DrawItem& a = items[i - 1];
    const DrawItem& b = items[i];
    // The segments of one polyline come in the order the polyline draws them: last first.
    const bool later = placeOf(a) < placeOf(b) || (placeOf(a) == placeOf(b) && a.part > b.part);
    EXPECT_TRUE(later) << "item " << i;
  }
}

TEST(DrawIndexTest, HiddenObjectsAreLeftOut) {
  const std::string layers = documenttesting::layerEntry("0", 7) +
                             "  0\nLAYER\n  2\nOFF\n 70\n     0\n 62\n-1\n  6\nCONTINUOUS\n";
  const auto document = readOk(dxfFile(line(0, 0, 10, 10) + line(0, 0, 5, 5, "OFF"), "", layers));
  const DrawIndex index(*document);
  ASSERT_EQ(index.items().size(), 1U);
  EXPECT_EQ(index.items()[0].box.maxX, 10.0F);
}

// The calls a paint makes into a recording area of 400 x 400 pixels showing
// (-200, -200) to (200, 200) scaled by `zoom` about the origin.
std::vector<std::string> calls(const DXF_Zeichnung& document, double zoom, bool indexed,
                               bool levelOfDetail) {
  testsupport::RecordingDrawingArea area;
  const int side = static_cast<int>(400 * zoom);
  area.setWorld(-200, -200, 200, 200, side, side);
  area.containerSize = {400, 400};
  area.position = {(400 - side) / 2, (400 - side) / 2};
  if (indexed) {
    PaintOptions options;
    options.levelOfDetail = levelOfDetail;
    IndexedDrawing(document).paint(area, options);
  } else {
    document.drawAll(area, 1.0);
  }
  return area.log.lines();
}

TEST(IndexedDrawingTest, PaintsTheCallsOfDrawAllInTheirOrderWhenAllIsLargeAndInView) {
  const auto document = readOk(dxfFile(
      line(-100, -100, 100, 50) + circle(20, 20, 30) + polyline({{0, 0}, {50, 0}, {50, 50}}) +
          insert("PART", -50, 60, 2.0) + text(-150, -150, 20, "Flansch"),
      block("PART", line(-5, -5, 5, 5) + circle(0, 0, 3))));
  for (const bool levelOfDetail : {false, true}) {
    EXPECT_EQ(calls(*document, 1.0, true, levelOfDetail), calls(*document, 1.0, false, false));
  }
}

TEST(IndexedDrawingTest, LeavesOutWhatLiesOutsideTheContainer) {
  const auto document = readOk(dxfFile(line(-190, -190, -180, -180) + line(0, 0, 10, 10)));
  const std::vector<std::string> zoomed = calls(*document, 8.0, true, true);
  const std::string joined = [&] {
    std::string all;
    for (const std::string& call : zoomed) all += call + "\n";
    return all;
  }();
  EXPECT_EQ(std::count_if(zoomed.begin(), zoomed.end(),
                          [](const std::string& call) { return call.rfind("wc_line", 0) == 0; }),
            1)
      << joined;
}

TEST(IndexedDrawingTest, TinyObjectsBecomeOneDotAndLowTextsAThinLine) {
  // At 1 pixel per unit: a circle of radius 0.2 is under a pixel, a text 2 units high is
  // too low to read.
  const auto document = readOk(
      dxfFile(circle(10, 10, 0.2) + circle(10.2, 9.8, 0.2) + text(50, 50, 2.0, "Lager 6204")));
  const std::vector<std::string> painted = calls(*document, 1.0, true, true);
  const auto count = [&](const char* name) {
    return std::count_if(painted.begin(), painted.end(),
                         [name](const std::string& call) { return call.rfind(name, 0) == 0; });
  };
  EXPECT_EQ(count("wc_dot"), 1);  // the second circle's pixel is already set
  EXPECT_EQ(count("wc_circle"), 0);
  EXPECT_EQ(count("wc_line"), 1);
  EXPECT_EQ(count("text_out"), 0);
}

TEST(IndexedDrawingTest, ALowTextsLineIsAsLongAsItsLettersOrItsSpan) {
  struct Case {
    const char* name;
    std::string text;
    double fromX, toX;
  };
  const double letters = TextWidths::of("Lager 6204", 2.0);
  const double wide = TextWidths::of("Lager 6204", 2.0, 1.5);
  const std::vector<Case> cases = {
      {"left", text(50, 50, 2.0, "Lager 6204"), 50.0, 50.0 + letters},
      {"width factor", "  0\nTEXT\n  8\n0\n 10\n50\n 20\n50\n 40\n2\n 41\n1.5\n  1\nLager 6204\n",
       50.0, 50.0 + wide},
      {"centred",
       "  0\nTEXT\n  8\n0\n 10\n0\n 20\n50\n 40\n2\n  1\nLager 6204\n 72\n1\n"
       " 11\n50\n 21\n50\n",
       50.0 - letters / 2.0, 50.0 + letters / 2.0},
      {"fit",
       "  0\nTEXT\n  8\n0\n 10\n50\n 20\n50\n 40\n2\n  1\nLager 6204\n 72\n5\n"
       " 11\n90\n 21\n50\n",
       50.0, 90.0},
  };
  for (const Case& c : cases) {
    const auto document = readOk(dxfFile(c.text));
    testsupport::RecordingDrawingArea area;
    area.setWorld(-200, -200, 200, 200, 400, 400);
    area.containerSize = {400, 400};
    PaintOptions options;
    options.levelOfDetail = true;
    IndexedDrawing(*document).paint(area, options);
    const auto lines = area.log.named("wc_line");
    ASSERT_EQ(lines.size(), 1U) << c.name;
    EXPECT_NEAR(lines[0].args[0], c.fromX, 1e-9) << c.name;
    EXPECT_NEAR(lines[0].args[2], c.toX, 1e-9) << c.name;
    // Through the middle of the letters, 2 units high above the baseline at 50.
    EXPECT_GT(lines[0].args[1], 50.0) << c.name;
    EXPECT_LT(lines[0].args[1], 52.0) << c.name;
  }
}

TEST(IndexedDrawingTest, CancelledPaintStopsBeforeTheEnd) {
  std::string many;
  for (int i = 0; i < 5000; ++i) many += line(-100, i * 0.01, 100, i * 0.01);
  const auto document = readOk(dxfFile(many));
  const IndexedDrawing scene(*document);
  testsupport::RecordingDrawingArea area;
  area.setWorld(-200, -200, 200, 200, 400, 400);
  area.containerSize = {400, 400};
  const std::atomic<bool> cancelled{true};
  PaintOptions options;
  options.cancelled = &cancelled;
  EXPECT_FALSE(scene.paint(area, options));
  EXPECT_LT(area.log.count("wc_line"), 5000);
}

}  // namespace
