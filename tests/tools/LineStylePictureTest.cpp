// Line styles as painted: linetype patterns, index and true colours, wide polylines, and
// the same picture after saving as release 12 and reading back. Every expectation comes
// from the DXF definitions at a known scale, never from an earlier picture.
#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "document/DXF_Zeichnung.h"
#include "toolkit/paint/CairoDrawingArea.h"

namespace {

// The world window every test paints: x 0..100, y 0..20 into 200 x 40 pixels, so one
// drawing unit is two pixels and world y 10 is pixel row 20.
constexpr double kWorldWidth = 100.0;
constexpr double kWorldHeight = 20.0;
constexpr int kWidth = 200;
constexpr int kHeight = 40;
constexpr int kPixelsPerUnit = 2;
constexpr std::uint32_t kWhite = 0xFFFFFF;

struct Picture {
  std::vector<std::uint32_t> pixels;  // 0xRRGGBB, row by row
  std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y * kWidth + x)]; }
  bool ink(int x, int y) const { return at(x, y) != kWhite; }
  // The row with the most ink.
  int inkiestRow() const {
    int best = 0;
    int bestCount = -1;
    for (int y = 0; y < kHeight; ++y) {
      int count = 0;
      for (int x = 0; x < kWidth; ++x) count += ink(x, y);
      if (count > bestCount) {
        best = y;
        bestCount = count;
      }
    }
    return best;
  }
  // Lengths of the alternating ink and white runs along a row, starting with ink at the
  // first ink pixel.
  std::vector<int> runs(int y) const {
    std::vector<int> lengths;
    int x = 0;
    while (x < kWidth && !ink(x, y)) ++x;
    bool inRun = true;
    while (x < kWidth) {
      int length = 0;
      while (x < kWidth && ink(x, y) == inRun) {
        ++length;
        ++x;
      }
      lengths.push_back(length);
      inRun = !inRun;
    }
    // The white after the last dash is no gap between dashes.
    if (!lengths.empty() && lengths.size() % 2 == 0) lengths.pop_back();
    return lengths;
  }
  // Inked pixels of a column.
  int columnInk(int x) const {
    int count = 0;
    for (int y = 0; y < kHeight; ++y) count += ink(x, y);
    return count;
  }
};

// The same colour within the anti-aliasing of edges: a band painted whole and the same
// band painted as pieces differ only in the coverage of the pixels on their seams.
bool nearlySame(std::uint32_t a, std::uint32_t b) {
  constexpr int kEdgeTolerance = 0x60;
  for (const int shift : {0, 8, 16}) {
    const int channelA = static_cast<int>((a >> shift) & 0xFFu);
    const int channelB = static_cast<int>((b >> shift) & 0xFFu);
    if (std::abs(channelA - channelB) > kEdgeTolerance) return false;
  }
  return true;
}

Picture paint(const DXF_Zeichnung& drawing) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kWidth, kHeight);
  cairo_t* cr = cairo_create(surface);
  cairo_set_source_rgb(cr, 1.0, 1.0, 1.0);
  cairo_paint(cr);
  {
    CairoDrawingArea area(cr, {kWidth, kHeight}, {kWidth, kHeight}, {0, 0});
    area.set_wc_coords(0.0, 0.0, kWorldWidth, kWorldHeight);
    drawing.drawAll(area, 1.0);
  }
  cairo_destroy(cr);
  cairo_surface_flush(surface);
  Picture picture;
  const int stride = cairo_image_surface_get_stride(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  for (int y = 0; y < kHeight; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
    for (int x = 0; x < kWidth; ++x) picture.pixels.push_back(row[x] & 0xFFFFFF);
  }
  cairo_surface_destroy(surface);
  return picture;
}

