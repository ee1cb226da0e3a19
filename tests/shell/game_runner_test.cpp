// tests/shell/game_runner_test.cpp — whole headless runs from the command line: flags, exit
// status and messages, screenshots, and replaying a recorded run frame for frame.
#include "shell/game_runner.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "graphics/png_codec.hpp"
#include "shell/input_script.hpp"
#include "tests/shell/shell_world.hpp"

namespace {

using shell_test::TDataFolder;

struct TResult {
  int Status = 0;
  std::string Out, Err;
};

TResult Zerith(std::vector<std::string> args) {
  std::ostringstream out, err;
  TResult r;
  r.Status = shell::RunZerith(args, out, err);
  r.Out = out.str();
  r.Err = err.str();
  return r;
}

std::string Bytes(const std::string& path) {
  std::stringstream s;
  s << std::ifstream(path, std::ios::binary).rdbuf();
  return s.str();
}

TEST(GameRunner, HelpVersionAndBadFlags) {
  TResult help = Zerith({"--help"});
  EXPECT_EQ(help.Status, 0);
  EXPECT_NE(help.Out.find("--headless"), std::string::npos);
  EXPECT_EQ(Zerith({"--version"}).Out, "zerith 1.15\n");
  TResult bad = Zerith({"--frames", "many"});
  EXPECT_EQ(bad.Status, 1);
  EXPECT_EQ(bad.Err, "zerith: --frames needs a whole number from 0 to 1073741824, not \"many\"\n");
  EXPECT_EQ(Zerith({"--wobble"}).Err, "zerith: Unknown option \"--wobble\" (see zerith --help)\n");
}

TEST(GameRunner, HeadlessRunWritesTheLastFrame) {
  TDataFolder data("runner_shot");
  data.Write();
  const std::string shot = data.Folder() + "shot.png";
  TResult r =
      Zerith({"--headless", "--frames", "300", "--screenshot", shot, "--data", data.Folder()});
  ASSERT_EQ(r.Status, 0) << r.Err;
  const graphics::TImage image = graphics::DecodePng(Bytes(shot), "shot");
  EXPECT_EQ(image.Width, 800);
  EXPECT_EQ(image.Height, 600);
}

TEST(GameRunner, MissingArchiveEndsTheRunWithItsMessage) {
  TDataFolder data("runner_missing");
  TResult r = Zerith({"--headless", "--frames", "3", "--data", data.Folder()});
  EXPECT_EQ(r.Status, 1);
  EXPECT_NE(r.Err.find("Can not find file " + data.GamePath() + "!"), std::string::npos) << r.Err;
}

TEST(GameRunner, ARecordedRunReplaysToTheSameFrame) {
  TDataFolder recorded("runner_record"), replayed("runner_replay");
  recorded.Write();
  replayed.Write();
  const std::string recording = recorded.Folder() + "run.txt";
  const std::string first = recorded.Folder() + "first.png";
  const std::string second = replayed.Folder() + "second.png";
  TResult r = Zerith({"--headless", "--autoplay", "--frames", "240", "--seed", "77", "--record",
                      recording, "--screenshot", first, "--data", recorded.Folder()});
  ASSERT_EQ(r.Status, 0) << r.Err;

  const std::vector<shell::TInputEvent> events = shell::LoadInputScript(recording);
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events[0].Kind, shell::TInputKind::Seed);
  EXPECT_EQ(events[0].Seed, 77u);
  int frames = 0, presses = 0;
  for (const shell::TInputEvent& e : events) {
    frames += e.Kind == shell::TInputKind::Frame;
    presses += e.Kind == shell::TInputKind::Down;
  }
  EXPECT_EQ(frames, 240);
  EXPECT_GT(presses, 0) << "the built-in player clicked nothing to replay";

  // No --frames and no --seed: the recording gives both.
  r = Zerith(
      {"--headless", "--input", recording, "--screenshot", second, "--data", replayed.Folder()});
  ASSERT_EQ(r.Status, 0) << r.Err;
  EXPECT_TRUE(Bytes(first) == Bytes(second)) << "the replay's last frame differs";
}

TEST(GameRunner, ABadInputFileEndsTheRunNamingItsLine) {
  TDataFolder data("runner_bad_input");
  data.Write();
  const std::string script = data.Folder() + "bad.txt";
  auto runWith = [&](const std::string& text) {
    std::ofstream(script, std::ios::binary) << text;
    return Zerith({"--headless", "--frames", "5", "--input", script, "--data", data.Folder()});
  };
  TResult r = runWith("0 seed 1\n# comment\n16 move 10\n");
  EXPECT_EQ(r.Status, 1);
  EXPECT_EQ(r.Err, "zerith: " + script + ": Line 3: Y (a whole number) is missing\n");
  r = runWith("16 key Ctrl+Nokey\n");
  EXPECT_EQ(r.Status, 1);
  EXPECT_NE(r.Err.find(script + ": Line 1: unknown key \"Nokey\""), std::string::npos) << r.Err;
  std::filesystem::remove(script);
  r = Zerith({"--headless", "--frames", "5", "--input", script, "--data", data.Folder()});
  EXPECT_EQ(r.Status, 1);
  EXPECT_NE(r.Err.find(script), std::string::npos) << r.Err;
  const std::string nowhere = data.Folder() + "no/such/folder/run.txt";
  r = Zerith({"--headless", "--frames", "5", "--record", nowhere, "--data", data.Folder()});
  EXPECT_EQ(r.Status, 1);
  EXPECT_EQ(r.Err, "zerith: Cannot write the recording " + nowhere + "\n");
}

}  // namespace
