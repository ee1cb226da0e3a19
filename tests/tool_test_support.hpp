// tests/tool_test_support.hpp — running zerith-tool commands in-process from tests.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <string_view>

#include "app/tool/tool.hpp"

namespace tool_test {

struct TToolResult {
  int Status = 0;
  std::string Out, Err;
};

inline TToolResult Tool(const tool::Args& args) {
  std::ostringstream out, err;
  const int status = tool::RunTool(args, out, err);
  return {status, out.str(), err.str()};
}

// A failure: status 1, nothing on stdout, exactly one line on stderr holding `part`.
inline void ExpectError(const TToolResult& r, std::string_view part) {
  EXPECT_EQ(r.Status, 1);
  EXPECT_EQ(r.Out, "");
  EXPECT_NE(r.Err.find(part), std::string::npos) << r.Err;
  EXPECT_EQ(std::count(r.Err.begin(), r.Err.end(), '\n'), 1) << r.Err;
}

}  // namespace tool_test
