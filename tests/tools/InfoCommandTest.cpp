// dxftool info on real and written drawings: JSON that parses and matches the document.
#include <gtest/gtest.h>

#include "settings/Cp1252.h"
#include "ToolTestData.h"

using testsupport::TempDir;
using tooltest::flattenJson;
using tooltest::runTool;

namespace {

const char* const kInfoSamples[] = {"ASCII_R12.dxf", "POLI-ALL210_12.DXF", "issue42.dxf",
                                    "frozen-off.dxf"};

std::string boolText(bool flag) { return flag ? "true" : "false"; }

}  // namespace

TEST(InfoOnSamples, JsonParsesAndMatchesTheDocumentReadHere) {
  for (const char* name : kInfoSamples) {
    SCOPED_TRACE(name);
    TempDir dir;
    const std::string path = testsupport::dataPath(name).string();
    const auto run = runTool({"info", path}, dir);
    ASSERT_EQ(run.status, 0) << run.err;
    const auto flat = flattenJson(run.out, dir);
    ASSERT_FALSE(flat.empty()) << "not JSON: " << run.out;

    DXF_Zeichnung drawing;
    ASSERT_EQ(drawing.readDXF(path), 0);
    EXPECT_EQ(flat.at("file"), path);
    EXPECT_EQ(flat.at("code"), "0");
    EXPECT_EQ(tooltest::jsonNumber(flat.at("extents.minX")), drawing.minX());
    EXPECT_EQ(tooltest::jsonNumber(flat.at("extents.minY")), drawing.minY());
    EXPECT_EQ(tooltest::jsonNumber(flat.at("extents.maxX")), drawing.maxX());
    EXPECT_EQ(tooltest::jsonNumber(flat.at("extents.maxY")), drawing.maxY());
    EXPECT_EQ(tooltest::jsonNumber(flat.at("linetypeScale")), drawing.linetypeScale());
    for (const auto& [kind, count] : tooltest::documentCounts(drawing)) {
      EXPECT_EQ(flat.at("counts." + kind), std::to_string(count)) << kind;
    }
    for (int i = 0; i < drawing.layers().count(); ++i) {
      const Layer* layer = drawing.layers().at(i);
      const std::string at = "layers[" + std::to_string(i) + "].";
      EXPECT_EQ(flat.at(at + "name"), cp1252ToUtf8(layer->name()));
      EXPECT_EQ(flat.at(at + "colourNumber"), cp1252ToUtf8(layer->colourNumber()));
      EXPECT_EQ(flat.at(at + "colour"), layer->colour());
      EXPECT_EQ(flat.at(at + "linetype"), cp1252ToUtf8(layer->linetypeName()));
      EXPECT_EQ(flat.at(at + "lineStyleCode"), std::to_string(layer->lineStyleCode()));
      EXPECT_EQ(flat.at(at + "visible"), boolText(layer->visible() != 0));
    }
    EXPECT_EQ(flat.count("layers[" + std::to_string(drawing.layers().count()) + "].name"), 0u);
    for (int i = 0; i < drawing.blocks().count(); ++i) {
      const DXF_Block* block = drawing.blocks().at(i);
      const std::string at = "blocks[" + std::to_string(i) + "].";
      EXPECT_EQ(flat.at(at + "name"), cp1252ToUtf8(block->name()));
      EXPECT_EQ(flat.at(at + "entities"), std::to_string(block->entities().count()));
      EXPECT_EQ(flat.at(at + "polylines"), std::to_string(block->polylines().count()));
      EXPECT_EQ(flat.at(at + "inserts"), std::to_string(block->inserts().count()));
      EXPECT_EQ(flat.at(at + "dimensions"), std::to_string(block->dimensions().count()));
    }
  }
}

