// fuzz/level_fuzz.cpp — any bytes as a level file, loaded for play and as a saved game's level
// in a small world of three colours and a few shapes.
#include <cstddef>
#include <cstdint>

#include "data/error.hpp"
#include "fuzz/fuzz_support.hpp"
#include "tests/rules/rules_world.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  // The catalogues and their board tables cost far more than a level; they are read once.
  static const rules_test::TWorld world;
  for (bool full : {true, false}) {
    rules_test::TFakeServices services;  // fresh each time: a level adds pictures to the store
    rules_test::FillArchives(services);
    fuzz::ReplaceEntry(services.Archive(rules::TArchiveKind::Level), "Level1.xml",
                       fuzz::Text(bytes, size));
    rules::TRulesGame game(world.Catalogues, services, 7);
    game.StartNewGame(2);
    try {
      game.LoadLevel("Level1.xml", full);
    } catch (const data::Error&) {
    }
  }
  return 0;
}
