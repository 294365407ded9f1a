// Every corpus file goes through its fuzz target's work, in every build: a crash file found
// by a fuzzer, once put into the corpus, is checked from then on without clang. One test per
// file, so that each has its own time limit and names the file when it fails.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/FuzzTargets.h"

namespace {

namespace fs = std::filesystem;

struct Target {
  const char* folder;
  std::string (*work)(std::string_view);
};

const Target kTargets[] = {
    {"drawing", fuzz::drawing},
    {"binary", fuzz::binaryDrawing},
    {"settings", fuzz::settings},
};

struct CorpusFile {
  const Target* target;
  fs::path path;
};

std::vector<CorpusFile> corpusFiles() {
  std::vector<CorpusFile> files;
  for (const Target& target : kTargets) {
    std::vector<fs::path> paths;
    for (const auto& entry : fs::directory_iterator(fs::path(DXFV_FUZZ_CORPUS) / target.folder)) {
      if (entry.is_regular_file()) paths.push_back(entry.path());
    }
    std::sort(paths.begin(), paths.end());
    for (const fs::path& path : paths) files.push_back({&target, path});
  }
  return files;
}

std::string bytesOf(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class CorpusReplay : public testing::TestWithParam<CorpusFile> {};

TEST_P(CorpusReplay, KeepsTheTargetsPromises) {
  EXPECT_EQ(GetParam().target->work(bytesOf(GetParam().path)), "");
}

INSTANTIATE_TEST_SUITE_P(Files, CorpusReplay, testing::ValuesIn(corpusFiles()),
                         [](const testing::TestParamInfo<CorpusFile>& info) {
                           std::string name = std::string(info.param.target->folder) + "_" +
                                              info.param.path.stem().string();
                           for (char& c : name) {
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           }
                           return name;
                         });

// Every target has a corpus: an empty folder would make its replay pass unseen.
TEST(CorpusReplay, EveryTargetHasCorpusFiles) {
  const std::vector<CorpusFile> files = corpusFiles();
  for (const Target& target : kTargets) {
    EXPECT_TRUE(std::any_of(files.begin(), files.end(), [&](const CorpusFile& file) {
      return file.target == &target;
    })) << target.folder;
  }
}

}  // namespace
