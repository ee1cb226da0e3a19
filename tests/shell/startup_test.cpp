// tests/shell/startup_test.cpp — start-up and shutdown on a small game folder: the log lines in
// order, the working copies and their reuse, the intro reaching the title, and damaged or
// missing data reported without harm to what the player owns.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "shell/working_copies.hpp"
#include "tests/shell/shell_world.hpp"

namespace {

using shell_test::TDataFolder;
using shell_test::THeadlessGame;

std::vector<std::string> LogMessages(const std::string& folder) {
  std::ifstream in(folder + "Zerith.log", std::ios::binary);
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const size_t brace = line.find("} ");
    lines.push_back(brace == std::string::npos ? line : line.substr(brace + 2));
  }
  return lines;
}

TEST(Startup, LogsEveryStepInOrderAndReachesTheTitle) {
  TDataFolder data("startup_log");
  data.Write();
  {
    std::ofstream old(data.Folder() + "Zerith.log");
    old << "{0:0:1} a line of the last run\r\n";
  }
  THeadlessGame game(data.Folder());
  game.Start();
  game.Frames(260);  // fade-in, data load, title fade
  EXPECT_EQ(game.window->GameState(), rules::gsTitle);
  game.window->DestroyMainWindow();

  const std::vector<std::string> lines = LogMessages(data.Folder());
  const std::vector<std::string> expected = {"Zerith Version: 1.15",
                                             "System Information",
                                             "   OS Version: ",
                                             "   Processor: ",
                                             "   Total Memory: ",
                                             "Form Create Method runed.",
                                             "Bass init Ok...",
                                             "File Folders morfed Ok...",
                                             "Orl Font Loaded Ok...",
                                             "Orl Interface Loaded Ok...",
                                             "Prepare for Game run...",
                                             "Effects Type Loaded Ok...",
                                             "Init Direct Draw Ok...",
                                             "Pictures from Folder Load Ok...",
                                             "resource List Reinit Surfaces Ok...",
                                             "Changed Language Ok...",
                                             "Game Started...",
                                             "Everage FPS: 0"};
  ASSERT_EQ(lines.size(), expected.size()) << testing::PrintToString(lines);
  for (size_t i = 0; i < expected.size(); ++i)
    EXPECT_EQ(lines[i].rfind(expected[i], 0), 0u) << lines[i];
  EXPECT_TRUE(std::filesystem::is_directory(data.Root / "saves"));
}

TEST(Startup, WorkingCopiesAreReusedUntilTheShippedArchiveChanges) {
  TDataFolder data("startup_copies");
  data.Write();
  const std::vector<shell::TArchiveJob> jobs = {{data.GamePath(), data.Folder() + "temp/game.zxc"}};
  int reports = 0;
  auto progress = [&](const std::string&, int) { ++reports; };
  shell::PrepareWorkingCopies(jobs, progress);
  EXPECT_GT(reports, 0);
  data::TFileFolder copy(data.Folder() + "temp/game.zxc");
  EXPECT_GE(copy.IndexOf("cursor_line.PNG"), 0);  // unpacked from its two halves
  EXPECT_LT(copy.IndexOf("cursor_line._JPG"), 0);

  reports = 0;
  shell::PrepareWorkingCopies(jobs, progress);
  EXPECT_EQ(reports, 0);  // same shipped archive: the copy is reused

  {  // a damaged copy is never trusted
    std::ofstream broken(data.Folder() + "temp/game.zxc", std::ios::binary | std::ios::trunc);
    broken << "not an archive";
  }
  shell::PrepareWorkingCopies(jobs, progress);
  EXPECT_GT(reports, 0);
  EXPECT_TRUE(data::TFileFolder(data.Folder() + "temp/game.zxc").OpenError().empty());

  reports = 0;  // a new shipped archive is converted again
  std::filesystem::last_write_time(
      data.GamePath(), std::filesystem::file_time_type::clock::now() + std::chrono::seconds(5));
  shell::PrepareWorkingCopies(jobs, progress);
  EXPECT_GT(reports, 0);
}

TEST(Startup, MissingOrDamagedDataIsAClearErrorAndLeavesThePlayersFilesAlone) {
  TDataFolder data("startup_damaged");
  std::filesystem::create_directories(data.Root / "saves");
  const std::string options = "[Options]\r\nSoundVolume=37\r\n";
  { std::ofstream(data.Folder() + "options.cfg", std::ios::binary) << options; }
  { std::ofstream(data.Folder() + "saves/mine.sav", std::ios::binary) << "saved"; }
  auto expectUntouched = [&] {
    std::stringstream a, b;
    a << std::ifstream(data.Folder() + "options.cfg", std::ios::binary).rdbuf();
    b << std::ifstream(data.Folder() + "saves/mine.sav", std::ios::binary).rdbuf();
    EXPECT_EQ(a.str(), options);
    EXPECT_EQ(b.str(), "saved");
  };
  {
    THeadlessGame game(data.Folder());
    try {
      game.Start();
      FAIL() << "started without archives";
    } catch (const data::Error& e) {
      EXPECT_EQ(std::string(e.what()), "Can not find file " + data.GamePath() + "!");
    }
  }
  expectUntouched();

  data.Write();
  {
    std::ofstream damaged(data.GamePath(), std::ios::binary | std::ios::trunc);
    damaged << "PK not an archive at all";
  }
  {
    THeadlessGame game(data.Folder());
    EXPECT_THROW(game.Start(), data::Error);
  }
  expectUntouched();
}

}  // namespace
