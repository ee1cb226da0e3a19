// tests/shell/crash_safety_test.cpp — the player's files survive a crash at any moment: a child
// process rewrites the saved game, the resume file, both score tables and the options over and
// over and is killed at random moments; every file must then hold one complete version.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "data/files.hpp"
#include "shell/high_scores.hpp"
#include "shell/options.hpp"
#include "shell/resume.hpp"
#include "shell/saved_games.hpp"
#include "tests/rules/rules_world.hpp"

namespace {

using namespace rules;
using namespace rules_test;
namespace fs = std::filesystem;

// Kills per run; ZERITH_KILL_TRIALS asks for more (the full check is 300).
int Trials() {
  const char* text = std::getenv("ZERITH_KILL_TRIALS");
  const int asked = text ? std::atoi(text) : 0;
  return asked > 0 ? asked : 40;
}

// A killed process leaves what it wrote in the system's cache, so a memory file system shows the
// same outcome as a disk, many times faster; the usual temporary folder where there is none.
struct TScratch {
  TScratch() {
    std::string pattern =
        (fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path()) /
        "zerith-kill-XXXXXX";
    path = ::mkdtemp(pattern.data()) ? pattern : std::string();
  }
  ~TScratch() {
    std::error_code ignored;
    if (!path.empty()) fs::remove_all(path, ignored);
  }
  std::string operator/(std::string_view name) const { return path + "/" + std::string(name); }
  std::string path;
};

// Two versions of every file the game writes, and the calls that write them.
struct TPlayerFiles {
  explicit TPlayerFiles(const TScratch& dir)
      : saves(dir / "saves"),
        savedGame(saves + "/Mine.sav"),
        realTime(dir / shell::kRealTimeScoresFile),
        turnBased(dir / shell::kTurnBasedScoresFile),
        options(dir / "options.cfg"),
        resume(saves) {
    fs::create_directory(saves);
    games[0] = world.NewGame(kStrategy, ColumnLevel(3, 2));
    games[1] = world.NewGame(kStrategy, ColumnLevel(3, 2));
    EXPECT_TRUE(PutHandAt(*games[1], 5, 4, world.Type(kCell, 1)));
    games[1]->Game.Score = 4321;
    for (int i = 0; i < 21; ++i)
      shell::InsertHighScore(tables[1], "Player " + std::to_string(i), i);
    shell::InsertHighScore(tables[0], "Ada", 5000);
    settings[1].SoundVolume = 7;
    settings[1].PlayerName = "Someone with a much longer name than before";
    data::WriteFileAtomically(options, "; kept by hand\n[Other]\nKey=1\n");
  }

  // Writes version v (0 or 1) of every file.
  void WriteAll(int v) {
    shell::SaveGame(savedGame, *games[v]);
    resume.Update(*games[v]);
    shell::SaveHighScores(realTime, tables[v]);
    shell::SaveHighScores(turnBased, tables[1 - v]);
    shell::SaveOptions(options, settings[v]);
  }

  std::vector<std::string> Paths() const {
    return {savedGame, resume.Path(), realTime, turnBased, options};
  }

  std::vector<std::string> Contents() const {
    std::vector<std::string> out;
    for (const std::string& path : Paths())
      out.push_back(fs::exists(path) ? data::ReadWholeFile(path) : "(missing)");
    return out;
  }

  TWorld world;
  std::string saves, savedGame, realTime, turnBased, options;
  shell::TResumeFile resume;
  std::unique_ptr<TRulesGame> games[2];
  shell::THighScores tables[2];
  shell::TOptions settings[2];
};

// Temporary files a killed writer left beside its target; removed, and counted.
int RemoveLeftovers(const std::string& folder) {
  int count = 0;
  for (const auto& entry : fs::recursive_directory_iterator(folder))
    if (entry.path().filename().string().find(".tmp") != std::string::npos) {
      ++count;
      fs::remove(entry.path());
    }
  return count;
}

TEST(CrashSafety, EveryFileIsTheOldOrTheNewVersionAfterAKillAtAnyMoment) {
  TScratch dir;
  TPlayerFiles files(dir);
  // The two versions as the game writes them; writing a version again gives the same bytes.
  files.WriteAll(1);
  const std::vector<std::string> second = files.Contents();
  files.WriteAll(0);
  const std::vector<std::string> first = files.Contents();
  // How long one round of writes takes here, only so the kills spread over whole rounds; the
  // outcome never depends on it.
  const auto start = std::chrono::steady_clock::now();
  files.WriteAll(1);
  files.WriteAll(0);
  const auto round = std::chrono::duration_cast<std::chrono::microseconds>(
                         std::chrono::steady_clock::now() - start)
                         .count();
  ASSERT_EQ(files.Contents(), first);
  for (size_t f = 0; f < first.size(); ++f) ASSERT_NE(first[f], second[f]) << files.Paths()[f];

  std::mt19937 random(20261208);
  // A forked writer under the sanitizers starts slowly (copy-on-write faults): the range reaches
  // well past its first round, so some kills always meet it at work.
  std::uniform_int_distribution<long> delayUs(0, std::max<long>(round * 4, 20000));
  int leftovers = 0, sawSecond = 0, mixed = 0;
  const int trials = Trials();
  for (int trial = 0; trial < trials; ++trial) {
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      ::close(ready[0]);
      (void)!::write(ready[1], "r", 1);
      try {
        for (int v = 1;; v = 1 - v) files.WriteAll(v);
      } catch (...) {
      }
      ::_exit(2);  // a write failed: never expected here
    }
    ::close(ready[1]);
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    ::close(ready[0]);
    ::usleep(static_cast<useconds_t>(delayUs(random)));
    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself, status " << status;

    const std::vector<std::string> now = files.Contents();
    int newer = 0;
    for (size_t f = 0; f < now.size(); ++f) {
      ASSERT_TRUE(now[f] == first[f] || now[f] == second[f])
          << "trial " << trial << ": " << files.Paths()[f] << " holds " << now[f].size()
          << " bytes, neither version";
      newer += now[f] == second[f];
    }
    sawSecond += newer > 0;
    mixed += newer > 0 && newer < static_cast<int>(now.size());
    // The next child starts from whatever this one left: either version is a fair start.
    leftovers += RemoveLeftovers(dir.path);
  }
  // The kills must have met the writer at work, not only before or after it.
  EXPECT_GT(sawSecond, 0);
  std::printf("%d kills: %d after a new version landed, %d between two files, %d mid-write\n",
              trials, sawSecond, mixed, leftovers);
}

}  // namespace
