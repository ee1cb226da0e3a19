// shell/saved_games_restore.cpp — putting a checked saved game back into the running game.

#include "data/rounding.hpp"
#include "rules/rules_game.hpp"
#include "shell/saved_games.hpp"

namespace shell {

using rules::TRulesGame;

void RestoreGameRecord(TRulesGame& game, const TSavedGame& saved) {
  game.Game.Mode = saved.Mode;
  game.Game.GameState = saved.State;
  game.Game.Level = saved.Level;
  game.Game.Score = saved.Score;
  if (saved.PrevScore) game.Game.PrevScore = *saved.PrevScore;
  if (saved.PutLeft) game.Level.PutLeft = *saved.PutLeft;
  game.Game.Shifts = saved.Shifts;
  game.Game.Shuffles = saved.Shuffles;
}

namespace {

void PutSavedPieces(TRulesGame& game, const std::vector<TSavedPiece>& layer) {
  game.Level.Layers.emplace_back();
  game.Level.CurrentLayer = static_cast<int>(game.Level.Layers.size()) - 1;
  for (const TSavedPiece& saved : layer) {
    rules::TFishka piece;
    piece.X = saved.X;
    piece.Y = 590 - saved.Y - game.ScrollY;
    piece.State = rules::kOnBoard;
    piece.TypeIndex = saved.TypeIndex;
    piece.Count = static_cast<uint8_t>(saved.Count);
    piece.BossIndex = -1;
    piece.Bonus = saved.Bonus;
    game.Layer().Pieces.push_back(std::move(piece));
    const int index = game.PieceCount() - 1;
    game.PutPiece(index, false, false);
    if (saved.Bonus >= 0) game.PickBonus(index, saved.Bonus);
  }
}

void SetCaption(TRulesGame& game, const char* object, int value) {
  game.Services.SetObjectProperty(object, "Caption", std::to_string(value));
}

}  // namespace

void RestoreBoard(TRulesGame& game, const TSavedGame& saved) {
  // The restore form: the level's settings, pictures and map, but none of its own pieces.
  game.LoadLevel(TRulesGame::LevelEntryName(saved.Level), false);
  for (const auto& layer : saved.Layers) PutSavedPieces(game, layer);
  for (const TSavedBoss& boss : saved.Bosses) {
    rules::TBoss record;
    record.X = boss.X;
    record.Y = boss.Y;
    record.TypeIndex = boss.TypeIndex;
    record.Main = boss.Main;
    game.Level.Bosses.push_back(record);
  }
  game.Level.LevelDone = false;
  game.Level.LayerDone = false;
  game.Level.CurrentLayer = 0;
  game.Game.UndoList.clear();
  game.PaintOrder.Clear();
  for (int i = 0; i < game.PieceCount(); ++i)
    if (game.Piece(i).State == rules::kOnBoard) game.InsertPaintOrder(i);
  game.AttachBosses();
  game.UpdateFrontier();
  game.PieceQueue.Clear();
  game.HandIndex = -1;
  for (int i = 0; i < rules::kQueueLength; ++i) game.DealPiece();
  // The line of the game that ran before must not carry over into this one.
  game.ScrollSpeed = 0;
  if (saved.CurrentY && saved.Mode == rules::kStrategy) {
    game.CurrentY = *saved.CurrentY;
    game.ScrollTarget = game.ScrollY + (game.CurrentY - game.ScrollY) / 2;
  } else {
    game.CurrentY = game.ScrollTarget = 0;
    game.LiftDeadLine();
  }
  if (game.Level.Music != game.Services.PlayingMusic()) {
    game.Services.StopMusic();
    game.Services.PlayMusic(game.Level.Music);
  }
  if (!saved.PutLeft) game.Level.PutLeft = game.Level.StrategicPuts;
  game.Level.MoveDeadline = game.Services.Now() + game.Level.MoveInterval;
  game.Services.InvalidateBackground();
  SetCaption(game, "WGame_LScoreCount", game.Game.Score);
  SetCaption(game, "WGame_LShiftCount", game.Game.Shifts);
  SetCaption(game, "WGame_LShuffleCount", game.Game.Shuffles);
  SetCaption(game, "WGame_LLevelCount", game.Game.Level);
  game.CentrePieceOnCursor(game.HandIndex);
}

void ShowRestoredDanger(TRulesGame& game) {
  rules::TRulesServices& services = game.Services;
  if (game.Game.Mode != rules::kStrategy) {
    services.SetObjectProperty("WGame_LPutsLeftCount", "Visible", "false");
    return;
  }
  if (game.Game.GameState != rules::gsGamePlay) return;
  game.ScrollY = game.CurrentY;
  game.CheckDanger();
  game.ScrollY = 0;
  services.SetObjectProperty("WGame_LPutsLeftCount", "Visible", "true");
  SetCaption(game, "WGame_LPutsLeftCount", game.Level.PutLeft);
  // A level without a put count never rises by puts; its bar stays empty.
  const int puts = game.Level.StrategicPuts;
  const int position =
      puts == 0 ? 0 : data::RoundHalfEven((puts - game.Level.PutLeft) * 100.0 / puts);
  services.SetObjectProperty("WGame_PBDead", "Position", std::to_string(position));
}

}  // namespace shell