// A drawing with $LTSCALE, one linetype of the given pattern ("DASHES") and the entities
// given as group text.
std::string drawing(double ltscale, const std::vector<std::string>& pattern,
                    const std::string& entities) {
  std::ostringstream dxf;
  dxf << "  0\nSECTION\n  2\nHEADER\n  9\n$LTSCALE\n 40\n"
      << ltscale << "\n  0\nENDSEC\n"
      << "  0\nSECTION\n  2\nTABLES\n  0\nTABLE\n  2\nLTYPE\n 70\n1\n"
      << "  0\nLTYPE\n  2\nDASHES\n 70\n0\n  3\n\n 72\n65\n 73\n"
      << pattern.size() << "\n 40\n0.0\n";
  for (const std::string& element : pattern) dxf << " 49\n" << element << '\n';
  dxf << "  0\nENDTAB\n  0\nTABLE\n  2\nLAYER\n 70\n1\n"
      << "  0\nLAYER\n  2\n0\n 70\n0\n 62\n7\n  6\nCONTINUOUS\n  0\nENDTAB\n  0\nENDSEC\n"
      << "  0\nSECTION\n  2\nENTITIES\n"
      << entities << "  0\nENDSEC\n  0\nEOF\n";
  return dxf.str();
}

// A line along world y 10 from x 0 to 100 with the linetype "DASHES" and the entity scale.
std::string dashedLine(double entityScale) {
  std::ostringstream line;
  line << "  0\nLINE\n  8\n0\n  6\nDASHES\n 48\n"
       << entityScale << "\n 10\n0\n 20\n10\n 11\n100\n 21\n10\n";
  return line.str();
}

std::unique_ptr<DXF_Zeichnung> read(const std::string& text) {
  auto document = std::make_unique<DXF_Zeichnung>();
  EXPECT_EQ(document->readDXFFromMemory(text), 0);
  return document;
}

}  // namespace

TEST(LinetypePicture, DashesAndGapsHaveTheirLengthInPixels) {
  struct Case {
    const char* name;
    double ltscale;
    double entityScale;
    std::vector<std::string> pattern;
    std::vector<int> firstRuns;  // ink, white, ink, ... in pixels
  };
  const Case cases[] = {
      // 10 on, 5 off at 2 px per unit.
      {"dash and gap", 1.0, 1.0, {"10", "-5"}, {20, 10, 20, 10, 20}},
      // The header's and the entity's scales multiply: 2 x 0.5.
      {"both scales", 2.0, 0.5, {"10", "-5"}, {20, 10, 20, 10}},
      {"header scale", 0.5, 1.0, {"10", "-10"}, {10, 10, 10, 10}},
      // A dot is one pixel, taken from the gap after it.
      {"dash and dot", 1.0, 1.0, {"10", "-5", "0", "-5"}, {20, 10, 1, 9, 20, 10, 1, 9}},
      // A pattern that starts with its gap starts the line white.
      {"gap first", 1.0, 1.0, {"-5", "10"}, {20, 10, 20, 10}},
  };
  for (const Case& c : cases) {
    const auto document = read(drawing(c.ltscale, c.pattern, dashedLine(c.entityScale)));
    const Picture picture = paint(*document);
    const int row = picture.inkiestRow();
    EXPECT_EQ(row, static_cast<int>((kWorldHeight - 10.0) * kPixelsPerUnit)) << c.name;
    const std::vector<int> runs = picture.runs(row);
    ASSERT_GE(runs.size(), c.firstRuns.size()) << c.name;
    for (std::size_t i = 0; i < c.firstRuns.size(); ++i) {
      EXPECT_NEAR(runs[i], c.firstRuns[i], 1) << c.name << " run " << i;
    }
    if (c.pattern.front()[0] == '-') {
      EXPECT_FALSE(picture.ink(0, row)) << c.name;
      EXPECT_TRUE(picture.ink(10, row)) << c.name;
    } else {
      EXPECT_TRUE(picture.ink(0, row)) << c.name;
    }
  }
}

