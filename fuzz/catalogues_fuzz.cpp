// fuzz/catalogues_fuzz.cpp — any bytes as one of the three catalogues (the first byte picks
// which: colours, shapes or boss types), the other two being sound, through the whole start-up
// load of the game data.
#include <cstddef>
#include <cstdint>
#include <string>

#include "data/error.hpp"
#include "fuzz/fuzz_support.hpp"
#include "tests/rules/rules_world.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  if (size == 0) return 0;
  static const char* const kEntries[] = {"MetaColors.xml", "fishkaShapes.xml", "BossTypes.xml"};
  const std::string entry = kEntries[bytes[0] % 3];
  rules_test::TFakeServices services;
  rules_test::FillArchives(services);
  fuzz::ReplaceEntry(services.Archive(rules::TArchiveKind::Game), entry,
                     fuzz::Text(bytes + 1, size - 1));
  rules::TCatalogues catalogues;
  try {
    catalogues.LoadGameData(services);
  } catch (const data::Error&) {
    return 0;
  }
  if (!catalogues.Loaded) __builtin_trap();
  if (catalogues.TypeCount() !=
      static_cast<int>(catalogues.Shapes.size()) * catalogues.ColorCount())
    __builtin_trap();
  for (int t = 0; t < catalogues.TypeCount(); ++t) (void)catalogues.ShapeOf(t);
  return 0;
}
