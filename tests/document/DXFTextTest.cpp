// Tests of texts: reading TEXT and MTEXT, alignment, special characters, drawing, writing.
#include <cmath>
#include <iomanip>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "document/DXFText.h"
#include "dxf/GroupLines.h"
#include "support/RecordingCanvas.h"

namespace {

using testsupport::RecordingDeviceContext;
using testsupport::RecordingDrawingArea;

DXFText readText(const std::string& groups, bool mtext = false) {
  DXFText text;
  if (mtext) text.markAsMText();
  auto in = DxfLineReader::fromString(groups);
  EXPECT_EQ(text.readGroups(in), 0);
  return text;
}

std::string written(const DXFText& text) {
  std::ostringstream out;
  out << std::fixed << std::setprecision(4);
  EXPECT_EQ(text.writeGroups(out), 0);
  return out.str();
}

TEST(DXFTextReading, PlainTextTakesItsGroups) {
  const DXFText text = readText(
      "  8\nNOTES\n 10\n5.0\n 20\n6.0\n 40\n2.5\n 50\n30\n  1\nBracket 12\n 41\n0.8\n  0\n");
  EXPECT_STREQ(text.layerName(), "NOTES");
  EXPECT_EQ(text.text(), "Bracket 12");
  EXPECT_DOUBLE_EQ(text.height(), 2.5);
  EXPECT_DOUBLE_EQ(text.rotation(), 30.0);
  EXPECT_DOUBLE_EQ(text.widthFactor(), 0.8);
  EXPECT_EQ(text.hasAlignment(), 0);
  EXPECT_DOUBLE_EQ(text.x2(), 5.0);
  EXPECT_DOUBLE_EQ(text.y2(), 6.0);
  EXPECT_STREQ(text.colour(), "BYLAYER");
}

TEST(DXFTextReading, EndOfDataInsideTheRecord) {
  DXFText text;
  auto in = DxfLineReader::fromString("  8\n0\n  1\nabc\n");
  EXPECT_EQ(text.readGroups(in), DXFText::kEndOfFile);
}

TEST(DXFTextAlignment, CentredTextKeepsItsAlignmentPoint) {
  const DXFText text = readText(" 10\n1\n 20\n1\n 11\n50\n 21\n7\n 72\n1\n  1\nx\n  0\n");
  EXPECT_EQ(text.hasAlignment(), 1);
  EXPECT_EQ(text.hAlign(), 1);
  EXPECT_DOUBLE_EQ(text.x2(), 50.0);
  EXPECT_DOUBLE_EQ(text.y2(), 7.0);
}

TEST(DXFTextAlignment, ZeroCodesDropTheAlignmentPoint) {
  const DXFText text = readText(" 10\n1\n 20\n2\n 11\n50\n 21\n7\n 72\n0\n 73\n0\n  0\n");
  EXPECT_EQ(text.hasAlignment(), 0);
  EXPECT_DOUBLE_EQ(text.x2(), 1.0);
  EXPECT_DOUBLE_EQ(text.y2(), 2.0);
}

TEST(DXFTextAlignment, MiddleKeepsItsAnchorAndStandsHalfAHeightBelowIt) {
  // Centred on (5, 5), 2 high: the capitals' middle is the anchor, so the baseline runs
  // one unit below it, against the up direction of the rotation. Printed at 10 pixels a
  // unit, device y growing downwards.
  struct Case {
    const char* rotation;
    double baselineX, baselineY;
  };
  for (const Case& c : {Case{"0", 5, 4}, Case{"90", 6, 5}}) {
    SCOPED_TRACE(c.rotation);
    const DXFText text = readText(std::string(" 10\n0\n 20\n0\n 11\n5\n 21\n5\n 40\n2\n 50\n") +
                                  c.rotation + "\n 72\n1\n 73\n2\n  1\nM\n  0\n");
    EXPECT_EQ(text.vAlign(), DXFText::kVAlignMiddle);
    EXPECT_DOUBLE_EQ(text.x2(), 5.0);
    EXPECT_DOUBLE_EQ(text.y2(), 5.0);
    RecordingDeviceContext dc;
    dc.width = 100;
    dc.height = 100;
    text.drawOnDevice(dc, 1.0, 0, 0, 10, 10, 0, 0, 0);
    const auto calls = dc.log().named("text_out");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_NEAR(calls[0].args[0], 10 * c.baselineX, 1.0);
    EXPECT_NEAR(calls[0].args[1], 10 * (10 - c.baselineY), 1.0);
    EXPECT_EQ(calls[0].args[8], static_cast<double>(TextHAlign::Centre));
    EXPECT_EQ(calls[0].args[9], static_cast<double>(TextVAlign::Baseline));
    // Written back as read: middle alignment on the file's own anchor.
    EXPECT_NE(written(text).find(" 72\n1\n 73\n2\n 11\n5.0000\n 21\n5.0000\n"), std::string::npos);
  }
}

TEST(DXFTextAlignment, AlignedFitAndMiddleCodesAreKept) {
  for (int code : {3, 4, 5}) {
    EXPECT_EQ(readText(" 11\n1\n 21\n1\n 72\n" + std::to_string(code) + "\n  0\n").hAlign(), code);
  }
}

TEST(DXFTextAlignment, MiddleLeftTextKeepsItsAnchorThroughASave) {
  const DXFText text = readText(" 10\n0\n 20\n0\n 11\n10\n 21\n10\n 40\n4\n 73\n2\n  0\n");
  DXFText again;
  std::string body = written(text);
  auto in = DxfLineReader::fromString(body.substr(body.find('\n') + 1));
  ASSERT_EQ(again.readGroups(in), 0);
  EXPECT_NEAR(again.x2(), text.x2(), 1e-4);
  EXPECT_NEAR(again.y2(), text.y2(), 1e-4);
}

TEST(DXFTextMText, DirectionVectorGivesTheRotation) {
  EXPECT_NEAR(readText(" 11\n0\n 21\n1\n  0\n", true).rotation(), 90.0, 1e-9);
  EXPECT_NEAR(readText(" 11\n0.5\n 21\n0.8660254\n  0\n", true).rotation(), 60.0, 1e-4);
  EXPECT_NEAR(readText(" 11\n-0.5\n 21\n0.8660254\n  0\n", true).rotation(), 120.0, 1e-4);
  EXPECT_NEAR(readText("100\nAcDbMText\n 11\n-1\n 21\n0\n  0\n").rotation(), 180.0, 1e-9);
}

TEST(DXFTextMText, AttachmentPointGivesTheAlignment) {
  const DXFText topLeft = readText(" 10\n3\n 20\n4\n 72\n1\n 73\n2\n  1\nx\n  0\n", true);
  EXPECT_EQ(topLeft.hAlign(), 0);
  EXPECT_EQ(topLeft.vAlign(), 3);
  EXPECT_DOUBLE_EQ(topLeft.x2(), 3.0);
  EXPECT_DOUBLE_EQ(topLeft.y2(), 4.0);
  const DXFText bottomRight = readText(" 71\n9\n  1\nx\n  0\n", true);
  EXPECT_EQ(bottomRight.hAlign(), 2);
  EXPECT_EQ(bottomRight.vAlign(), 1);
}

TEST(DXFTextMText, ContinuationsComeFirstAndFormattingGoes) {
  const DXFText text =
      readText("  3\n{\\fArial;first }\n  3\nsecond\\P\n  1\nlast %%c5\n  0\n", true);
  EXPECT_EQ(text.text(),
            "first second last \xD8"
            "5");
}

TEST(DXFTextMText, LongTextIsCutToTheField) {
  std::string groups;
  for (int i = 0; i < 200; ++i) groups += "  3\n" + std::string(90, 'a' + i % 26) + "\n";
  const DXFText text = readText(groups + "  1\nend\n  0\n", true);
  EXPECT_EQ(text.text().size(), DXFText::kMaxTextLength);
  EXPECT_EQ(text.text().substr(0, 90), std::string(90, 'a'));
}

// Texts longer than a plain line: a TEXT keeps up to 199 characters, an MTEXT joined from
// long groups too, and what is written is read back unchanged.
TEST(DXFTextLongTexts, KeptWholeUpToTheFieldAndThroughASave) {
  const std::string words = "Bohrung 12 H7, Senkung 90 Grad, Toleranz 0,1 mm; ";
  std::string long150;
  while (long150.size() < 150) long150 += words;
  long150.resize(150);
  const struct {
    std::string groups;
    bool mtext;
    std::size_t length;
  } cases[] = {
      {"  1\n" + long150 + "\n  0\n", false, 150},
      {"  1\n" + std::string(250, 'w') + "\n  0\n", false, DXFText::kMaxTextLength},
      {"  3\n" + std::string(120, 'm') + "\n  1\n" + std::string(60, 'n') + "\n  0\n", true, 180},
      {"  3\n" + std::string(250, 'm') + "\n  1\nend\n  0\n", true, DXFText::kMaxTextLength},
  };
  for (const auto& c : cases) {
    const DXFText text = readText(c.groups, c.mtext);
    EXPECT_EQ(text.text().size(), c.length) << c.groups.substr(0, 20);
    const std::string file = written(text);
    const DXFText again = readText(file.substr(file.find('\n') + 1));
    EXPECT_EQ(again.text(), text.text()) << c.groups.substr(0, 20);
  }
}

TEST(DXFTextLongTexts, WrittenLineStaysWithin255Characters) {
  // Each Ø is written as "%%c": 84 of them after the "x" fill 253 characters, and the
  // 85th would not fit whole.
  const DXFText text(0, 0, ("x" + std::string(198, '\xD8')).c_str(), 2.5, 0);
  const std::string file = written(text);
  const std::size_t start = file.find("  1\n") + 4;
  std::string expected = "x";
  for (int i = 0; i < 84; ++i) expected += "%%c";
  EXPECT_EQ(file.substr(start, file.find('\n', start) - start), expected);
}

TEST(DXFTextMText, ContinuationGroupsOfATextAreIgnored) {
  EXPECT_EQ(readText("  3\nstyle?\n  1\nplain\n  0\n").text(), "plain");
}

TEST(DXFTextSpecials, EveryCodeIsReadAndWrittenBack) {
  const DXFText text = readText("  1\n45%%d x 45%%d %%c12\n  0\n");
  EXPECT_EQ(text.text(),
            "45\xB0 x 45\xB0 \xD8"
            "12");
  EXPECT_NE(written(text).find("  1\n45%%d x 45%%d %%c12\n"), std::string::npos);
  EXPECT_EQ(text.text(),
            "45\xB0 x 45\xB0 \xD8"
            "12");
}

TEST(DXFTextWriting, GroupsInTheirOrder) {
  DXFText text(1, 2, "A\nB", 3.5, 90);
  text.setAlignment(DXFText::kHAlignCentre, DXFText::kVAlignBaseline);
  EXPECT_EQ(written(text),
            "TEXT\n  8\n0\n 10\n1.0000\n 20\n2.0000\n 30\n0.0000\n 40\n3.5000\n  1\nA B\n"
            " 50\n90.0000\n 41\n1.0000\n 72\n1\n 73\n0\n 11\n1.0000\n 21\n2.0000\n 31\n0.0000\n"
            "  0\n");
}

TEST(DXFTextWriting, OwnColourWritesTheNumberAsRead) {
  Layer blue("B");
  blue.setColourNumber("5");
  blue.deriveColourAndStyle();
  DXFText text = readText("  8\nB\n 62\n1\n  1\nred\n  0\n");
  text.assignLayer(&blue);
  EXPECT_EQ(text.ownColour(), 1);
  EXPECT_NE(written(text).find("  8\nB\n 62\n1\n 10\n"), std::string::npos);
}

TEST(DXFTextTransform, MirrorTurnsTheTextWithItsPointsAndScaleGrowsIt) {
  DXFText text(3, 4, "x", 2, 10);
  text.transform(-1, 0, 0, 0, 0);
  EXPECT_DOUBLE_EQ(text.x(), 3.0);
  EXPECT_DOUBLE_EQ(text.y(), -4.0);
  EXPECT_DOUBLE_EQ(text.y2(), -4.0);
  EXPECT_DOUBLE_EQ(text.height(), 2.0);
  EXPECT_DOUBLE_EQ(text.rotation(), -10.0);  // a baseline at 10 degrees mirrored
  text.transform(2, 90, 1, 1, 0);
  EXPECT_NEAR(text.x(), 9.0, 1e-12);
  EXPECT_NEAR(text.y(), 7.0, 1e-12);
  EXPECT_DOUBLE_EQ(text.rotation(), 80.0);
  EXPECT_DOUBLE_EQ(text.height(), 4.0);
  text.transform(-0.5, 0, 0, 0, 0);
  EXPECT_DOUBLE_EQ(text.height(), 2.0);
}

TEST(DXFTextDrawing, ScreenTextUsesPixelHeightAndEscapement) {
  RecordingDrawingArea area;
  area.dc.yFactor = 0.5;
  DXFText text(10, 20, "Hello", 5, 370.7);
  text.setAlignment(DXFText::kHAlignRight, DXFText::kVAlignBottom);
  text.draw(area, 1.0, 0, 0, 0);
  const auto calls = area.log.named("text_out");
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].text, "Hello");
  EXPECT_DOUBLE_EQ(calls[0].args[0], 10.0);
  EXPECT_DOUBLE_EQ(calls[0].args[1], 20.0);
  EXPECT_DOUBLE_EQ(calls[0].args[2], 10.0);   // 5 units at 0.5 units per pixel
  EXPECT_DOUBLE_EQ(calls[0].args[3], 107.0);  // 10.7 degrees in tenths
  EXPECT_DOUBLE_EQ(calls[0].args[4], 400.0);
  EXPECT_EQ(area.log.named("set_foreground_color")[0].text, "BYLAYER");
}