TEST(LinetypePicture, PatternsFinerThanTwoPixelsOrBrokenAreSolid) {
  const std::vector<std::vector<std::string>> patterns = {
      {"0.4", "-0.4"},        // 1.6 pixels a period
      {"1e-300", "-1e-300"},  // never walked dash by dash
      {"nan", "-5"},          // no length at all
      {"0", "0"},             // dots without gaps
  };
  for (const auto& pattern : patterns) {
    const auto document = read(drawing(1.0, pattern, dashedLine(1.0)));
    const Picture picture = paint(*document);
    const std::vector<int> runs = picture.runs(picture.inkiestRow());
    ASSERT_EQ(runs.size(), 1u) << pattern.front();
    EXPECT_GE(runs.front(), kWidth - 1) << pattern.front();
  }
}

TEST(LinetypePicture, UnknownAndContinuousLinetypesAreSolid) {
  for (const char* name : {"CONTINUOUS", "NO_SUCH_TYPE", "BYLAYER"}) {
    std::string entity = dashedLine(1.0);
    entity.replace(entity.find("DASHES"), 6, name);
    const auto document = read(drawing(1.0, {"10", "-5"}, entity));
    const Picture picture = paint(*document);
    EXPECT_EQ(picture.runs(picture.inkiestRow()).size(), 1u) << name;
  }
}

TEST(ColourPicture, IndexAndTrueColoursPaintTheirRgb) {
  struct Case {
    const char* groups;
    std::uint32_t rgb;
  };
  const Case cases[] = {
      {" 62\n1\n", 0xFF0000},
      {" 62\n7\n", 0x000000},   // black on the white background
      {" 62\n12\n", 0xA50000},  // hue 0, second shade: 165
      {" 62\n31\n", 0xFFBF7F},  // hue 30 degrees, half saturated
      {" 62\n250\n", 0x333333},
      {" 62\n1\n420\n1193046\n", 0x123456},  // the true colour wins over the index
  };
  for (const Case& c : cases) {
    const std::string entity =
        std::string("  0\nLINE\n  8\n0\n") + c.groups + " 10\n0\n 20\n10\n 11\n100\n 21\n10\n";
    const auto document = read(drawing(1.0, {"10", "-5"}, entity));
    const Picture picture = paint(*document);
    EXPECT_EQ(picture.at(kWidth / 2, picture.inkiestRow()), c.rgb) << c.groups;
  }
}

TEST(WidePolylinePicture, BandsAreAsWideAsTheirWidths) {
  // Constant width 4 units: 8 pixels across everywhere.
  const std::string constant =
      "  0\nLWPOLYLINE\n  8\n0\n 90\n2\n 70\n0\n 43\n4\n 10\n10\n 20\n10\n 10\n90\n 20\n10\n";
  const Picture even = paint(*read(drawing(1.0, {"10", "-5"}, constant)));
  for (int x : {30, 100, 170}) EXPECT_NEAR(even.columnInk(x), 4 * kPixelsPerUnit, 1) << x;

  // Start width 2, end width 6: 4 pixels at the start, 12 at the end, 8 half way.
  const std::string tapered =
      "  0\nLWPOLYLINE\n  8\n0\n 90\n2\n 70\n0\n 10\n10\n 20\n10\n 40\n2\n 41\n6\n"
      " 10\n90\n 20\n10\n";
  const Picture taper = paint(*read(drawing(1.0, {"10", "-5"}, tapered)));
  // Pixel column x holds world x / 2; the width grows by 4 units over 80.
  for (int x : {21, 100, 178}) {
    const double width = 2.0 + 4.0 * (x / 2.0 + 0.25 - 10.0) / 80.0;
    EXPECT_NEAR(taper.columnInk(x), width * kPixelsPerUnit, 1.5) << x;
  }

  // A POLYLINE's head widths are the defaults of its vertices.
  const std::string heavy =
      "  0\nPOLYLINE\n  8\n0\n 66\n1\n 40\n3\n 41\n3\n 70\n0\n"
      "  0\nVERTEX\n  8\n0\n 10\n10\n 20\n10\n  0\nVERTEX\n  8\n0\n 10\n90\n 20\n10\n"
      "  0\nSEQEND\n";
  const Picture band = paint(*read(drawing(1.0, {"10", "-5"}, heavy)));
  EXPECT_NEAR(band.columnInk(100), 3 * kPixelsPerUnit, 1);
  // Without width a polyline stays one pixel wide.
  std::string thin = heavy;
  thin.replace(thin.find(" 40\n3\n 41\n3\n"), 12, "");
  EXPECT_EQ(paint(*read(drawing(1.0, {"10", "-5"}, thin))).columnInk(100), 1);
}

