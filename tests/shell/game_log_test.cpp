// tests/shell/game_log_test.cpp — the log's time stamps and its append-and-flush writing.
#include "shell/game_log.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include "tests/support/scratch_dir.hpp"

namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(GameLog, StampsCountMinutesBeyondAnHour) {
  EXPECT_EQ(shell::LogStamp(0), "{0:0:0} ");
  EXPECT_EQ(shell::LogStamp(2035), "{0:2:35} ");
  EXPECT_EQ(shell::LogStamp(61500), "{1:1:500} ");
  EXPECT_EQ(shell::LogStamp(3 * 3600000 + 59999), "{180:59:999} ");
}

TEST(GameLog, RestartDropsTheOldLogAndStampsFromItsOwnStart) {
  const support_test::TScratchDir dir("game-log");
  const std::string path = dir / "game.log";
  {
    std::ofstream old(path);
    old << "a line of the last run\r\n";
  }
  uint32_t now = 5000;
  shell::TGameLog log(path, [&] { return now; });
  log.Restart();
  now = 5000 + 61500;
  log.WriteLog("Bass init Ok...");
  now += 1;
  log.WriteLog("Game Started...");
  EXPECT_EQ(ReadAll(path), "{1:1:500} Bass init Ok...\r\n{1:1:501} Game Started...\r\n");
}

}  // namespace
