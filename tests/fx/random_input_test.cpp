// Damaged effect files and scripts: loading fails with a message or succeeds, and a loaded
// effect runs; nothing crashes. The inputs come from a fixed seed, so every run is the same.
#include <gtest/gtest.h>

#include <random>

#include "data/error.hpp"
#include "data/files.hpp"
#include "fx/particle_effect.hpp"
#include "fx/piecewise_func.hpp"

namespace {

std::string Mutate(std::string text, std::mt19937& rng) {
  static const std::string kBytes = "<>/\"=.,;()[]{}-+0123456789eTx \n";
  const int edits = 1 + static_cast<int>(rng() % 4);
  for (int e = 0; e < edits && !text.empty(); ++e) {
    const size_t at = rng() % text.size();
    switch (rng() % 3) {
      case 0:
        text[at] = kBytes[rng() % kBytes.size()];
        break;
      case 1:
        text.erase(at, 1 + rng() % 8);
        break;
      default:
        text.insert(at, 1, kBytes[rng() % kBytes.size()]);
        break;
    }
  }
  return text;
}

}  // namespace

TEST(RandomInput, DamagedEffectFilesNeverCrash) {
  std::mt19937 rng(20240607);
  int loaded = 0, refused = 0;
  for (const char* name : {"trail.xml", "fountain.xml", "sparkle.xml"}) {
    const std::string original = data::ReadWholeFile(std::string(ZERITH_TEST_DATA) + "/fx/" + name);
    for (int i = 0; i < 150; ++i) {
      fx::TOrlParticleEffect effect;
      try {
        effect.LoadFromText(Mutate(original, rng));
      } catch (const data::Error& e) {
        EXPECT_NE(std::string(e.what()), "");
        ++refused;
        continue;
      }
      ++loaded;
      effect.Start(1000);
      effect.Init();
      for (uint32_t t = 1000; t < 4000; t += 250) effect.Update(t);
      auto copy = effect.Clone();
      ASSERT_NE(copy, nullptr);
      copy->Update(4500);
    }
  }
  EXPECT_GT(loaded, 0);
  EXPECT_GT(refused, 0);
}

TEST(RandomInput, ScriptsNeverFail) {
  static const char* kWords[] = {"Set ",
                                 "Path ",
                                 "Ending ",
                                 "Bezier",
                                 "Linear",
                                 "Timing ",
                                 "FirstAngle ",
                                 "PosCorrectionFirst ",
                                 "Loop",
                                 "Reverse",
                                 "ReverseStop ",
                                 "Stop ",
                                 "(",
                                 ")",
                                 "[",
                                 "]",
                                 "{",
                                 "}",
                                 "\"",
                                 "..",
                                 "--",
                                 ",",
                                 ";",
                                 " ",
                                 "+",
                                 "-",
                                 "0",
                                 "1e30",
                                 "7.5",
                                 "90"};
  std::mt19937 rng(99);
  for (int i = 0; i < 500; ++i) {
    std::string script;
    for (int w = 0; w < 40; ++w) script += kWords[rng() % (sizeof kWords / sizeof *kWords)];
    fx::TOrlPiecewiseFunc path;
    path.SetDim(1 + static_cast<int>(rng() % 3));
    path.SetScript(script);
    for (uint32_t t : {0u, 1u, 500u, 100000u, 4294967295u}) path.GetValue(t);
    for (int p = 0; p <= path.PointCount() + 1; ++p)
      path.MovePoint(p, rng() % 2, rng() % 2, 0.5f, -0.5f, 1, 2, 1, 2, 3);
  }
}
