// tests/shell/input_script_test.cpp — the --input / --record event files: every event kind
// written and read back, comments and blanks, and each kind of malformed line.
#include "shell/input_script.hpp"

#include <gtest/gtest.h>

#include "data/error.hpp"
#include "tests/support/error_of.hpp"

using shell::TInputButton;
using shell::TInputEvent;
using shell::TInputKind;

namespace {

TInputEvent Ev(uint32_t tick, TInputKind kind) {
  TInputEvent e;
  e.Tick = tick;
  e.Kind = kind;
  return e;
}

std::string ParseError(std::string_view text) {
  return support_test::ErrorOf([&] { shell::ParseInputScript(text); });
}

}  // namespace

TEST(InputScript, EveryEventSurvivesWritingAndReading) {
  std::vector<TInputEvent> events;
  auto seed = Ev(0, TInputKind::Seed);
  seed.Seed = 4294967295u;
  events.push_back(seed);
  events.push_back(Ev(0, TInputKind::Frame));
  auto move = Ev(16, TInputKind::Move);
  move.X = -5, move.Y = 599;
  events.push_back(move);
  for (TInputButton b : {TInputButton::Left, TInputButton::Right, TInputButton::Middle}) {
    auto down = Ev(32, TInputKind::Down);
    down.X = 400, down.Y = 300, down.Button = b;
    down.Double = b == TInputButton::Right;
    auto up = down;
    up.Kind = TInputKind::Up;
    up.Double = false;
    events.push_back(down);
    events.push_back(up);
  }
  auto wheel = Ev(48, TInputKind::Wheel);
  wheel.Delta = -120;
  events.push_back(wheel);
  auto key = Ev(64, TInputKind::Key);
  key.Key = "Return", key.Alt = true, key.Ctrl = true, key.Shift = true;
  events.push_back(key);
  auto keyup = Ev(64, TInputKind::KeyUp);
  keyup.Key = "Keypad Enter";
  events.push_back(keyup);
  auto plus = Ev(70, TInputKind::Key);
  plus.Key = "+", plus.Ctrl = true;
  events.push_back(plus);
  for (const char* typed : {"a", " lead and trail ", "back\\slash\tand\nlines\x01", "Zürich #1"}) {
    auto text = Ev(80, TInputKind::Text);
    text.Text = typed;
    events.push_back(text);
  }

  auto lost = Ev(90, TInputKind::Focus);
  events.push_back(lost);
  auto gained = Ev(95, TInputKind::Focus);
  gained.Focused = true;
  events.push_back(gained);

  const std::string written = shell::WriteInputScript(events);
  EXPECT_NE(written.find("\n32 down 400 300 right double\n"), std::string::npos);
  EXPECT_NE(written.find("\n90 focus lost\n95 focus gained\n"), std::string::npos);
  EXPECT_EQ(shell::ParseInputScript(written), events) << written;
  EXPECT_NE(written.find("\n64 key Alt+Ctrl+Shift+Return\n"), std::string::npos);
  EXPECT_NE(written.find("\n80 text \\slead and trail\\s\n"), std::string::npos);
  EXPECT_NE(written.find("\n80 text back\\\\slash\\tand\\nlines\\x01\n"), std::string::npos);
  EXPECT_EQ(shell::FormatInputEvent(events[3]), "32 down 400 300 left");
}

TEST(InputScript, ReadsCommentsBlanksAndHandWrittenForms) {
  const auto events = shell::ParseInputScript(
      "# a replay\r\n"
      "\r\n"
      "   # indented comment\n"
      "0 seed 7   # fixed for the screenshot\n"
      "\t10\tmove  3   4\n"
      "10 key ctrl+shift+F2  \n"
      "12 key alt+Shift+Escape\n"
      "20 text #hashtag and \\x41\r\n"
      "20 frame");
  ASSERT_EQ(events.size(), 6u);
  EXPECT_EQ(events[0].Seed, 7u);
  EXPECT_EQ(events[0].Line, 4);
  EXPECT_EQ(events[1].X, 3);
  EXPECT_EQ(events[1].Y, 4);
  EXPECT_EQ(events[2].Key, "F2");
  EXPECT_TRUE(events[2].Ctrl && events[2].Shift && !events[2].Alt);
  EXPECT_TRUE(events[3].Alt && events[3].Shift);
  EXPECT_EQ(events[4].Text, "#hashtag and A");
  EXPECT_EQ(events[5].Kind, TInputKind::Frame);
  EXPECT_EQ(events[5].Line, 9);
  EXPECT_TRUE(shell::ParseInputScript("").empty());
  EXPECT_TRUE(shell::ParseInputScript("# only\n\n").empty());
}

