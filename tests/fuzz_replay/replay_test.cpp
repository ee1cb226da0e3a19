// tests/fuzz_replay/replay_test.cpp — every file of fuzz/corpus/<harness>/ and
// fuzz/crashes/<harness>/ run through that harness's entry point: inputs that once crashed,
// leaked or hung stay fixed, and the corpus stays readable by the current readers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

namespace {

struct THarness {
  const char* Name;
  int (*Run)(const uint8_t*, size_t);
};

#include "harness_table.inc"

void PrintTo(const THarness& harness, std::ostream* os) {
  *os << harness.Name;
}

namespace fs = std::filesystem;

std::vector<fs::path> InputsOf(const std::string& harness) {
  std::vector<fs::path> files;
  for (const char* kind : {"corpus", "crashes"}) {
    const fs::path dir = fs::path(ZERITH_FUZZ_DIR) / kind / harness;
    if (!fs::is_directory(dir)) continue;
    for (const auto& entry : fs::directory_iterator(dir))
      if (entry.is_regular_file()) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

class FuzzReplay : public ::testing::TestWithParam<THarness> {};

TEST_P(FuzzReplay, EveryCorpusFileAndReproducerRunsCleanly) {
  const THarness& harness = GetParam();
  const std::vector<fs::path> inputs = InputsOf(harness.Name);
  for (const fs::path& path : inputs) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    // Named before it runs: a trap or a sanitizer report ends the process without a trace.
    std::fprintf(stderr, "replaying %s\n", path.c_str());
    EXPECT_EQ(harness.Run(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()), 0) << path;
  }
  // A harness with nothing to replay guards nothing: every one ships a seed corpus.
  EXPECT_FALSE(inputs.empty()) << "fuzz/corpus/" << harness.Name << " is empty";
}

INSTANTIATE_TEST_SUITE_P(Harness, FuzzReplay, ::testing::ValuesIn(kHarnesses),
                         [](const ::testing::TestParamInfo<THarness>& info) {
                           return std::string(info.param.Name);
                         });

TEST(FuzzReplayFolders, EveryInputFolderBelongsToAHarness) {
  // A renamed harness must take its corpus and reproducers along, or they silently stop running.
  for (const char* kind : {"corpus", "crashes"}) {
    const fs::path dir = fs::path(ZERITH_FUZZ_DIR) / kind;
    if (!fs::is_directory(dir)) continue;
    for (const auto& entry : fs::directory_iterator(dir)) {
      if (!entry.is_directory()) continue;
      const std::string name = entry.path().filename().string();
      EXPECT_TRUE(std::any_of(std::begin(kHarnesses), std::end(kHarnesses),
                              [&](const THarness& h) { return name == h.Name; }))
          << kind << "/" << name << " has no harness fuzz/" << name << "_fuzz.cpp";
    }
  }
}

}  // namespace
