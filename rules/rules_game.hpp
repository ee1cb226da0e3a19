// rules/rules_game.hpp — one running game: the level, the game record and the board's parts,
// with every rule operation. NOTE: pieces are addressed by their index in the current layer.
//
// Where the state lives:
// - Level (TLevel, level_model.hpp): layers with their pieces and occupancy, bosses, pictures,
//   the Puzzle clock, effects on the board; Game (TGame, game_model.hpp): mode, score, stocks,
//   undo list, danger state, screen effects.
// - THandQueue (hand_queue.hpp): HandIndex, PieceQueue, ColorCycle, OverBoard, HandAlpha,
//   CursorX, CursorY.
// - TDeadLine (dead_line.hpp): ScrollY, ScrollX, CurrentY, ScrollTarget, ScrollSpeed,
//   ScrollStepTick, PauseTick, BarPicture.
// - TBoardState (board_state.hpp): GroupList, PaintOrder, and the occupancy operations.
// The parts are public bases, so their fields read as the game's own (game.HandIndex); Hand(),
// Line() and Board() hand out one part to code that needs only that.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "rules/board_state.hpp"
#include "rules/catalogues.hpp"
#include "rules/dead_line.hpp"
#include "rules/game_model.hpp"
#include "rules/hand_queue.hpp"
#include "rules/level_model.hpp"
#include "rules/random_source.hpp"
#include "rules/services.hpp"
#include "rules/timings.hpp"

namespace data {
class TMemoryStream;
class TOrlXMLTag;
}  // namespace data

namespace rules {

class TPlacedIndex;

class TRulesGame : public THandQueue, public TDeadLine, public TBoardState {
 public:
  // NOTE: both references must outlive the game; the catalogues must be loaded.
  TRulesGame(const TCatalogues& catalogues, TRulesServices& services, uint32_t seed = 0);
  ~TRulesGame();
  TRulesGame(const TRulesGame&) = delete;
  TRulesGame& operator=(const TRulesGame&) = delete;

  // Levels (level_loader.cpp). full: a new level, set up for play; otherwise a saved game
  // supplies layers, bosses and play state.
  void LoadLevel(const std::string& entryName, bool full);
  // The same from a level file's bytes that are not in the levels archive (a level being made);
  // name stands for the file in messages. Its pictures still come from the levels archive.
  void LoadLevelFrom(data::TMemoryStream& stream, const std::string& name, bool full);
  void ResetLevel();
  void AttachBosses();
  static std::string LevelEntryName(int level) { return "Level" + std::to_string(level) + ".xml"; }
  // Start values of a new game, before its first level is loaded.
  void StartNewGame(int mode);
  // The next level of the set: Level + 1, loaded for play, its score kept for a replay.
  void StartNextLevel();

  // Pointer input over the board (screen px).
  void MouseMoved(int x, int y);
  static constexpr int kLeftButton = 1;
  static constexpr int kRightButton = 2;
  void MouseDown(int button, bool shiftHeld);
  void MouseWheel(int delta);

  // Putting and clearing (dealing.cpp, putting.cpp, groups.cpp, contours.cpp).
  void DealPiece();
  void RecolorQueue();
  void CentrePieceOnCursor(int piece);
  bool SnapPiece(int piece, TPoint& anchor, TIntegers& covered) const;
  bool PutPiece(int piece, bool score, bool check);
  bool Touches(int piece, const TIntegers& list) const;
  void RefreshSnapFrags();
  void CollectGroup(int piece);
  bool GroupClears(const TIntegers& group);
  void DropLoose(TTick t);
  void ClearContour(const TIntegers& pieces, TTick t);
  void AnimateQueue();
  void UpdateFrontier();
  void InsertPaintOrder(int piece);
  void DeletePiece(int index);
  // Every frame, before UpdateRules (piece_life.cpp).
  void UpdatePieces(TTick now);

  // Modes, dead line and the end of a level (modes.cpp, layer_end.cpp).
  void UpdateRules(TTick now);
  bool CheckDanger();
  void StrategyPutDone();
  bool LiftDeadLine();
  void LayerCleared();
  // The level is won: its remaining pieces burst and the level-complete window follows.
  void LevelCompleted();
  void MarkPause();
  void ResumeTimers();
  // Shows the boss hint the first time a boss comes into view; called every frame.
  void CheckBossHint();

  // Player moves (moves.cpp, undo_shuffle.cpp) and the game window's buttons.
  void RotateForward();
  void RotateBackward();
  void CycleQueue();
  void UndoPut();
  void Shift();
  void Shuffle();
  void WGame_BSwap_MouseUp();
  void WGame_BUndo_MouseUp();
  void WGame_BShuffle_MouseUp();
  void WGame_BShift_MouseUp();

  // Bonuses and bosses (bonuses.cpp, bosses.cpp).
  void PickBonus(int piece, int kind);
  void ApplyBonus(int piece);
  void BombBlast(TPoint centre, int radius);
  void ColorBombBlast(TPoint centre, int radius, int color);
  void Tricolor();
  void KillBoss(int boss);

  // The parts.
  THandQueue& Hand() { return *this; }
  const THandQueue& Hand() const { return *this; }
  TDeadLine& Line() { return *this; }
  const TDeadLine& Line() const { return *this; }
  TBoardState& Board() { return *this; }
  const TBoardState& Board() const { return *this; }

