// tests/shell/board_frame_test.cpp — the board's layers reach the frame: pieces drawn live in
// play, baked into the cached background in the frozen states, and the services the rules'
// drawing calls are the window's own.
#include <gtest/gtest.h>

#include <unistd.h>

#include <vector>

#include "tests/shell/shell_world.hpp"

namespace {

// The 32-bit pixels of a surface, copied so that later drawing cannot change them.
std::vector<uint32_t> Pixels(const graphics::TSurfEngine& surfaces, const char* name) {
  const graphics::TFrameView view = surfaces.View(name);
  std::vector<uint32_t> out;
  if (!view.Pixels || view.BitCount != 32) return out;
  for (int y = 0; y < view.Height; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(view.Pixels) +
                                                        y * view.PitchBytes);
    out.insert(out.end(), row, row + view.Width);
  }
  return out;
}

int Differing(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b) {
  if (a.size() != b.size() || a.empty()) return -1;
  int count = 0;
  for (size_t i = 0; i < a.size(); ++i) count += (a[i] & 0xFFFFFF) != (b[i] & 0xFFFFFF);
  return count;
}

struct TBoardGame {
  TBoardGame()
      : folder("board_frame_" + std::to_string(::getpid())),
        game((folder.Write(), folder.Folder())) {
    game.Start();
    game.Frames(260);
    shell::TMainWindow& w = *game.window;
    w.Rules().Game.Mode = 2;
    EXPECT_TRUE(w.Handlers().Call("WTitle_BNewGame_MouseUp"));
    EXPECT_TRUE(w.Handlers().Call("WStartGame_BPlay_MouseUp"));
    w.Interface().HideModalList();
    game.Frames(5);
  }
  shell_test::TDataFolder folder;
  shell_test::THeadlessGame game;
};

TEST(BoardFrame, PiecesAreDrawnLiveInPlayAndBakedIntoTheFrozenScene) {
  TBoardGame g;
  shell::TMainWindow& w = *g.game.window;
  ASSERT_EQ(w.GameState(), rules::gsGamePlay);
  ASSERT_EQ(w.Rules().Layer().Pieces.size(), 11u);
  w.DrawFrame();
  const std::vector<uint32_t> playBackground = Pixels(w.SurfEngine(), "Background");
  // No window is shown: what the frame adds to the background is the board's live layers
  // (eleven pieces of 70 × 52 px, and the cursor).
  EXPECT_GT(Differing(Pixels(w.SurfEngine(), "MemorySurface"), playBackground), 11 * 1000);

  // The frozen scene is one picture: the pieces move into the background.
  w.SetGameState(rules::gsGameMenu);
  EXPECT_GT(Differing(Pixels(w.SurfEngine(), "Background"), playBackground), 11 * 1000);
}

TEST(BoardFrame, TheRulesReachTheWindowsDrawingAndContourLength) {
  TBoardGame g;
  shell::TMainWindow& w = *g.game.window;
  rules::TRulesServices& services = w;
  // The test world's "contour.xml" path ends at 40 board units.
  EXPECT_EQ(services.ContourLength(), 40);

  const std::string piece = w.Catalogues().Types[0].PictureName;
  w.SurfEngine().Clear("MemorySurface", 0);
  const std::vector<uint32_t> black = Pixels(w.SurfEngine(), "MemorySurface");
  services.DrawPicture(piece, "MemorySurface", 10, 10, 255, {0, 0, 9, 9}, 0, 0);
  EXPECT_EQ(Differing(Pixels(w.SurfEngine(), "MemorySurface"), black), 100);
  // Near the edge, and text through the game font, never outside the surface.
  w.SurfEngine().Clear("MemorySurface", 0);
  services.DrawPicture(piece, "MemorySurface", 795, 595, 255, {0, 0, 9, 9}, 0, 0);
  EXPECT_EQ(Differing(Pixels(w.SurfEngine(), "MemorySurface"), black), 25);
  services.DrawText("Zerith", "MemorySurface", 795, 595, 255, 0xFFFFFF);
}

}  // namespace