TEST(SavedLineStyles, ReadBackDrawsTheSamePicture) {
  const std::string entities =
      dashedLine(0.5) +
      "  0\nLINE\n  8\n0\n 62\n3\n420\n16711680\n 10\n0\n 20\n4\n 11\n100\n 21\n4\n"
      "  0\nCIRCLE\n  8\n0\n  6\nDASHES\n 62\n140\n 10\n50\n 20\n10\n 40\n8\n"
      "  0\nLWPOLYLINE\n  8\n0\n  6\nDASHES\n 62\n5\n 90\n3\n 70\n0\n"
      " 10\n5\n 20\n16\n 40\n1\n 41\n3\n 42\n0.5\n 10\n40\n 20\n16\n 10\n95\n 20\n17\n";
  const auto original = read(drawing(2.0, {"4", "-2", "0", "-2"}, entities));
  testsupport::TempDir dir;
  const auto path = dir.file("saved.dxf");
  ASSERT_EQ(original->writeDXF(path), 0);
  DXF_Zeichnung reread;
  ASSERT_EQ(reread.readDXF(path), 0);

  const Picture before = paint(*original);
  const Picture after = paint(reread);
  int inkBefore = 0;
  int same = 0;
  for (std::size_t i = 0; i < before.pixels.size(); ++i) {
    const bool a = before.pixels[i] != kWhite;
    const bool b = after.pixels[i] != kWhite;
    inkBefore += a;
    same += a && b;
  }
  ASSERT_GT(inkBefore, 500);
  EXPECT_GE(static_cast<double>(same) / inkBefore, 0.98);
  // The true red line (row 32) becomes index colour 1, the same red.
  EXPECT_EQ(after.at(kWidth / 2, 32), 0xFF0000u);
}

TEST(WidePolylinePicture, InsertsAndExplodingDrawTheSameBands) {
  // A block with a tapered, bulged wide polyline and a dashed line, inserted plain,
  // scaled and turned, and mirrored; exploded, the same picture must remain.
  const std::string block =
      "  0\nSECTION\n  2\nBLOCKS\n  0\nBLOCK\n  8\n0\n  2\nB\n 70\n0\n 10\n0\n 20\n0\n 30\n0\n"
      "  3\nB\n  0\nLWPOLYLINE\n  8\n0\n 62\n1\n 90\n3\n 70\n0\n"
      " 10\n0\n 20\n0\n 40\n0.5\n 41\n2\n 42\n0.4\n 10\n8\n 20\n0\n 43\n0\n 10\n12\n 20\n4\n" +
      dashedLine(0.1) + "  0\nENDBLK\n  8\n0\n  0\nENDSEC\n";
  const std::string inserts =
      "  0\nINSERT\n  8\n0\n  2\nB\n 10\n5\n 20\n5\n"
      "  0\nINSERT\n  8\n0\n  2\nB\n 10\n40\n 20\n4\n 41\n1.5\n 42\n1.5\n 50\n30\n"
      "  0\nINSERT\n  8\n0\n  2\nB\n 10\n90\n 20\n5\n 41\n-1\n 42\n1\n";
  std::string text = drawing(1.0, {"2", "-1"}, inserts);
  text.insert(text.find("  0\nSECTION\n  2\nENTITIES\n"), block);
  const auto document = read(text);
  const Picture placed = paint(*document);
  document->explodeAll();
  const Picture exploded = paint(*document);
  int ink = 0;
  int same = 0;
  for (std::size_t i = 0; i < placed.pixels.size(); ++i) {
    ink += placed.pixels[i] != kWhite;
    same += placed.pixels[i] != kWhite && nearlySame(placed.pixels[i], exploded.pixels[i]);
  }
  ASSERT_GT(ink, 200);
  EXPECT_GE(static_cast<double>(same) / ink, 0.98);
}