  // Look-ups shared by the rules and the board drawing.
  TLayer& Layer() { return Level.Layers[static_cast<size_t>(Level.CurrentLayer)]; }
  const TLayer& Layer() const { return Level.Layers[static_cast<size_t>(Level.CurrentLayer)]; }
  bool HasLayer() const {
    return Level.CurrentLayer >= 0 && Level.CurrentLayer < static_cast<int>(Level.Layers.size());
  }
  TFishka& Piece(int index) { return Layer().Pieces[static_cast<size_t>(index)]; }
  const TFishka& Piece(int index) const { return Layer().Pieces[static_cast<size_t>(index)]; }
  int PieceCount() const { return HasLayer() ? static_cast<int>(Layer().Pieces.size()) : 0; }
  bool HasHand() const { return HandIndex >= 0 && HandIndex < PieceCount(); }
  const TFishkaShape& ShapeOf(const TFishka& piece) const { return Cat.ShapeOf(piece.TypeIndex); }
  int ShapeIndexOf(const TFishka& piece) const {
    return Cat.Types[static_cast<size_t>(piece.TypeIndex)].ShapeIndex;
  }
  int ColorOf(const TFishka& piece) const { return Cat.ColorOf(piece.TypeIndex); }
  // Cached per type: piece pictures keep their size for the whole run.
  TPictureSize PictureSize(const TFishka& piece) const;
  // After the picture store was re-created.
  void ForgetPictureSizes() { typeSizes.clear(); }
  TPoint Centre(const TFishka& piece) const;  // board units
  // Board point inside a placed piece's triangles, edges included.
  bool PointInPiece(const TFishka& piece, TPoint point) const;
  // Offset from a piece's anchor to the point held under the cursor (mean of its vertices).
  TPoint CentringOffset(const TFishka& piece) const;
  const TBossType* BossTypeOf(int boss) const;  // null for an index or type out of range
  // PaintBefore (a, b) in the strip whose top is top: a triangle of b borders a's from above.
  bool PaintBefore(int a, int b, int top) const;

  const TCatalogues& Cat;
  TRulesServices& Services;
  TRandomSource Rand;
  TLevel Level;
  TGame Game;

 private:
  mutable std::vector<TPictureSize> typeSizes;
  TTick now = 0;  // the tick of the operation under way
  void BeginInput() { now = Services.Now(); }

  // level_loader.cpp
  void ReadSettings(const data::TOrlXMLTag& root);
  void ReadLayers(const data::TOrlXMLTag& root);
  void AddLevelPiece(const data::TOrlXMLTag& tag);
  void ReadBosses(const data::TOrlXMLTag& root);
  void ReadPictures(const data::TOrlXMLTag& root);
  void ReadNullFrags(const data::TOrlXMLTag& root);
  void ReadPictureMap(const data::TOrlXMLTag& root);
  void SetUpForPlay();
  // dealing.cpp, pointer_input.cpp, putting.cpp
  TIntegers ColorsOnView();
  void SetType(TFishka& piece, int shapeIndex, int color);
  void CoverTest();
  void AfterPut(int put);  // the index of the piece just put
  void ClearGroup();
  // groups.cpp
  std::vector<std::array<TPoint, 3>> TrianglesOf(int index) const;
  TGrowList<TIntegers> EdgeClusters(const TIntegers& pieces) const;
  TIntegers PlacedPieces() const;  // State 2 pieces of the current layer, in index order
  void CollectGroupFrom(const TPlacedIndex& placed, int index);
  TIntegers LoosePieces() const;
  void RemovePieces(const TIntegers& pieces, TTick removeAt, bool score);
  // contours.cpp, queue_animation.cpp, paint_order.cpp
  void OutlineEffect(const TIntegers& pieces, TTick t, int slot, bool startNow);
  void AddQueueFlight(int piece, const std::string& name, const std::string& path, TClipRect clip);
  int StripKey(int position) const;
  void RebuildPaintOrder();
  // piece_life.cpp: the steps of UpdatePieces
  void AdvanceLevelEffects();
  void AdvanceBonusIcons();
  void EndHits();
  void StartRemovals();
  void AdvanceScreenEffects();
  // modes.cpp, layer_end.cpp
  void SetPosition(const std::string& value);
  void SetBarPicture(const std::string& value);
  void ShowPutsLeft();
  int PutsProgress() const;  // percent of the puts before the next rise, for the bar
  void ShowScore();
  int LowestBottom() const;  // least picture bottom of the placed pieces; 100000 for none
  void Lose();
  bool PuzzleTimer();  // false when the game was lost
  void ScrollGlide();
  // moves.cpp, undo_shuffle.cpp
  bool CanMove() const;
  int NextRotation(int type) const;
  void AddScreenEffect(const std::string& image, int slot);
  // bonuses.cpp, bosses.cpp
  const TPartEffect* AddLevelEffect(const std::string& image, TPoint at, int slot, int frameCount,
                                    bool isText = false);
  void BlockGroup(const TIntegers& group, int needed);
  void FreeBonusEffect(TFishka& piece);
};

// The linear flight path of queue animations between two screen points.
std::string LinearPath(TPoint from, TPoint to);

}  // namespace rules