TEST(InputScript, MalformedLinesNameTheirLine) {
  EXPECT_EQ(ParseError("# c\nabc move 1 2"),
            "Line 2: \"abc\" is no tick (whole milliseconds, "
            "0..4294967295)");
  EXPECT_EQ(ParseError("-1 frame"),
            "Line 1: \"-1\" is no tick (whole milliseconds, 0..4294967295)");
  EXPECT_EQ(ParseError("4294967296 frame"),
            "Line 1: \"4294967296\" is no tick (whole milliseconds, 0..4294967295)");
  EXPECT_EQ(ParseError("5"), "Line 1: the event is missing after the tick");
  EXPECT_EQ(ParseError("5 # nothing"), "Line 1: the event is missing after the tick");
  EXPECT_EQ(ParseError("5 jump 1 2"), "Line 1: unknown event \"jump\"");
  EXPECT_EQ(ParseError("5 Move 1 2"), "Line 1: unknown event \"Move\"");
  EXPECT_EQ(ParseError("5 move 1"), "Line 1: Y (a whole number) is missing");
  EXPECT_EQ(ParseError("5 move 1 2.5"), "Line 1: \"2.5\" is no Y (a whole number)");
  EXPECT_EQ(ParseError("5 move 1 2 3"), "Line 1: unexpected \"3\" after the event");
  EXPECT_EQ(ParseError("5 down 1 2"), "Line 1: the button (left, right or middle) is missing");
  EXPECT_EQ(ParseError("5 up 1 2 Left"), "Line 1: \"Left\" is no button (left, right or middle)");
  EXPECT_EQ(ParseError("5 down 1 2 left twice"), "Line 1: unexpected \"twice\" after the event");
  EXPECT_EQ(ParseError("5 up 1 2 left double"), "Line 1: unexpected \"double\" after the event");
  EXPECT_EQ(ParseError("5 focus"), "Line 1: lost or gained is missing");
  EXPECT_EQ(ParseError("5 focus away"), "Line 1: \"away\" is neither lost nor gained");
  EXPECT_EQ(ParseError("5 wheel"), "Line 1: wheel delta (a whole number) is missing");
  EXPECT_EQ(ParseError("5 seed -3"), "Line 1: \"-3\" is no seed (0..4294967295)");
  EXPECT_EQ(ParseError("5 frame now"), "Line 1: unexpected \"now\" after the event");
  EXPECT_EQ(ParseError("5 key"), "Line 1: a key name is missing");
  EXPECT_EQ(ParseError("5 keyup   "), "Line 1: a key name is missing");
  EXPECT_EQ(ParseError("5 text"), "Line 1: the text is missing");
  EXPECT_EQ(ParseError("5 text a\\qb"),
            "Line 1: unknown escape \"\\q\" in the text (\\\\ \\s \\t \\n \\r \\xHH)");
  EXPECT_EQ(ParseError("5 text \\x4"), "Line 1: \"\\x\" needs two hexadecimal digits in the text");
  EXPECT_EQ(ParseError("5 text \\xZZ"), "Line 1: \"\\x\" needs two hexadecimal digits in the text");
  EXPECT_EQ(ParseError("5 text \xC3("), "Line 1: the text is not valid UTF-8");
  EXPECT_EQ(ParseError("5 text \\xFF"), "Line 1: the text is not valid UTF-8");
}

TEST(InputScript, TicksNeverGoBack) {
  EXPECT_EQ(ParseError("0 seed 1\n10 frame\n10 move 1 1\n\n# late\n9 frame"),
            "Line 6: tick 9 is earlier than the tick 10 before it");
  EXPECT_EQ(shell::ParseInputScript("3 frame\n3 frame\n3 frame").size(), 3u);
}
