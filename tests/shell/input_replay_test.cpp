// tests/shell/input_replay_test.cpp — file events turned into queue events and back, and the
// order in which a replay hands them out: by tick, or frame by frame for a recording.
#include "shell/input_replay.hpp"

#include <gtest/gtest.h>

#include "data/error.hpp"
#include "platform/events.hpp"
#include "platform/system.hpp"

namespace {

using platform::TEvent;
using platform::TEventKind;

// Key names need SDL's key tables, which the headless session sets up.
class InputReplay : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(session.Start(true)) << session.Error(); }
  platform::TSdlSession session;
};

std::vector<TEvent> Drain(platform::IEventQueue& queue) {
  std::vector<TEvent> events;
  for (TEvent e; queue.Poll(e);) events.push_back(e);
  return events;
}

TEST_F(InputReplay, EventsSurviveTheQueueAndBack) {
  const auto script = shell::ParseInputScript(
      "0 seed 9\n"
      "5 move 10 20\n"
      "5 down 10 20 right double\n"
      "6 up 10 20 right\n"
      "7 wheel -240\n"
      "8 key Ctrl+Shift+F2\n"
      "8 keyup A\n"
      "9 key Alt+Return\n"
      "10 focus lost\n"
      "11 focus gained\n"
      "12 text Zürich\n");
  for (const shell::TInputEvent& event : script) {
    const std::vector<TEvent> queued = shell::ToQueueEvents(event);
    if (event.Kind == shell::TInputKind::Seed) {
      EXPECT_TRUE(queued.empty());
      continue;
    }
    ASSERT_EQ(queued.size(), 1u) << event;
    const auto back = shell::FromQueueEvent(queued[0], event.Tick);
    ASSERT_TRUE(back) << event;
    shell::TInputEvent expected = event;
    expected.Line = 0;
    EXPECT_EQ(*back, expected);
  }
  const TEvent f2 = shell::ToQueueEvents(script[5])[0];
  EXPECT_EQ(f2.Key, 113);
  EXPECT_EQ(f2.Mods, platform::kModCtrl | platform::kModShift);
  EXPECT_EQ(shell::ToQueueEvents(script[6])[0].Key, 'A');
  EXPECT_EQ(shell::ToQueueEvents(script[2])[0].Clicks, 2);
}

TEST_F(InputReplay, HandWrittenValuesBecomeWhatTheQueueCarries) {
  auto one = [](const std::string& line) { return shell::ParseInputScript(line)[0]; };
  EXPECT_EQ(shell::ToQueueEvents(one("1 wheel 40"))[0].WheelDelta, 120);
  EXPECT_EQ(shell::ToQueueEvents(one("1 wheel -300"))[0].WheelDelta, -360);
  // A long text arrives in pieces that never split a character.
  const std::string text = "ääääääääääääääääääääääää";  // 48 bytes
  const auto pieces = shell::ToQueueEvents(one("1 text " + text));
  ASSERT_EQ(pieces.size(), 2u);
  EXPECT_EQ(pieces[0].Text.size(), 30u);
  EXPECT_EQ(pieces[0].Text + pieces[1].Text, text);
  try {
    shell::TInputReplay replay(shell::ParseInputScript("0 seed 1\n\n4 key Shift+Nokey"));
    ADD_FAILURE() << "an unknown key was taken";
  } catch (const data::Error& e) {
    EXPECT_STREQ(e.what(),
                 "Line 3: unknown key \"Nokey\" (SDL key names such as F2, Escape, Space, "
                 "Return, A)");
  }
}

TEST_F(InputReplay, HandWrittenFilesFollowTheClockRecordingsTheirFrames) {
  auto queue = platform::CreateMemoryEventQueue();
  shell::TInputReplay timed(shell::ParseInputScript("0 seed 4\n10 move 1 1\n20 move 2 2"));
  EXPECT_EQ(timed.Seed(), 4u);
  EXPECT_FALSE(timed.FollowsFrames());
  EXPECT_FALSE(timed.BeginFrame());
  timed.Feed(9, *queue);
  EXPECT_TRUE(Drain(*queue).empty());
  timed.Feed(16, *queue);
  EXPECT_EQ(Drain(*queue).size(), 1u);
  timed.Feed(32, *queue);
  EXPECT_EQ(Drain(*queue).size(), 1u);
  EXPECT_TRUE(timed.Finished());

  shell::TInputReplay recorded(shell::ParseInputScript(
      "0 seed 4\n0 frame\n0 move 1 1\n17 frame\n33 frame\n33 move 2 2\n33 down 2 2 left"));
  EXPECT_TRUE(recorded.FollowsFrames());
  EXPECT_EQ(recorded.BeginFrame(), 0u);
  recorded.Feed(0, *queue);
  EXPECT_EQ(Drain(*queue).size(), 1u);
  EXPECT_EQ(recorded.BeginFrame(), 17u);
  recorded.Feed(17, *queue);
  EXPECT_TRUE(Drain(*queue).empty());
  EXPECT_EQ(recorded.BeginFrame(), 33u);
  recorded.Feed(33, *queue);
  const std::vector<TEvent> last = Drain(*queue);
  ASSERT_EQ(last.size(), 2u);
  EXPECT_EQ(last[1].Kind, TEventKind::MouseDown);
  EXPECT_TRUE(recorded.Finished());
  EXPECT_FALSE(recorded.BeginFrame());
}

}  // namespace
