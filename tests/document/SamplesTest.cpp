// Tests on the sample drawings of other programs: each reads with the result code pinned
// for it in samples/expected-results.tsv, is saved and read back alike, and the saved files
// are accepted by an independent DXF library.
#include <sys/wait.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "DocumentTesting.h"
#include "document/DxfReader.h"
#include "document/InsertCycles.h"
#include "document/LinetypeTexts.h"
#include "document/Polylinie.h"
#include "entities/Hatch.h"
#include "TestSupport.h"
#include "support/ProgramRun.h"

namespace {

using namespace documenttesting;
namespace fs = std::filesystem;

const fs::path kSamples = testsupport::dataPath("samples");

bool isDrawing(const fs::path& path) {
  std::string extension = path.extension().string();
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension == ".dxf";
}

std::vector<fs::path> samplePaths() {
  std::vector<fs::path> paths;
  for (const auto& entry : fs::recursive_directory_iterator(kSamples)) {
    if (entry.is_regular_file() && isDrawing(entry.path())) paths.push_back(entry.path());
  }
  std::sort(paths.begin(), paths.end());
  return paths;
}

// The result code each sample must read with, by its path under samples/: the rows of
// expected-results.tsv ("path<TAB>code"; "#" starts a comment line).
std::map<std::string, int> pinnedResults() {
  std::map<std::string, int> pinned;
  std::istringstream table(testsupport::readFile(kSamples / "expected-results.tsv"));
  std::string row;
  while (std::getline(table, row)) {
    if (row.empty() || row[0] == '#') continue;
    const std::size_t tab = row.find('\t');
    pinned[row.substr(0, tab)] = tab == std::string::npos ? 1 : std::stoi(row.substr(tab + 1));
  }
  return pinned;
}

std::string relativeName(const fs::path& path) {
  return path.lexically_relative(kSamples).generic_string();
}

std::string testName(const testing::TestParamInfo<fs::path>& info) {
  std::string name =
      info.param.parent_path().filename().string() + "_" + info.param.stem().string();
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
}

// Objects of every list, those inside blocks included.
Counts deepCounts(const DXF_Zeichnung& document) {
  Counts counts = countsOf(document);
  for (int i = 0; i < document.blocks().count(); ++i) {
    const DXF_Block& block = *document.blocks().at(i);
    counts.entities += block.entities().count();
    counts.polylines += block.polylines().count();
    counts.inserts += block.inserts().count();
    counts.dimensions += block.dimensions().count();
  }
  return counts;
}

// The counts a saved and re-read document has: kinds R12 lacks are saved as their pieces
// (a SPLINE or an ELLIPSE as one POLYLINE, a HATCH as its SOLIDs, LINEs and POINTs), and
// the texts of complex linetypes as TEXTs.
Counts savedCounts(const DXF_Zeichnung& document) {
  Counts counts = deepCounts(document);
  const LinetypeTexts texts(document.linePatterns());
  auto account = [&counts, &texts](const EntityList& entities, const PolylineList& polylines) {
    for (int i = 0; i < polylines.count(); ++i) {
      counts.entities += static_cast<int>(texts.along(*polylines.at(i)).size());
    }
    for (int i = 0; i < entities.count(); ++i) {
      const DXFGeometrie& entity = *entities.at(i);
      counts.entities += static_cast<int>(texts.along(entity).size());
      const std::string type = entity.typeName();
      if (type == "SPLINE" || type == "ELLIPSE") {
        counts.entities -= 1;
        counts.polylines += 1;
      } else if (type == "HATCH") {
        counts.entities +=
            static_cast<int>(static_cast<const Hatch&>(entity).explodedPieces().size()) - 1;
      }
    }
  };
  account(document.entities(), document.polylines());
  for (int i = 0; i < document.blocks().count(); ++i) {
    account(document.blocks().at(i)->entities(), document.blocks().at(i)->polylines());
  }
  return counts;
}

// Result codes the reader documents: success, the entity and polyline codes, and the codes
// of files it refuses.
bool documented(int result) {
  return result == 0 || (result <= -30 && result >= -39) || (result <= -50 && result >= -57);
}

TEST(SampleResults, EverySampleHasADocumentedCodeAndEveryRowASample) {
  const std::map<std::string, int> pinned = pinnedResults();
  std::map<std::string, int> unlisted = pinned;
  for (const fs::path& path : samplePaths()) {
    const std::string name = relativeName(path);
    EXPECT_EQ(pinned.count(name), 1u) << "no row for " << name;
    unlisted.erase(name);
  }
  for (const auto& [name, code] : unlisted) ADD_FAILURE() << "row without a sample: " << name;
  for (const auto& [name, code] : pinned) {
    EXPECT_TRUE(documented(code)) << name << " is pinned to " << code;
  }
}

class SampleDrawing : public testing::TestWithParam<fs::path> {};

TEST_P(SampleDrawing, ReadsWithItsPinnedCodeWritesAndReadsBackAlike) {
  const std::map<std::string, int> pinned = pinnedResults();
  const std::string name = relativeName(GetParam());
  DXF_Zeichnung document;
  const int result = document.readDXF(GetParam());
  const auto row = pinned.find(name);
  ASSERT_NE(row, pinned.end()) << "add to expected-results.tsv: " << name << "\t" << result;
  EXPECT_EQ(result, row->second) << name;
  testsupport::TempDir dir;
  ASSERT_EQ(document.writeDXF(dir.file("saved.dxf")), 0);
  DXF_Zeichnung again;
  ASSERT_EQ(again.readDXF(dir.file("saved.dxf")), 0);
  // Inserts that close a cycle of blocks are left out of the file.
  Counts expected = savedCounts(document);
  expected.inserts -= static_cast<int>(cyclicInserts(document.blocks()).size());
  EXPECT_EQ(deepCounts(again), expected);
}

INSTANTIATE_TEST_SUITE_P(All, SampleDrawing, testing::ValuesIn(samplePaths()), testName);

// A Python with the ezdxf package, or "" when there is none.
TEST(SampleDrawingsSaved, LoadWithoutAuditErrorsInEzdxf) {
  testsupport::TempDir dir;
  // Debian's interpreter, which has ezdxf; started without a shell, so paths need no quoting.
  const std::string python = "/usr/bin/python3";
  ASSERT_EQ(testsupport::runProgram(python, {"-c", "import ezdxf"}, dir).status, 0)
      << "no python3 with ezdxf: scripts/install-deps installs it";
  int index = 0;
  for (const fs::path& path : samplePaths()) {
    DXF_Zeichnung document;
    document.readDXF(path);
    const fs::path saved = dir.file(std::to_string(index++) + "_" + path.filename().string());
    ASSERT_EQ(document.writeDXF(saved), 0) << path;
  }
  const fs::path script = dir.file("audit.py");
  testsupport::writeFile(script,
                         "import glob, sys\n"
                         "from ezdxf import recover\n"
                         "bad = 0\n"
                         "paths = sorted(glob.glob(sys.argv[1] + '/*.[dD][xX][fF]'))\n"
                         "print('loaded', len(paths))\n"
                         "for path in paths:\n"
                         "    try:\n"
                         "        doc, auditor = recover.readfile(path)\n"
                         "    except Exception as error:\n"
                         "        print('cannot load', path, error)\n"
                         "        bad += 1\n"
                         "        continue\n"
                         "    for error in auditor.errors:\n"
                         "        print('audit error', path, error.message)\n"
                         "    bad += len(auditor.errors)\n"
                         "sys.exit(1 if bad else 0)\n");
  const testsupport::ProgramRun run =
      testsupport::runProgram(python, {script.string(), dir.path().string()}, dir);
  const std::string log = run.out + run.err;
  EXPECT_EQ(run.status, 0) << log;
  EXPECT_NE(log.find("loaded " + std::to_string(index) + "\n"), std::string::npos) << log;
}

}  // namespace
