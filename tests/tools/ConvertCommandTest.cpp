// dxftool convert: release 12 output that reads back with the same content.
#include <cstring>

#include <gtest/gtest.h>

#include "ToolTestData.h"

using testsupport::TempDir;
using tooltest::runTool;

namespace {

const char* const kSamples[] = {"ASCII_R12.dxf", "POLI-ALL210_12.DXF", "issue42.dxf",
                                "frozen-off.dxf"};

// ezdxf's recover mode, which repairs what it can and lists what it had to repair.
const char* const kAudit = R"(import sys
from ezdxf import recover
doc, auditor = recover.readfile(sys.argv[1])
for error in auditor.errors:
    print(error.message)
sys.exit(1 if auditor.has_errors else 0)
)";

}  // namespace

TEST(ConvertSamples, OutputReadsBackWithTheSameCounts) {
  for (const char* name : kSamples) {
    SCOPED_TRACE(name);
    TempDir dir;
    const std::string in = testsupport::dataPath(name).string();
    const std::string out = dir.file("out.dxf").string();
    const auto run = runTool({"convert", in, out}, dir);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.err.empty()) << run.err;

    DXF_Zeichnung original;
    DXF_Zeichnung written;
    ASSERT_EQ(original.readDXF(in), 0);
    ASSERT_EQ(written.readDXF(out), 0);
    EXPECT_EQ(tooltest::documentCounts(written), tooltest::documentCounts(original));
    EXPECT_DOUBLE_EQ(written.linetypeScale(), original.linetypeScale());
    EXPECT_NE(testsupport::readFile(out).find("AC1009"), std::string::npos);
  }
}

TEST(ConvertSamples, OutputLoadsInEzdxfRecoverWithoutAuditErrors) {
  TempDir probe;
  ASSERT_TRUE(tooltest::haveEzdxf(probe))
      << "python3-ezdxf is missing: scripts/install-deps installs it";
  for (const char* name : kSamples) {
    SCOPED_TRACE(name);
    TempDir dir;
    const std::string out = dir.file("out.dxf").string();
    ASSERT_EQ(runTool({"convert", testsupport::dataPath(name).string(), out}, dir).status, 0);
    const auto audit = tooltest::runProgram(tooltest::kPython, {"-c", kAudit, out}, dir);
    EXPECT_EQ(audit.status, 0) << audit.out << audit.err;
  }
}

TEST(ConvertExplode, LeavesOnlyPlainEntitiesLayersAndLinetypes) {
  for (const char* name : {"POLI-ALL210_12.DXF", "frozen-off.dxf", "issue42.dxf"}) {
    SCOPED_TRACE(name);
    TempDir dir;
    const std::string in = testsupport::dataPath(name).string();
    const std::string out = dir.file("flat.dxf").string();
    const auto run = runTool({"convert", in, out, "--explode"}, dir);
    ASSERT_EQ(run.status, 0) << run.err;

    DXF_Zeichnung original;
    DXF_Zeichnung flat;
    ASSERT_EQ(original.readDXF(in), 0);
    ASSERT_EQ(flat.readDXF(out), 0);
    // Release 12 has no ellipses: the polylines left are the ellipses of the explosion
    // (arcs of polylines in tilted planes, seen from above).
    DXF_Zeichnung exploded;
    ASSERT_EQ(exploded.readDXF(in), 0);
    exploded.explodeAll();
    int ellipses = 0;
    for (int i = 0; i < exploded.entities().count(); ++i) {
      ellipses += std::strcmp(exploded.entities().at(i)->typeName(), "ELLIPSE") == 0;
    }
    EXPECT_EQ(flat.polylines().count(), ellipses);
    EXPECT_EQ(flat.inserts().count(), 0);
    EXPECT_EQ(flat.dimensions().count(), 0);
    EXPECT_EQ(flat.blocks().count(), 0);
    EXPECT_EQ(flat.layers().count(), original.layers().count());
    EXPECT_GT(flat.entities().count(), original.entities().count());
  }
}

TEST(ConvertFailures, UnwritableTargetNamesTheWriterCode) {
  TempDir dir;
  const std::string out = dir.file("no-such-folder/out.dxf").string();
  const auto run = runTool({"convert", testsupport::dataPath("ASCII_R12.dxf").string(), out}, dir);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("-50"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find(out), std::string::npos) << run.err;
  EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line expected: " << run.err;
}

TEST(ConvertFailures, FailedReadLeavesAnExistingTargetUntouched) {
  TempDir dir;
  const auto in = dir.file("cut.dxf");
  testsupport::writeFile(in, "  0\nSECTION\n  2\nHEADER\n  0\nENDSEC\n  0\nSECTION\n");
  const auto out = dir.file("keep.dxf");
  testsupport::writeFile(out, "previous content");
  const auto run = runTool({"convert", in.string(), out.string()}, dir);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("-55"), std::string::npos) << run.err;
  EXPECT_EQ(testsupport::readFile(out), "previous content");
}

TEST(ConvertBinary, BinaryInputIsConvertedToAscii) {
  TempDir dir;
  const auto run = runTool({"convert", testsupport::dataPath("BINARY_wipeout.dxf").string(),
                            dir.file("out.dxf").string()},
                           dir);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(testsupport::readFile(dir.file("out.dxf")).rfind("  0\nSECTION\n", 0), 0u);
}

TEST(ConvertFailures, DamagedBinaryInputIsRefusedWithAClearSentence) {
  TempDir dir;
  testsupport::writeFile(
      dir.file("cut.dxf"),
      testsupport::readFile(testsupport::dataPath("BINARY_wipeout.dxf")).substr(0, 500));
  const auto run =
      runTool({"convert", dir.file("cut.dxf").string(), dir.file("out.dxf").string()}, dir);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("binary DXF"), std::string::npos) << run.err;
  EXPECT_FALSE(std::filesystem::exists(dir.file("out.dxf")));
}
