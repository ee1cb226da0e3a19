// zerith-tool's effect commands, run in-process.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "app/tool/tool.hpp"

namespace {

struct Result {
  int status;
  std::string out, err;
};

Result Tool(const tool::Args& args) {
  std::ostringstream out, err;
  const int status = tool::RunTool(args, out, err);
  return {status, out.str(), err.str()};
}

void ExpectError(const Result& r, std::string_view part) {
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find(part), std::string::npos) << r.err;
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
}

}  // namespace

TEST(FxCommands, PathPrintsOneLinePerTime) {
  Result r = Tool({"path", "Set Linear; Set Timing 0.3; Path (0,0) (30,40); Ending Stop;", "0",
                   "150", "301"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "0 0.0000 0.0000\n150 15.0000 20.0000\n301 0.0000 0.0000\n");
  r = Tool({"path", "--dim", "3", "Set Linear; Path (0,0,0) (10,-20,30);", "500"});
  EXPECT_EQ(r.out, "500 5.0000 -10.0000 15.0000\n");
  ExpectError(Tool({"path", "Path (0,0) (1,1);", "-5"}), "T must be a whole number");
  ExpectError(Tool({"path", "Path (0,0) (1,1);"}), "missing argument");
  ExpectError(Tool({"path", "--dim", "4", "Path (0,0) (1,1);", "1"}), "--dim");
}
