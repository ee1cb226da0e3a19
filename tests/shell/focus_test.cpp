// tests/shell/focus_test.cpp — losing the window's focus in the middle of a level: play and
// sound pause, nothing moves while away, and the deadlines are where they were on return.
#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/null_audio.hpp"
#include "platform/system.hpp"
#include "tests/shell/shell_world.hpp"

namespace {

// Focus changes come as SDL window events, through the same queue translation as the desktop's.
class Focus : public ::testing::Test {
 protected:
  Focus()
      : folder("focus_" + std::to_string(::getpid())), game((folder.Write(), folder.Folder())) {}
  void SetUp() override {
    ASSERT_TRUE(session.Start(true)) << session.Error();
    sdlEvents = platform::CreateSdlEventQueue();
    game.Start();
    game.Frames(260);
    ASSERT_EQ(game.window->GameState(), rules::gsTitle);
    game.Push(platform::TEventKind::MouseDown, 400, 265);
    game.Push(platform::TEventKind::MouseUp, 400, 265);
    game.Frames(4);
    game.Push(platform::TEventKind::MouseDown, 400, 415);
    game.Push(platform::TEventKind::MouseUp, 400, 415);
    game.Frames(30);
    ASSERT_EQ(game.window->GameState(), rules::gsGamePlay);
  }
  // Sends a window event through SDL's queue and delivers what comes out of it, draining the
  // queue as the frame loop does.
  void Send(platform::TEventKind kind) {
    platform::TEvent event;
    event.Kind = kind;
    sdlEvents->Push(event);
    int delivered = 0;
    for (platform::TEvent received; sdlEvents->Poll(received); ++delivered) {
      EXPECT_EQ(received.Kind, kind);
      game.window->HandleEvent(received);
    }
    EXPECT_EQ(delivered, 1);
  }
  platform::TNullAudio& Audio() {
    return dynamic_cast<platform::TNullAudio&>(game.window->Sounds().Audio());
  }
  rules::TRulesGame& Rules() { return game.window->Rules(); }

  platform::TSdlSession session;
  std::unique_ptr<platform::IEventQueue> sdlEvents;
  shell_test::TDataFolder folder;
  shell_test::THeadlessGame game;
};

TEST_F(Focus, TenSecondsAwayLeaveTheDeadlinesWhereTheyWere) {
  Rules().Game.DangerStart = static_cast<rules::TTick>(game.clock.Ticks()) - 500;
  const uint32_t before = game.clock.Ticks();
  const rules::TTick moveLeft = Rules().Level.MoveDeadline - static_cast<rules::TTick>(before);
  const rules::TTick dangerFor = static_cast<rules::TTick>(before) - Rules().Game.DangerStart;
  const size_t pausesBefore = Audio().Of("Pause").size();
  const size_t startsBefore = Audio().Of("Start").size();

  Send(platform::TEventKind::FocusLost);
  EXPECT_EQ(game.window->Clock().PauseTick, before);
  EXPECT_EQ(Audio().Of("Pause").size(), pausesBefore + 1);
  auto board = [this] {
    std::vector<std::tuple<int, int, int>> pieces;
    for (const auto& piece : Rules().Layer().Pieces)
      pieces.emplace_back(piece.X, piece.Y, piece.State);
    return pieces;
  };
  const auto boardBefore = board();
  game.Frames(625);  // 10 s, longer than any move interval: nothing may rise meanwhile
  EXPECT_EQ(board(), boardBefore);

  Send(platform::TEventKind::FocusGained);
  const auto after = static_cast<rules::TTick>(game.clock.Ticks());
  EXPECT_EQ(after - static_cast<rules::TTick>(before), 10000);
  EXPECT_EQ(Rules().Level.MoveDeadline - after, moveLeft);
  EXPECT_EQ(after - Rules().Game.DangerStart, dangerFor);
  EXPECT_EQ(Audio().Of("Start").size(), startsBefore + 1);
  EXPECT_EQ(game.window->GameState(), rules::gsGamePlay);
  // A second loss without a return in between pauses once.
  Send(platform::TEventKind::FocusLost);
  Send(platform::TEventKind::FocusLost);
  EXPECT_EQ(Audio().Of("Pause").size(), pausesBefore + 2);
}

TEST_F(Focus, TheFrameRateLeavesOutTheTimeAway) {
  game.Frames(200);
  Send(platform::TEventKind::FocusLost);
  game.Frames(625);
  Send(platform::TEventKind::FocusGained);
  game.Frames(200);
  // 16 ms a frame: every sampled second of play held 63 frames, the one after the return too.
  EXPECT_EQ(game.window->Clock().AverageFps, 63.0);
  EXPECT_GE(game.window->Clock().FpsSamples, 5);
}

}  // namespace