TEST(DXFTextDrawing, TooSmallOrHiddenTextIsNotDrawn) {
  RecordingDrawingArea area;
  area.dc.yFactor = 10.0;
  DXFText(0, 0, "tiny", 5, 0).draw(area, 1.0, 0, 0, 0);
  area.dc.yFactor = 0.0;
  DXFText(0, 0, "no scale", 5, 0).draw(area, 1.0, 0, 0, 0);
  Layer off("OFF");
  off.setVisible(0);
  area.dc.yFactor = 1.0;
  DXFText(0, 0, "hidden", 5, 0, &off).draw(area, 1.0, 0, 0, 0);
  EXPECT_EQ(area.log.count("text_out"), 0);
}

TEST(DXFTextDrawing, PrintedTextIsBoldAndBlack) {
  RecordingDeviceContext dc;
  dc.width = 100;
  dc.height = 100;
  Layer red("R");
  red.setColourNumber("1");
  red.deriveColourAndStyle();
  DXFText text(5, 5, "T", 2, 0, &red);
  text.drawOnDevice(dc, 1.0, 0, 0, 10, 10, 0, 0, 0);
  const auto calls = dc.log().named("text_out");
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_DOUBLE_EQ(calls[0].args[0], 50.0);
  EXPECT_DOUBLE_EQ(calls[0].args[1], 50.0);
  EXPECT_DOUBLE_EQ(calls[0].args[2], 20.0);  // 2 units at 10 pixels per unit
  EXPECT_DOUBLE_EQ(calls[0].args[4], 700.0);
  EXPECT_EQ(dc.log().named("set_foreground_color")[0].text, "#000000");
}

TEST(DXFTextDrawing, AlignmentTable) {
  struct Case {
    int hAlign, vAlign;
    TextHAlign h;
    TextVAlign v;
  };
  for (const Case& c : {Case{0, 0, TextHAlign::Left, TextVAlign::Baseline},
                        Case{1, 1, TextHAlign::Centre, TextVAlign::Bottom},
                        // middle: drawn from its baseline, half a height lower
                        Case{2, 2, TextHAlign::Right, TextVAlign::Baseline},
                        Case{2, 3, TextHAlign::Right, TextVAlign::Top},
                        Case{3, 3, TextHAlign::Left, TextVAlign::Baseline},  // aligned
                        Case{4, 0, TextHAlign::Centre, TextVAlign::Middle},  // middle
                        Case{5, 1, TextHAlign::Left, TextVAlign::Baseline},  // fit
                        Case{9, -4, TextHAlign::Left, TextVAlign::Baseline}}) {
    SCOPED_TRACE(c.hAlign * 10 + c.vAlign);
    EXPECT_EQ(DXFText::anchorHAlign(c.hAlign), c.h);
    EXPECT_EQ(DXFText::anchorVAlign(c.hAlign, c.vAlign), c.v);
  }
}

}  // namespace
