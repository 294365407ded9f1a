// Tests of backward, upside-down and mirrored texts: the generation flags of a TEXT, the
// mirror of an insert with a negative scale, and a text in a plane seen from below.
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "DocumentTesting.h"
#include "document/DXFText.h"

namespace {

using namespace documenttesting;

// A TEXT "AB" 2 high at (10, 20), turned by `rotation`, with generation flags `flags`.
std::string text(int flags, double rotation = 0.0, const std::string& more = "") {
  std::string record = "  0\nTEXT\n  8\n0\n 10\n10\n 20\n20\n 40\n2\n  1\nAB\n 50\n" +
                       std::to_string(rotation) + "\n";
  if (flags != 0) record += " 71\n" + std::to_string(flags) + "\n";
  return record + more;
}

// The extrusion groups of the plane seen from below.
const std::string kDownwards = "210\n0\n220\n0\n230\n-1\n";

// The text calls of a document's picture: escapement (tenths of a degree) and mirror.
struct DrawnText {
  double escapement;
  bool mirrored;
  bool operator==(const DrawnText&) const = default;
};

std::ostream& operator<<(std::ostream& out, const DrawnText& t) {
  return out << "{escapement " << t.escapement << ", mirrored " << t.mirrored << "}";
}

std::vector<DrawnText> drawnTexts(const DXF_Zeichnung& document) {
  testsupport::RecordingDrawingArea area;
  area.setWorld(-200, -200, 200, 200, 400, 400);
  area.containerSize = {400, 400};
  document.drawAll(area, 1.0);
  std::vector<DrawnText> texts;
  for (const auto& call : area.log.calls) {
    if (call.name != "text_out") continue;
    texts.push_back({call.args[3], call.args[10] != 0.0});
  }
  return texts;
}

struct FlagCase {
  const char* name;
  int flags;
  double rotation;
  std::string more;  // further groups of the TEXT
  DrawnText drawn;
};

class GenerationFlags : public testing::TestWithParam<FlagCase> {};

// Backward mirrors the letters along the baseline: they run the other way, mirrored.
// Upside down mirrors them across it. Both together are a half turn.
TEST_P(GenerationFlags, TurnAndMirrorTheLettersAndAreSavedAndExplodedAlike) {
  const FlagCase& c = GetParam();
  auto document = readOk(dxfFile(text(c.flags, c.rotation, c.more)));
  EXPECT_EQ(drawnTexts(*document), std::vector<DrawnText>{c.drawn});
  const auto drawn = picture(*document);
  EXPECT_EQ(picture(*readOk(writtenText(*document))), drawn);
  document->explodeAll();
  EXPECT_EQ(picture(*document), drawn);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GenerationFlags,
    testing::Values(
        FlagCase{"none", 0, 30, "", {300, false}},
        FlagCase{"backward", DXFText::kBackward, 30, "", {2100, true}},
        FlagCase{"upsideDown", DXFText::kUpsideDown, 30, "", {300, true}},
        FlagCase{"both", DXFText::kBackward | DXFText::kUpsideDown, 30, "", {2100, false}},
        // In the plane seen from below (extrusion (0, 0, -1), whose x axis is
        // the world's -x) the baseline runs left, the letters mirrored.
        FlagCase{"extrusionDown", 0, 0, kDownwards, {1800, true}},
        FlagCase{"backwardExtrusionDown", DXFText::kBackward, 0, kDownwards, {0, false}}),
    [](const auto& info) { return std::string(info.param.name); });

// Seen from above, the insertion point (10, 20) of a text in that plane lies at (-10, 20).
TEST(TextSeenFromBelow, StandsAtItsMirroredPoint) {
  auto document = readOk(dxfFile(text(0, 0, kDownwards)));
  const auto& drawn = static_cast<const DXFText&>(*document->entities().at(0));
  EXPECT_DOUBLE_EQ(drawn.x(), -10.0);
  EXPECT_DOUBLE_EQ(drawn.y(), 20.0);
}

struct InsertCase {
  const char* name;
  double xScale, yScale, rotation;
  DrawnText drawn;
};

class MirroringInserts : public testing::TestWithParam<InsertCase> {};

// A block's plain text placed by a mirroring insert is its mirror image: mirrored in x it
// runs the other way, mirrored in y it hangs upside down; both mirrors are a half turn.
TEST_P(MirroringInserts, MirrorTheLettersAndExplodeAndSaveAlike) {
  const InsertCase& c = GetParam();
  std::ostringstream insert;
  insert << "  0\nINSERT\n  8\n0\n  2\nT\n 10\n50\n 20\n5\n 41\n"
         << c.xScale << "\n 42\n"
         << c.yScale << "\n 50\n"
         << c.rotation << "\n";
  auto document = readOk(dxfFile(insert.str(), block("T", text(0))));
  EXPECT_EQ(drawnTexts(*document), std::vector<DrawnText>{c.drawn});
  const auto drawn = picture(*document);
  document->explodeAll();
  EXPECT_EQ(picture(*document), drawn);
  EXPECT_EQ(picture(*readOk(writtenText(*document))), drawn);
}

INSTANTIATE_TEST_SUITE_P(Cases, MirroringInserts,
                         testing::Values(InsertCase{"plain", 1, 1, 0, {0, false}},
                                         InsertCase{"mirroredInX", -1, 1, 0, {1800, true}},
                                         InsertCase{"mirroredInY", 1, -1, 0, {0, true}},
                                         InsertCase{"mirroredInXTurned", -1, 1, 90, {2700, true}},
                                         InsertCase{"bothMirrors", -1, -1, 0, {1800, false}}),
                         [](const auto& info) { return std::string(info.param.name); });

// A middle-aligned text centres its capitals on the alignment point: upside down they hang
// below the baseline, which then runs half a height above the point.
TEST(UpsideDownText, MiddleAlignmentPutsTheBaselineAboveThePoint) {
  const std::string middle = " 72\n1\n 73\n2\n 11\n3\n 21\n5\n";
  auto upright = readOk(dxfFile(text(0, 0, middle)));
  auto upsideDown = readOk(dxfFile(text(DXFText::kUpsideDown, 0, middle)));
  testsupport::RecordingDrawingArea area;
  area.setWorld(-200, -200, 200, 200, 400, 400);
  area.containerSize = {400, 400};
  upright->drawAll(area, 1.0);
  upsideDown->drawAll(area, 1.0);
  const auto calls = area.log.named("text_out");
  ASSERT_EQ(calls.size(), 2u);
  // The recording area hands world points through as they are.
  EXPECT_NEAR(calls[0].args[0], 3.0, 1e-6);
  EXPECT_NEAR(calls[0].args[1], 4.0, 1e-6);
  EXPECT_NEAR(calls[1].args[0], 3.0, 1e-6);
  EXPECT_NEAR(calls[1].args[1], 6.0, 1e-6);
}

}  // namespace
