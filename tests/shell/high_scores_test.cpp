// tests/shell/high_scores_test.cpp — ranking, the reading limit and the score files.
#include "shell/high_scores.hpp"

#include <gtest/gtest.h>

#include "data/error.hpp"
#include "data/line_codec.hpp"
#include "tests/support/scratch_dir.hpp"

namespace {

using shell::THighScore;
using shell::THighScores;

std::string Encoded(const std::vector<std::string>& plainLines) {
  std::string out;
  for (const std::string& line : plainLines) out += data::EncodeLine(line) + "\r\n";
  return out;
}

TEST(HighScores, TiesRankBelowAndTheTableIsNeverCut) {
  THighScores table{{"a", 900}, {"b", 500}, {"c", 300}};
  EXPECT_EQ(shell::InsertHighScore(table, "new", 500), 2);
  EXPECT_EQ(table, (THighScores{{"a", 900}, {"b", 500}, {"new", 500}, {"c", 300}}));
  EXPECT_EQ(shell::InsertHighScore(table, "low", -5), 4);
  EXPECT_EQ(shell::InsertHighScore(table, "top", 901), 0);
  THighScores empty;
  EXPECT_EQ(shell::InsertHighScore(empty, "", 0), 0);
  for (int i = 0; i < 30; ++i) shell::InsertHighScore(table, "x", i);
  EXPECT_EQ(table.size(), 36u);
}

TEST(HighScores, FilesRoundTripAndReadAtMost21Entries) {
  support_test::TScratchDir dir;
  const std::string path = dir / shell::kRealTimeScoresFile;
  THighScores table;
  for (int i = 0; i < 25; ++i) table.push_back({"player " + std::to_string(i), 1000 - i});
  shell::SaveHighScores(path, table);
  const std::string bytes = data::ReadWholeFile(path);
  EXPECT_EQ(bytes.substr(0, bytes.find("\r\n")),
            data::EncodeLine("<High name=\"player 0\" score=\"1000\" />"));
  THighScores read{{"stale", 1}};
  shell::LoadHighScores(path, read);
  ASSERT_EQ(read.size(), 21u);
  EXPECT_EQ(read.front(), table.front());
  EXPECT_EQ(read.back(), table[20]);
  // An empty table writes an empty file, which reads as an empty table; so does no file.
  shell::SaveHighScores(path, {});
  EXPECT_EQ(data::ReadWholeFile(path), "");
  shell::LoadHighScores(path, read);
  EXPECT_TRUE(read.empty());
  shell::DeleteHighScores(path);
  EXPECT_FALSE(std::filesystem::exists(path));
  shell::DeleteHighScores(path);  // already gone: fine
  read = {{"stale", 1}};
  shell::LoadHighScores(path, read);
  EXPECT_TRUE(read.empty());
}

TEST(HighScores, BadLinesAreSkippedAndQuotesEndNames) {
  support_test::TScratchDir dir;
  const std::string path = dir.Write(
      "t.dat",
      Encoded({"<High name=\"ok\" score=\"10\" />", "<High name=\"no score\" />",
               "<High name=\"word\" score=\"ten\" />", "<High score=\"7\" />",
               "<High name=\"big\" score=\"99999999999\" />", "<High name=\"sign\" score=\"-3\" />",
               "garbage", "<High name=\"say \"hi\"\" score=\"5\" />",
               "<High name=\"blank\" score=\" 4\" />", ""}));
  THighScores table;
  shell::LoadHighScores(path, table);
  EXPECT_EQ(table, (THighScores{{"ok", 10}, {"", 7}, {"sign", -3}, {"say ", 5}}));
  // Bad lines do not count toward the reading limit.
  std::vector<std::string> lines(10, "bad");
  for (int i = 0; i < 25; ++i)
    lines.push_back("<High name=\"n\" score=\"" + std::to_string(i) + "\" />");
  shell::LoadHighScores(dir.Write("u.dat", Encoded(lines)), table);
  EXPECT_EQ(table.size(), 21u);
  EXPECT_FALSE(shell::HighScoreNameAccepts(u'"'));
  EXPECT_TRUE(shell::HighScoreNameAccepts(u'\''));
}

TEST(HighScores, NamesHoldingTheScoresKeySurviveARestart) {
  support_test::TScratchDir dir;
  const std::string path = dir / "keys.dat";
  const THighScores table{{"score=", 7}, {"my score=", 3}, {"name=", 2}, {"score= x", 1}};
  shell::SaveHighScores(path, table);
  THighScores read;
  shell::LoadHighScores(path, read);
  EXPECT_EQ(read, table);
}

TEST(HighScores, FailedSaveKeepsTheOldFile) {
  support_test::TScratchDir dir;
  const std::string message = [&] {
    try {
      shell::SaveHighScores(dir / "none/HighScoresTBP.dat", {{"a", 1}});
    } catch (const data::Error& e) {
      return std::string(e.what());
    }
    return std::string("(no error)");
  }();
  EXPECT_NE(message.find("HighScoresTBP.dat"), std::string::npos) << message;
}

}  // namespace
