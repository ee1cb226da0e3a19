// tests/shell/file_names_test.cpp — typed save names are file names, never paths.
#include "shell/file_names.hpp"

#include <gtest/gtest.h>

namespace {

TEST(FileNames, PlainNamesPassAndPathsAreRefusedWithAReason) {
  for (const char* ok : {"My game", "level 3 - try 2", "a.b", "Ünïcode", "x"})
    EXPECT_EQ(shell::SaveNameProblem(ok), "") << ok;
  EXPECT_EQ(shell::SaveNameProblem(std::string(64, 'a')), "");
  const std::pair<std::string, const char*> refused[] = {
      {"../up", "\"/\""},       {"a/b", "\"/\""},
      {"a\\b", "\"/\""},        {".hidden", "begin with"},
      {"..", "begin with"},     {"a..b", "\"..\""},
      {"tab\there", "control"}, {std::string("n\0l", 3), "control"},
      {"del\x7f", "control"},   {std::string(65, 'a'), "64 bytes"},
      {"", "Type a name"},      {"say \"hi\"", "quotation mark"},
  };
  for (const auto& [name, reason] : refused) {
    const std::string problem = shell::SaveNameProblem(name);
    EXPECT_NE(problem.find(reason), std::string::npos) << name << ": " << problem;
    EXPECT_THROW(shell::CheckSaveName(name), std::runtime_error) << name;
  }
  // Control bytes never reach the message itself.
  EXPECT_EQ(shell::SaveNameProblem("a\nb").find('\n'), std::string::npos);
}

}  // namespace
