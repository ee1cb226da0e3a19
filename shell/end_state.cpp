// shell/end_state.cpp — the end-of-run summary of --end-state.
#include "shell/end_state.hpp"

#include <array>

#include "data/files.hpp"
#include "rules/rules_game.hpp"
#include "shell/main_window.hpp"
#include "ui/form.hpp"

namespace shell {

std::string GameStateName(int state) {
  static constexpr std::array<const char*, 7> kNames = {
      "gsGamePlay", "gsGameOver", "gsBetweenLevels", "gsGameMenu",
      "gsTitle",    "gsIntro",    "gsGameFinished"};
  if (state >= rules::gsGamePlay && state <= rules::gsGameFinished)
    return kNames[static_cast<size_t>(state - rules::gsGamePlay)];
  return std::to_string(state);
}

std::string EndStateText(TMainWindow& window) {
  const rules::TRulesGame& game = window.Rules();
  std::string windows;
  for (const ui::TOrlForm* form : window.Interface().ShownForms())
    windows += (windows.empty() ? "" : " ") + form->Name();
  int pieces = 0;
  if (game.HasLayer())
    for (const rules::TFishka& piece : game.Layer().Pieces)
      pieces += piece.State == rules::kOnBoard;
  return "GameState=" + GameStateName(game.Game.GameState) + "\nWindows=" + windows +
         "\nMode=" + std::to_string(game.Game.Mode) + "\nLevel=" + std::to_string(game.Game.Level) +
         "\nScore=" + std::to_string(game.Game.Score) + "\nPieces=" + std::to_string(pieces) + "\n";
}

void WriteEndState(TMainWindow& window, const std::string& path) {
  data::WriteFileAtomically(path, EndStateText(window));
}

}  // namespace shell