namespace {

// The drawing of `drawing` with a block "B" of one BYBLOCK line along world y 10, and
// "N", which holds "B" through an insert whose linetype is BYBLOCK.
std::string withByBlockLine(const std::string& inserts) {
  std::string text = drawing(1.0, {"4", "-2"}, inserts);
  const std::string blocks =
      "  0\nSECTION\n  2\nBLOCKS\n"
      "  0\nBLOCK\n  8\n0\n  2\nB\n 70\n0\n 10\n0\n 20\n0\n 30\n0\n  3\nB\n"
      "  0\nLINE\n  8\n0\n  6\nBYBLOCK\n 10\n0\n 20\n10\n 11\n100\n 21\n10\n"
      "  0\nENDBLK\n  8\n0\n"
      "  0\nBLOCK\n  8\n0\n  2\nN\n 70\n0\n 10\n0\n 20\n0\n 30\n0\n  3\nN\n"
      "  0\nINSERT\n  8\n0\n  6\nBYBLOCK\n  2\nB\n 10\n0\n 20\n0\n"
      "  0\nENDBLK\n  8\n0\n  0\nENDSEC\n";
  text.insert(text.find("  0\nSECTION\n  2\nENTITIES"), blocks);
  return text;
}

struct ByBlockCase {
  const char* name;
  std::string inserts;
  bool dashed;
};

class ByBlockLinetype : public testing::TestWithParam<ByBlockCase> {};

// A BYBLOCK line takes the linetype of the insert that places it: the insert's own, its
// layer's when it has none, the outer insert's when it is BYBLOCK too, and none (solid)
// at the top. Exploded and saved, the picture stays.
TEST_P(ByBlockLinetype, TakesTheInsertsLinetype) {
  const ByBlockCase& c = GetParam();
  auto document = read(withByBlockLine(c.inserts));
  const Picture drawn = paint(*document);
  const std::vector<int> runs = drawn.runs(20);
  ASSERT_FALSE(runs.empty());
  if (c.dashed) {
    // Dashes of 4 units and gaps of 2 at two pixels a unit.
    ASSERT_GT(runs.size(), 10u);
    EXPECT_NEAR(runs[0], 8, 1);
    EXPECT_NEAR(runs[1], 4, 1);
  } else {
    EXPECT_EQ(runs.size(), 1u);
  }
  testsupport::TempDir dir;
  const auto path = dir.file("saved.dxf");
  ASSERT_EQ(document->writeDXF(path), 0);
  DXF_Zeichnung reread;
  ASSERT_EQ(reread.readDXF(path), 0);
  EXPECT_EQ(paint(reread).runs(20), runs);
  document->explodeAll();
  EXPECT_EQ(paint(*document).runs(20), runs);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ByBlockLinetype,
    testing::Values(
        ByBlockCase{"insertsOwn", "  0\nINSERT\n  8\n0\n  6\nDASHES\n  2\nB\n 10\n0\n 20\n0\n",
                    true},
        ByBlockCase{"byLayerSolid", "  0\nINSERT\n  8\n0\n  2\nB\n 10\n0\n 20\n0\n", false},
        ByBlockCase{"byBlockAtTheTop",
                    "  0\nINSERT\n  8\n0\n  6\nBYBLOCK\n  2\nB\n 10\n0\n 20\n0\n", false},
        ByBlockCase{"throughANestedInsert",
                    "  0\nINSERT\n  8\n0\n  6\nDASHES\n  2\nN\n 10\n0\n 20\n0\n", true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