TEST(InfoTexts, Windows1252NamesAndJsonSpecialsComeOutAsUtf8) {
  TempDir dir;
  // Layer name Maß"\ in Windows-1252: the sharp s is the single byte 0xDF.
  const auto path = dir.file("names.dxf");
  testsupport::writeFile(path, tooltest::frameDrawing("Ma\xDF\"\\", "3"));
  const auto run = runTool({"info", path.string()}, dir);
  ASSERT_EQ(run.status, 0) << run.err;
  const auto flat = flattenJson(run.out, dir);
  ASSERT_FALSE(flat.empty()) << run.out;
  EXPECT_EQ(flat.at("layers[0].name"), "Ma\xC3\x9F\"\\");
  EXPECT_EQ(flat.at("layers[0].colour"), "#149E0A");
  EXPECT_EQ(flat.at("counts.LINE"), "4");
  EXPECT_EQ(flat.at("counts.CIRCLE"), "1");
}

TEST(InfoFailures, ReaderFailureStillPrintsJsonWithItsCode) {
  TempDir dir;
  const auto path = dir.file("cut.dxf");
  testsupport::writeFile(path, "  0\nSECTION\n  2\nHEADER\n  9\n$LTSCALE\n 40\n2.5\n");
  const auto run = runTool({"info", path.string()}, dir);
  EXPECT_EQ(run.status, 1);
  const auto flat = flattenJson(run.out, dir);
  ASSERT_FALSE(flat.empty()) << run.out;
  EXPECT_EQ(flat.at("code"), "-52");
  EXPECT_NE(run.err.find("-52"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("HEADER"), std::string::npos) << run.err;
}

TEST(InfoBinary, BinaryDxfIsReadAndSkippedKindsCounted) {
  TempDir dir;
  const auto run = runTool({"info", testsupport::dataPath("BINARY_wipeout.dxf").string()}, dir);
  EXPECT_EQ(run.status, 0) << run.err;
  const auto flat = flattenJson(run.out, dir);
  ASSERT_FALSE(flat.empty()) << run.out;
  EXPECT_EQ(flat.at("code"), "0");
  EXPECT_NE(flat.at("counts.layers"), "0");
  ASSERT_EQ(flat.count("skipped.VIEWPORT"), 1u) << run.out;
  EXPECT_GE(std::stoi(flat.at("skipped.VIEWPORT")), 1) << run.out;
  // Its wipeouts are drawn, as fills in the blocks that hold them.
  EXPECT_EQ(flat.count("skipped.WIPEOUT"), 0u) << run.out;
}

TEST(InfoFailures, UnreadablePathsAreUsageErrorsWithoutJson) {
  TempDir dir;
  const auto missing = runTool({"info", dir.file("missing.dxf").string()}, dir);
  EXPECT_EQ(missing.status, 2);
  EXPECT_TRUE(missing.out.empty());
  EXPECT_NE(missing.err.find("missing.dxf"), std::string::npos) << missing.err;
  const auto folder = runTool({"info", dir.path().string()}, dir);
  EXPECT_EQ(folder.status, 2);
  EXPECT_NE(folder.err.find("not a file"), std::string::npos) << folder.err;
}

TEST(ToolUsage, WrongArgumentsExitWithTwoAndShowUsage) {
  TempDir dir;
  for (const std::vector<std::string>& args : {std::vector<std::string>{},
                                               {"info"},
                                               {"frobnicate", "a.dxf"},
                                               {"convert", "a.dxf"},
                                               {"render", "a.dxf", "b.gif"},
                                               {"render", "a.dxf", "b.png", "--width", "0"}}) {
    const auto run = runTool(args, dir);
    EXPECT_EQ(run.status, 2) << testing::PrintToString(args);
    EXPECT_NE(run.err.find("Usage:"), std::string::npos);
    EXPECT_TRUE(run.out.empty());
  }
}

TEST(ToolUsage, HelpGoesToStandardOutput) {
  TempDir dir;
  const auto run = runTool({"--help"}, dir);
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("dxftool render IN OUT"), std::string::npos);
  EXPECT_TRUE(run.err.empty());
}
