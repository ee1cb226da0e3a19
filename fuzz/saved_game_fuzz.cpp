// fuzz/saved_game_fuzz.cpp — any bytes as a saved game, both as the encoded file and as the
// plain XML it holds; a file that passes the checks is restored into a game in play.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "data/error.hpp"
#include "data/line_codec.hpp"
#include "fuzz/fuzz_support.hpp"
#include "shell/saved_games.hpp"
#include "tests/rules/rules_world.hpp"

namespace {

// Two levels, so a save may name one that exists and one that does not.
rules_test::TWorld& World() {
  static rules_test::TWorld* world = [] {
    auto* w = new rules_test::TWorld;
    w->NewGame(rules::kPuzzle, rules_test::ColumnLevel(3, 2));
    rules_test::AddEntry(w->Services.Archive(rules::TArchiveKind::Level), "Level2.xml",
                         rules_test::ColumnLevel(2).Xml());
    return w;
  }();
  return *world;
}

void LoadAndRestore(const std::string& bytes) {
  rules_test::TWorld& world = World();
  world.Services.PropertyLog.clear();  // the fake keeps every caption set, run after run
  auto game = world.NewGame(rules::kPuzzle, rules_test::ColumnLevel(3, 2));
  shell::TSavedGame saved;
  try {
    saved = shell::ParseSavedGame(bytes, "fuzz.sav", *game);
  } catch (const data::Error&) {
    return;
  }
  shell::RestoreGameRecord(*game, saved);
  try {
    if (saved.State == rules::gsGamePlay) shell::RestoreBoard(*game, saved);
  } catch (const data::Error&) {
    return;  // the level file itself failed; the file was fine
  }
  shell::ShowRestoredDanger(*game);
  // A restored game saves again as a file that reads back.
  const std::string again = shell::SavedGameFile(shell::CaptureGame(*game));
  (void)shell::ParseSavedGame(again, "again.sav", *game);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  const std::string text(fuzz::Text(bytes, size));
  LoadAndRestore(text);
  LoadAndRestore(data::EncodeLines(text));
  return 0;
}
