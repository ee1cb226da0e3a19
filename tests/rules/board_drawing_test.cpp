// tests/rules/board_drawing_test.cpp
#include "rules/board_drawing.hpp"

#include <gtest/gtest.h>

#include "fx/particle_effect.hpp"
#include "tests/rules/rules_world.hpp"

using namespace rules;
using namespace rules_test;

namespace {

using TLines = std::vector<std::string>;

// One particle standing at (5, 7) with alpha 0.5, colour (10, 20, 30), colour weight 0.25 and
// frame 2, in a system whose strips have 4 frames.
TEffectPtr StillParticle(uint32_t now) {
  auto fn = [](const char* name, int dim, const char* value) {
    return std::string("<Function Name=\"") + name + "\" Dim=\"" + std::to_string(dim) +
           "\" Type=\"parabolic\"><P0>" + value + "</P0></Function>";
  };
  auto morph = [](const char* name, int dim) {
    return std::string("<Morph Name=\"M") + name + "\" Dim=\"" + std::to_string(dim) +
           "\"><Functions><Function Name=\"" + name + "\"/></Functions></Morph>";
  };
  auto param = [](const char* slot, const char* name, int dim) {
    return std::string("<Parameter Name=\"") + slot + "\" Dim=\"" + std::to_string(dim) +
           "\" Morph=\"M" + name + "\"/>";
  };
  TEffectPtr effect(new fx::TOrlParticleEffect);
  effect->LoadFromText(
      "<ParticleEffect Name=\"Still\"><Functions>" + fn("P", 2, "5, 7") + fn("A", 1, "0.5") +
      fn("C", 3, "10, 20, 30") + fn("W", 1, "0.25") + fn("F", 1, "2") + "</Functions><Morphs>" +
      morph("P", 2) + morph("A", 1) + morph("C", 3) + morph("W", 1) + morph("F", 1) +
      "</Morphs><Particles><Particle Name=\"Dot\">" + param("Position", "P", 2) +
      param("Alpha", "A", 1) + param("Color", "C", 3) + param("ColorValue", "W", 1) +
      param("Frame", "F", 1) +
      "</Particle></Particles><ParticleSystems><ParticleSystem Name=\"S\" Template=\"Dot\">"
      "<InitParticles>1</InitParticles><FrameCount>4</FrameCount></ParticleSystem>"
      "</ParticleSystems></ParticleEffect>");
  effect->Start(now);
  effect->Init();
  effect->Update(now);
  return effect;
}

}  // namespace

TEST(BoardDrawing, MapTilesFollowTheLinesLeaveGapsAndAreCutAtTheViewsEdges) {
  TWorld world;
  auto game = world.NewGame(kPuzzle, ColumnLevel(2));
  TFakeServices& s = world.Services;
  s.Pictures["tile.jpg"] = {48, 42};
  TPictureMap& map = game->Level.PictureMap;
  map.Images = {"tile.jpg", "missing.jpg"};
  map.OneWidth = 48;
  map.OneHeight = 42;
  map.LineLength = 3;
  map.Lines = {1, 0, 1, 2, 1, 1};
  DrawMap(*game, "Background");
  // Bottom line stands on board y 0; the next starts at y 42, x 21; tile 2 is not loaded.
  EXPECT_EQ(s.Draws,
            (TLines{"tile.jpg (11,551) [0,0,47,41] 255", "tile.jpg (107,551) [0,0,47,41] 255",
                    "tile.jpg (80,509) [0,0,47,41] 255", "tile.jpg (128,509) [0,0,47,41] 255"}));
  EXPECT_EQ(s.Targets, (std::set<std::string>{"Background"}));

  // The view scrolled 20 up (and 10 right): the bottom line loses 20 rows, the first tile its
  // left 10 columns; a tile wholly left of the view is skipped.
  s.Draws.clear();
  game->Line().ScrollY = 20;
  game->Line().ScrollX = 10;
  map.Lines = {1};
  DrawMap(*game, "Background");
  map.X = -60;
  DrawMap(*game, "Background");
  EXPECT_EQ(s.Draws, (TLines{"tile.jpg (11,571) [10,0,47,21] 255"}));
}

TEST(BoardDrawing, PiecesInPaintOrderWithPicturesBetweenRowsFadesFlashesAndStacks) {
  TWorld world;
  auto game = world.NewGame(kPuzzle, ColumnLevel(2));
  TFakeServices& s = world.Services;
  // Piece 0 (row 8) has its anchor at board (360, 388), piece 1 (row 7) at (339, 346).
  ASSERT_EQ(game->PaintOrder.Pieces, (TIntegers{0, 1}));
  auto picture = [](int y, int sy) {
    TLevelPicture p;
    p.Images = {"deco.png"};
    p.X = 100;
    p.Y = y;
    p.Sy = sy;
    p.Width = 30;
    p.Height = 20;
    return p;
  };
  game->Level.Pictures = {picture(380, 10), picture(400, -10000), picture(100, 0)};
  game->Level.Pictures[0].Covered = true;
  game->Level.Pictures[0].CoverStart = s.Clock - 250;
  DrawPieces(*game, "MemorySurface");
  const std::string red =
      game->Cat.Types[static_cast<size_t>(game->Piece(0).TypeIndex)].PictureName;
  const std::string red1 =
      game->Cat.Types[static_cast<size_t>(game->Piece(1).TypeIndex)].PictureName;
  EXPECT_EQ(s.Draws,
            (TLines{red + " (371,205) [0,0,69,51] 255", "deco.png (111,213) [0,0,29,19] 191",
                    red1 + " (350,247) [0,0,69,51] 255", "deco.png (111,193) [0,0,29,19] 255",
                    "deco.png (111,493) [0,0,29,19] 255"}));

  // Piece 0 counts two and flashes; piece 1 is hit half a second ago and rises 30 of 60.
  s.Draws.clear();
  game->Level.Pictures.clear();
  game->Piece(0).Count = 2;
  game->Piece(0).FlashUntil = s.Clock + 100;
  game->Piece(1).Hit = true;
  game->Piece(1).HitUntil = s.Clock + 500;
  DrawPieces(*game, "MemorySurface");
  EXPECT_EQ(s.Draws, (TLines{red + " (371,205) [0,0,69,51] 255 tint FFFFFF/192",
                             red + " (371,196) [0,0,69,51] 255 tint FFFFFF/192",
                             red1 + " (350,217) [0,0,69,51] 64"}));

  // Half above the view's top: cut there; wholly right of the view: not drawn.
  s.Draws.clear();
  game->Piece(0).Count = 1;
  game->Piece(0).FlashUntil = 0;
  game->Piece(0).Y = 610;
  game->Piece(1).Hit = false;
  game->Piece(1).X = 800;
  DrawPieces(*game, "MemorySurface");
  EXPECT_EQ(s.Draws, (TLines{red + " (371,3) [0,20,69,51] 255"}));
}

