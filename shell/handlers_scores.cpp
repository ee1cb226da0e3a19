// shell/handlers_scores.cpp — the high-score window, clearing a table, and the
// name entry when a scored game is finished.
#include "data/error.hpp"
#include "rules/rules_game.hpp"
#include "shell/grid_rows.hpp"
#include "shell/handlers_screens.hpp"
#include "shell/main_window.hpp"
#include "ui/grid.hpp"

namespace shell {

std::string TScreens::ScoresPath(bool realTime) const {
  return w.UserFolder() + (realTime ? kRealTimeScoresFile : kTurnBasedScoresFile);
}

bool TScreens::RealTimeSelected() {
  return Checked("WHighScores_RBRealTimePuzzle");
}

void TScreens::ShowHighScores() {
  auto* grid = dynamic_cast<ui::TOrlGrid*>(w.Interface().FindObject("WHighScores_GHighScores"));
  if (!grid) return;
  grid->ClearRows();
  const THighScores& table = RealTimeSelected() ? RealTimeScores : TurnBasedScores;
  for (size_t i = 0; i < table.size(); ++i)
    grid->AddCells(
        GridRow(*grid, {std::to_string(i + 1), table[i].Name, std::to_string(table[i].Score)}));
}

void TScreens::WHighScores_BClear_MouseUp() {
  const THighScores& table = RealTimeSelected() ? RealTimeScores : TurnBasedScores;
  if (!table.empty()) w.Interface().ShowModal("WClearHighScores");
}

void TScreens::WClearHighScores_BOk_MouseUp() {
  if (auto* grid = dynamic_cast<ui::TOrlGrid*>(w.Interface().FindObject("WHighScores_GHighScores")))
    grid->ClearRows();
  const bool realTime = RealTimeSelected();
  (realTime ? RealTimeScores : TurnBasedScores).clear();
  DeleteHighScores(ScoresPath(realTime));
}

void TScreens::WGameFinished_BOk_MouseUp() {
  w.SetGameState(rules::gsTitle);  // the title's own screen, not the finished game's
  w.Interface().HideModalList();
  w.Interface().ShowModal("WTitle");
  ShowContinue();
  const rules::TGame& record = w.Rules().Game;
  if (record.Mode != rules::kPuzzle && record.Mode != rules::kStrategy) return;
  const bool realTime = record.Mode == rules::kPuzzle;
  for (const auto& [object, checked] : {std::pair{"WHighScores_RBRealTimePuzzle", realTime},
                                        {"WHighScores_LBRealTimePuzzle", realTime},
                                        {"WHighScores_RBTurnBasedPuzzle", !realTime},
                                        {"WHighScores_LBTurnBasedPuzzle", !realTime}})
    Set(object, "checked", checked ? "true" : "false");
  // The edit refuses quotation marks; a name set otherwise must still not end
  // early in the file.
  std::string name = Caption("WGameFinished_EYourName");
  std::erase_if(name, [](char c) { return !HighScoreNameAccepts(static_cast<char16_t>(c)); });
  THighScores& table = realTime ? RealTimeScores : TurnBasedScores;
  const int position = InsertHighScore(table, name, record.Score);
  ShowHighScores();
  std::string failure;
  try {
    SaveHighScores(ScoresPath(realTime), table);
  } catch (const data::Error& e) {
    failure = e.what();  // the table still shows the new entry; the old file stays
  }
  Set("WHighScores_GHighScores", "Position", std::to_string(position));
  w.Interface().ShowModal("WHighScores");
  if (!failure.empty()) w.ShowError(failure);
}

}  // namespace shell
