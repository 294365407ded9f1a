// Tests of reading binary DXF files from disk, where they are turned into text in pieces.
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "DocumentTesting.h"
#include "TestSupport.h"
#include "document/DXF_Zeichnung.h"
#include "document/DxfReader.h"

namespace {

std::string bytesOf(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A binary sample reads the same from its file as from its bytes in memory, in both layouts
// (one-byte and two-byte group codes).
TEST(BinaryReading, FileAndMemoryGiveTheSameDrawing) {
  for (const char* name :
       {"samples/ezdxf/bin_dxf_r12.dxf", "samples/ezdxf/bin_dxf_r2000.dxf", "BINARY_wipeout.dxf"}) {
    const std::filesystem::path path = testsupport::dataPath(name);
    DXF_Zeichnung fromFile;
    ASSERT_EQ(fromFile.readDXF(path), 0) << name;
    auto fromMemory = documenttesting::readOk(bytesOf(path));
    EXPECT_GT(fromFile.layers().count(), 0) << name;
    EXPECT_EQ(documenttesting::countsOf(fromFile), documenttesting::countsOf(*fromMemory)) << name;
    EXPECT_EQ(documenttesting::writtenText(fromFile), documenttesting::writtenText(*fromMemory))
        << name;
  }
}

// A binary file cut inside a group is refused from disk too, wherever the cut lies.
TEST(BinaryReading, CutFileIsRefused) {
  const std::string bytes = bytesOf(testsupport::dataPath("BINARY_wipeout.dxf"));
  testsupport::TempDir folder;
  for (std::size_t keep : {bytes.size() - 3, bytes.size() / 2 + 1, std::size_t{30}}) {
    const std::filesystem::path cut = folder.path() / "cut.dxf";
    std::ofstream(cut, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(keep));
    DXF_Zeichnung document;
    EXPECT_EQ(document.readDXF(cut), DxfReader::kUnreadableBinary) << keep;
  }
}

}  // namespace