TEST(BoardDrawing, BossesOfFinishedLayersAndBlockingBossesAreNotDrawn) {
  TWorld world;
  TLevelPlan plan = ColumnLevel(2, 2);
  plan.Bosses += TLevelPlan::Boss(7, 4, 1, false);  // stands on layer 0's lower piece
  auto game = world.NewGame(kPuzzle, plan);
  TFakeServices& s = world.Services;
  ASSERT_EQ(game->Level.Bosses.size(), 3u);
  DrawBosses(*game, "MemorySurface");
  EXPECT_EQ(s.Draws,
            (TLines{"boss1.png (396,181) [0,0,39,39] 255", "boss1.png (540,181) [0,0,39,39] 255",
                    "boss2.png (375,223) [0,0,39,39] 255"}));
  game->LayerCleared();
  ASSERT_EQ(game->Level.CurrentLayer, 1);
  s.Draws.clear();
  DrawBosses(*game, "MemorySurface");
  EXPECT_EQ(s.Draws, (TLines{"boss1.png (540,181) [0,0,39,39] 255"}));
  // Blocking: its effect shows it; then covered by the hand, fading towards half.
  s.Draws.clear();
  TBoss& boss = game->Level.Bosses[1];
  boss.PreventUntil = s.Clock + 1;
  DrawBosses(*game, "MemorySurface");
  boss.PreventUntil = s.Clock;
  boss.Covered = true;
  boss.CoverStart = s.Clock - 500;
  DrawBosses(*game, "MemorySurface");
  EXPECT_EQ(s.Draws, (TLines{"boss1.png (540,181) [0,0,39,39] 127"}));
}

TEST(BoardDrawing, QueueSlotsSkipFlyingPiecesAndShowNoColorPiecesDarkened) {
  TWorld world;
  auto game = world.NewGame(kPuzzle, ColumnLevel(2));
  TFakeServices& s = world.Services;
  for (int k = 0; k < kQueueLength; ++k) {
    TFishka& piece = game->Piece(game->PieceQueue[k]);
    piece.TypeIndex = world.Type(kCell, 1);
    piece.NoColor = false;
    piece.MoveUntil = 0;
  }
  game->Piece(game->PieceQueue[2]).NoColor = true;
  game->ColorCycle = 2;
  DrawQueue(*game, "MemorySurface");
  EXPECT_EQ(s.Draws, (TLines{"Cell_1.pNg (651,335) [0,0,69,51] 255",
                             "Cell_2.pNg (609,419) [0,0,69,51] 255 tint 000000/180"}));
  s.Draws.clear();
  game->Piece(game->PieceQueue[1]).MoveUntil = s.Clock + 1;
  DrawQueue(*game, "MemorySurface");
  EXPECT_EQ(s.Draws, (TLines{"Cell_2.pNg (609,419) [0,0,69,51] 255 tint 000000/180"}));
}

TEST(BoardDrawing, EffectParticlesTakeTheirFrameTintAndClip) {
  TWorld world;
  auto game = world.NewGame(kPuzzle, ColumnLevel(2));
  TFakeServices& s = world.Services;
  s.Pictures["strip.png"] = {80, 20};
  game->Level.LevelEffects.clear();
  game->Game.ScreenEffects.clear();
  TPartEffect board;
  board.ImageName = "strip.png";
  board.X = 100;
  board.Y = 300;
  board.FrameCount = 4;
  board.Effect = StillParticle(s.Clock);
  game->Level.LevelEffects.push_back(std::move(board));
  TPartEffect text;
  text.ImageName = "+2";
  text.IsText = true;
  text.X = 100;
  text.Y = 300;
  text.Effect = StillParticle(s.Clock);
  game->Level.LevelEffects.push_back(std::move(text));
  TPartEffect screen;
  screen.ImageName = "strip.png";
  screen.X = 790;
  screen.Y = 10;
  screen.Clip = kFullScreenClip;
  screen.Effect = StillParticle(s.Clock);
  game->Game.ScreenEffects.push_back(std::move(screen));
  DrawLevelEffects(*game, "MemorySurface");
  DrawScreenEffects(*game, "MemorySurface");
  // Frame 2 of 4 (20 px each), centred on the frame; alpha 0.5 is 128, weight 0.25 mix 191.
  EXPECT_EQ(s.Draws, (TLines{"strip.png (106,276) [40,0,59,19] 128 tint 1E140A/191",
                             "text +2 (116,286) 128 1E140A",
                             "strip.png (785,7) [40,0,54,19] 128 tint 1E140A/191"}));
}
