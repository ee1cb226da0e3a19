// tests/shell/resume_test.cpp — the resume file follows play and goes when the game ends.
#include "shell/resume.hpp"

#include <gtest/gtest.h>

#include "shell/saved_games.hpp"
#include "tests/rules/rules_world.hpp"
#include "tests/support/scratch_dir.hpp"

namespace {

using namespace rules;
using namespace rules_test;

TEST(Resume, FollowsEveryPutAndLoadsLikeASavedGame) {
  TWorld world;
  support_test::TScratchDir dir;
  shell::TResumeFile resume(dir.Path());
  EXPECT_EQ(resume.Path(), dir / "resume.state");
  EXPECT_FALSE(resume.Exists());
  auto game = world.NewGame(kStrategy, ColumnLevel(3));
  resume.Update(*game);
  ASSERT_TRUE(resume.Exists());
  ASSERT_TRUE(PutHandAt(*game, 5, 4, world.Type(kCell, 1)));
  resume.Update(*game);
  // What a restart finds is the game as it stood after the last put.
  auto other = world.NewGame(kPuzzle, ColumnLevel(1), 3);
  const shell::TSavedGame saved = shell::ReadSavedGame(resume.Path(), *other);
  EXPECT_EQ(saved.State, gsGamePlay);
  EXPECT_EQ(saved.Layers, shell::CaptureGame(*game).Layers);
  EXPECT_EQ(saved.Layers[0].size(), 4u);
  // Not in the load list.
  EXPECT_TRUE(shell::ListSavedGames(dir.Path()).empty());
  // A level whose end is under way is not written; the last put stays.
  game->Level.LevelDone = true;
  game->Layer().Pieces.clear();
  resume.Update(*game);
  EXPECT_EQ(shell::ReadSavedGame(resume.Path(), *other).Layers[0].size(), 4u);
  // Between levels the file holds the next level's start, as the automatic save does.
  game->Game.GameState = gsBetweenLevels;
  resume.Update(*game);
  resume.WriteBetweenLevels(*game);
  EXPECT_EQ(shell::ReadSavedGame(resume.Path(), *other).State, gsBetweenLevels);
  resume.Delete();
  EXPECT_FALSE(resume.Exists());
  resume.Delete();  // already gone
}

}  // namespace
