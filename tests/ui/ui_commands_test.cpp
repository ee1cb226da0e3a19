// tests/ui/ui_commands_test.cpp — zerith-tool ui.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "app/tool/tool.hpp"
#include "ui_test_support.hpp"

using uitest::Interface;
using uitest::Obj;

namespace {

struct TResult {
  int Status;
  std::string Out, Err;
};

TResult RunUiTool(const tool::Args& args) {
  std::ostringstream out, err;
  const int status = tool::RunTool(args, out, err);
  return {status, out.str(), err.str()};
}

std::string WriteTemp(const std::string& name, const std::string& text) {
  const std::string path = ::testing::TempDir() + name;
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

}  // namespace

TEST(UiCommand, ReportsRefusalsAndDumpsEveryPropertyAfterOverlays) {
  const std::string file = WriteTemp(
      "ui_cmd_main.li",
      Interface(Obj("TOrlForm", {{"ParentName", "S"}, {"Name", "W"}}) +
                    Obj("TOrlGrid", {{"ParentName", "W"}, {"Name", "W_G"}, {"AddColumns", "Width=\"5\""}}) +
                    Obj("TOrlLabel", {{"ParentName", "W"}}) + Obj("TOrlLabel", {{"ParentName", "W"}, {"Name", "W_X"}}),
                "<p n=\"DefLine\">TOrlGrid;Tag;4</p><p n=\"DefLine\">broken</p>"));
  const std::string overlay = WriteTemp(
      "ui_cmd_overlay.li", "<OrlInterface>" + Obj("TOrlGrid", {{"Name", "W_G"}, {"Tag", "9"}}) + "</OrlInterface>");

  const TResult report = RunUiTool({"ui", file});
  EXPECT_EQ(report.Status, 0);
  EXPECT_EQ(report.Out,
            "2 objects created from " + file + "\n" + file +
                ": [TOrlInterfaceEngine.ApplyDefaultLine] DefLine does not have 3 parameters! (DefLine \"broken\")\n" +
                file + ": element 4 (TOrlLabel): [TOrlInterfaceEngine.CreateInterfaceObjects] "
                       "[ClassName:TOrlLabel] Attribute <n> does not has Name: \"ParentName\" or \"Name\"!\n");

  const TResult dump = RunUiTool({"ui", file, "--overlay", overlay, "--dump"});
  EXPECT_EQ(dump.Status, 0);
  std::istringstream lines(dump.Out);
  std::vector<std::string> all;
  for (std::string line; std::getline(lines, line);) all.push_back(line);
  EXPECT_EQ(all[0], "TOrlForm W S");
  EXPECT_EQ(all[1], "  ParentName=S");
  EXPECT_EQ(all[3], "  Tag=0");
  EXPECT_EQ(all[4], "  Left=0");
  EXPECT_EQ(all[17], "  Visible=False");
  const size_t grid = std::find(all.begin(), all.end(), "TOrlGrid W_G W") - all.begin();
  ASSERT_LT(grid, all.size());
  EXPECT_EQ(all[grid + 3], "  Tag=9");  // the overlay's value
  EXPECT_EQ(all[grid + 32], "  Focused=False");
  EXPECT_EQ(all.back(), "  Cells=");
  EXPECT_EQ(all[all.size() - 2], "  AddCells=");  // write-only

  const std::string bad = WriteTemp("ui_cmd_bad.li", Interface(Obj("TOrlForm", {{"ParentName", "S"}, {"Name", "W"},
                                                                                {"Width", "wide"}})));
  const TResult failed = RunUiTool({"ui", bad, "--dump"});
  EXPECT_EQ(failed.Status, 1);
  EXPECT_NE(failed.Err.find("\"wide\" is not a valid integer value for property \"Width\""), std::string::npos);
  EXPECT_EQ(RunUiTool({"ui", ::testing::TempDir() + "no_such.li"}).Status, 1);
  EXPECT_EQ(RunUiTool({"ui"}).Status, 1);
  for (const std::string& path : {file, overlay, bad}) std::remove(path.c_str());
}
