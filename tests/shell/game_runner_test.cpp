// tests/shell/game_runner_test.cpp — whole headless runs from the command line: flags, exit
// status and messages, screenshots, and replaying a recorded run frame for frame.
#include "shell/game_runner.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "graphics/png_codec.hpp"
#include "shell/input_script.hpp"
#include "shell/run_options.hpp"
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

TEST(GameRunner, AFileArgumentIsASavedGameByItsEndingAndALevelFileOtherwise) {
  const shell::TRunOptions o = shell::ParseRunOptions({"old.SAV", "mine.xml"});
  EXPECT_EQ(o.SavedGame, "old.SAV");
  EXPECT_EQ(o.LevelFile, "mine.xml");
  EXPECT_EQ(shell::ParseRunOptions({"sav"}).LevelFile, "sav");
  EXPECT_EQ(shell::ParseRunOptions({"dir/level"}).LevelFile, "dir/level");
  EXPECT_EQ(Zerith({"a.sav", "b.sav"}).Err,
            "zerith: Only one saved game can be opened, not also \"b.sav\"\n");
  EXPECT_EQ(Zerith({"a.xml", "b.xml"}).Err,
            "zerith: Only one level file can be played, not also \"b.xml\"\n");
  EXPECT_NE(Zerith({"--help"}).Out.find("LEVEL.xml"), std::string::npos);
}

// A new game from the small folder's title, in debug mode or not, with the given file argument;
// what the run ended with and its error output.
struct TLevelFileRun {
  std::string End, Err, Log;
  bool Resume = false;  // a resume file was left
};

TLevelFileRun NewGameWith(const std::string& name, bool debug, const std::string& levelFile,
                          const std::string& fileText) {
  TDataFolder data(name);
  data.Write();
  if (debug) std::ofstream(data.Folder() + "options.cfg") << "[Options]\nDebugMode=739\n";
  // A bare name without text is left bare; a name ending in "/" is a folder in the game's.
  const bool bare = levelFile.find('/') == std::string::npos && fileText.empty();
  const std::string arg = bare ? levelFile : data.Folder() + levelFile;
  if (arg.back() == '/') std::filesystem::create_directories(arg);
  if (!fileText.empty()) std::ofstream(arg, std::ios::binary) << fileText;
  const std::string script = data.Folder() + "new.txt", end = data.Folder() + "end.txt";
  std::ofstream(script) << "3600 move 360 260\n3616 down 360 260 left\n3632 up 360 260 left\n"
                           "3800 move 360 410\n3816 down 360 410 left\n3832 up 360 410 left\n";
  TResult r = Zerith({"--headless", "--frames", "260", "--input", script, "--end-state", end,
                      "--data", data.Folder(), arg});
  EXPECT_EQ(r.Status, 0) << r.Err;
  return {Bytes(end), r.Err, Bytes(data.Folder() + "Zerith.log"),
          std::filesystem::exists(data.Folder() + "saves/resume.state")};
}

TEST(GameRunner, DebugModeStartsANewGameOnTheLevelFileGiven) {
  using P = rules_test::TLevelPlan;
  P small;
  small.Layers = {P::Piece("Cell", 7, 5) + P::Piece("Cell", 7, 6) + P::Piece("Cell", 7, 7)};
  // The folder's own first level has eight pieces; the file on disk three.
  TLevelFileRun run = NewGameWith("runner_level_file", true, "mine.xml", small.Xml());
  EXPECT_NE(run.End.find("GameState=gsGamePlay\n"), std::string::npos) << run.End;
  EXPECT_NE(run.End.find("Pieces=3\n"), std::string::npos) << run.End;
  EXPECT_NE(run.Log.find("New game on the level file"), std::string::npos);
  EXPECT_EQ(run.Err, "");
  EXPECT_FALSE(run.Resume) << "a restart would set up the archive's level under these pieces";

  // A bare name that is no file is a level of the archive.
  run = NewGameWith("runner_level_entry", true, "Level1.xml", "");
  EXPECT_NE(run.End.find("Pieces=8\n"), std::string::npos) << run.End;

  // Without debug mode the file is left alone, and the log says so once.
  run = NewGameWith("runner_level_ignored", false, "mine.xml", small.Xml());
  EXPECT_NE(run.End.find("Pieces=8\n"), std::string::npos) << run.End;
  EXPECT_NE(run.Log.find("is ignored: only DebugMode=739"), std::string::npos) << run.Log;
  EXPECT_EQ(run.Log.find("New game on the level file"), std::string::npos);
  EXPECT_TRUE(run.Resume);
}

TEST(GameRunner, ALevelFileThatCannotBePlayedIsOneMessageAndTheTitle) {
  const std::string title = "GameState=gsTitle\nWindows=WTitle\n";
  TLevelFileRun run = NewGameWith("runner_level_missing", true, "NoSuchLevel.xml", "");
  EXPECT_EQ(run.End.rfind(title, 0), 0u) << run.End;
  EXPECT_EQ(run.Err,
            "zerith: Cannot open the level file \"NoSuchLevel.xml\": no such file, nor a level of "
            "that name in the levels archive\n");

  // A folder by the name: the system's reason, once.
  run = NewGameWith("runner_level_folder", true, "folder.xml/", "");
  EXPECT_EQ(run.End.rfind(title, 0), 0u) << run.End;
  EXPECT_NE(run.Err.find("folder.xml/\": Is a directory"), std::string::npos) << run.Err;
  EXPECT_EQ(std::count(run.Err.begin(), run.Err.end(), '\n'), 1) << run.Err;

  run = NewGameWith("runner_level_empty", true, "empty.xml", " ");
  EXPECT_EQ(run.End.rfind(title, 0), 0u) << run.End;
  EXPECT_NE(run.Err.find("empty.xmlXML file does not has tags!"), std::string::npos) << run.Err;
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

// The log's average covers the seconds of play only: 16 ms frames are 63 to a sampled second.
TEST(GameRunner, TheLoggedFrameRateCountsTheSecondsOfPlay) {
  TDataFolder data("runner_fps");
  data.Write();
  const auto lastLine = [&data] {
    std::string log = Bytes(data.Folder() + "Zerith.log");
    while (!log.empty() && (log.back() == '\n' || log.back() == '\r')) log.pop_back();
    const std::string line = log.substr(log.rfind('\n') + 1);
    return line.substr(line.find("} ") + 2);  // after the time stamp
  };
  ASSERT_EQ(Zerith({"--headless", "--frames", "300", "--data", data.Folder()}).Status, 0);
  EXPECT_EQ(lastLine(), "Everage FPS: 0");
  const TResult r =
      Zerith({"--headless", "--autoplay", "--frames", "500", "--data", data.Folder()});
  ASSERT_EQ(r.Status, 0) << r.Err;
  EXPECT_EQ(lastLine(), "Everage FPS: 63");
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
