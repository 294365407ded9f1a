// Every corpus file goes through its fuzz target's work, in every build: a crash file found
// by a fuzzer, once put into the corpus, is checked from then on without clang.
#include <gtest/gtest.h>

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

std::vector<fs::path> corpusFiles(const char* folder) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(fs::path(DXFV_FUZZ_CORPUS) / folder)) {
    if (entry.is_regular_file()) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::string bytesOf(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class CorpusReplay : public testing::TestWithParam<Target> {};

TEST_P(CorpusReplay, EveryFileKeepsTheTargetsPromises) {
  const std::vector<fs::path> files = corpusFiles(GetParam().folder);
  ASSERT_FALSE(files.empty()) << "no corpus files in " << GetParam().folder;
  for (const fs::path& file : files) {
    EXPECT_EQ(GetParam().work(bytesOf(file)), "") << file.filename();
  }
}

INSTANTIATE_TEST_SUITE_P(Targets, CorpusReplay, testing::ValuesIn(kTargets),
                         [](const testing::TestParamInfo<Target>& info) {
                           return std::string(info.param.folder);
                         });

}  // namespace
