// tests/ui/ui_commands_test.cpp — zerith-tool ui.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>

#include "tests/support/scratch_dir.hpp"
#include "tests/tool_test_support.hpp"
#include "ui_test_support.hpp"

using ui_test::Interface;
using ui_test::Obj;

TEST(UiCommand, ReportsRefusalsAndDumpsEveryPropertyAfterOverlays) {
  const support_test::TScratchDir dir;
  const std::string file = dir.Write(
      "ui_cmd_main.li",
      Interface(Obj("TOrlForm", {{"ParentName", "S"}, {"Name", "W"}}) +
                    Obj("TOrlGrid",
                        {{"ParentName", "W"}, {"Name", "W_G"}, {"AddColumns", "Width=\"5\""}}) +
                    Obj("TOrlLabel", {{"ParentName", "W"}}) +
                    Obj("TOrlLabel", {{"ParentName", "W"}, {"Name", "W_X"}}),
                "<p n=\"DefLine\">TOrlGrid;Tag;4</p><p n=\"DefLine\">broken</p>"));
  const std::string overlay = dir.Write(
      "ui_cmd_overlay.li",
      "<OrlInterface>" + Obj("TOrlGrid", {{"Name", "W_G"}, {"Tag", "9"}}) + "</OrlInterface>");

  const tool_test::TToolResult report = tool_test::Tool({"ui", file});
  EXPECT_EQ(report.Status, 0);
  EXPECT_EQ(
      report.Out,
      "2 objects created from " + file + "\n" + file +
          ": [TOrlInterfaceEngine.ApplyDefaultLine] DefLine does not have 3 parameters! (DefLine "
          "\"broken\")\n" +
          file +
          ": element 4 (TOrlLabel): [TOrlInterfaceEngine.CreateInterfaceObjects] "
          "[ClassName:TOrlLabel] Attribute <n> does not has Name: \"ParentName\" or \"Name\"!\n");

  const tool_test::TToolResult dump = tool_test::Tool({"ui", file, "--overlay", overlay, "--dump"});
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

  const std::string bad = dir.Write(
      "ui_cmd_bad.li",
      Interface(Obj("TOrlForm", {{"ParentName", "S"}, {"Name", "W"}, {"Width", "wide"}})));
  const tool_test::TToolResult failed = tool_test::Tool({"ui", bad, "--dump"});
  EXPECT_EQ(failed.Status, 1);
  EXPECT_EQ(failed.Err, "zerith-tool ui: " + bad +
                            ": element 2 (TOrlForm \"W\"): \"wide\" is not a valid "
                            "integer value for property \"Width\"\n");
  EXPECT_EQ(tool_test::Tool({"ui", dir / "no_such.li"}).Status, 1);
  EXPECT_EQ(tool_test::Tool({"ui"}).Status, 1);
}

// Every class lists its ancestors' properties first, then its own in declaration order.
TEST(UiCommand, DumpListsEveryClassesPropertiesInDeclarationOrder) {
  const std::vector<std::string> object = {"ParentName", "Name", "Tag"};
  std::vector<std::string> base = object;
  for (const char* n :
       {"Left", "Top", "AutoSize", "Picture", "PictureHAlign", "PictureVAlign", "PictureAlpha",
        "Width", "Height", "HAlign", "VAlign", "ShiftLeft", "ShiftTop", "Visible"})
    base.push_back(n);
  for (const char* kind : {"On", "Sound"})
    for (const char* e :
         {"KeyDown", "KeyPress", "KeyUp", "MouseDown", "MouseMove", "MouseUp", "MouseWheel"})
      base.push_back(std::string(kind) + e);
  auto with = [](std::vector<std::string> v, std::initializer_list<const char*> own) {
    v.insert(v.end(), own.begin(), own.end());
    return v;
  };
  const auto label =
      with(base, {"MouseOverPicture", "MouseDownPicture", "FontName", "Caption", "Alpha", "Color",
                  "MouseOverColor", "Alignment", "Layout", "TextShiftLeft", "TextShiftTop",
                  "LineSpace", "TextDownShiftLeft", "TextDownShiftTop"});
  const auto focused = with(base, {"Focused", "TabOrder"});
  const auto rich = with(label, {"LinkColor", "LinkMouseOverColor"});
  const std::map<std::string, std::vector<std::string>> expected = {
      {"TOrlForm", base},
      {"TOrlTabForm", with(base, {"TabGroup"})},
      {"TOrlProgressBar", with(base, {"BarPicture", "BarShiftLeft", "BarShiftTop", "Min", "Max",
                                      "Position", "StepWidth"})},
      {"TOrlLabel", label},
      {"TOrlCheckBox", with(label, {"BoxPlace", "Checked"})},
      {"TOrlRadioButton", with(label, {"CheckedColor", "BoxPlace", "Checked", "RadioGroup"})},
      {"TOrlRichLabel", rich},
      {"TOrlHint", with(rich, {"ShowTime", "BackGroundColor", "BackGroundAlpha"})},
      {"TOrlEdit",
       with(focused, {"CursorPicture", "FontName", "CharSet", "Caption", "Alpha", "Color",
                      "PasswordChar", "InputMode", "ForbiddenChars", "SelectColor", "TextShiftLeft",
                      "TextShiftTop", "MaxLength", "MaxWidth", "ReadOnly"})},
      {"TOrlGrid",
       with(focused, {"Position", "LinkedObjectName", "CursorPicture", "NotActiveCursorAlpha",
                      "RowsHeight", "BorderWidth", "FixedRow", "FixedFontName", "FixedColor",
                      "DivisorHeight", "RowMouseOverColor", "AddColumns", "AddCells", "Cells"})},
      {"TOrlSlider", with(base, {"LinkedObjectName", "BarPicture", "BarShiftLeft", "BarShiftTop",
                                 "MouseOverBarPicture", "Max", "Min", "Step", "BigStep",
                                 "Orientation", "Position", "UpPicture", "UpMouseOverPicture",
                                 "UpMouseDownPicture", "DownPicture", "DownMouseOverPicture",
                                 "DownMouseDownPicture", "ButtonsSound", "OnChange"})},
      {"TOrlFont", with(object, {"Height", "Picture", "Metrics"})},
      {"TOrlObject", object},
  };
  std::string objects;
  for (const auto& [cls, props] : expected)
    objects += Obj(cls, {{"ParentName", "W"}, {"Name", "W_" + cls}});
  const support_test::TScratchDir dir;
  const std::string file = dir.Write("ui_cmd_classes.li", Interface(objects));
  const tool_test::TToolResult dump = tool_test::Tool({"ui", file, "--dump"});
  ASSERT_EQ(dump.Status, 0) << dump.Err;

  std::map<std::string, std::vector<std::string>> names;
  std::map<std::string, std::string> values;  // "Class.Property" -> value
  std::string current;
  std::istringstream lines(dump.Out);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("  ", 0) != 0) {
      current = line.substr(0, line.find(' '));
      EXPECT_EQ(line, current + " W_" + current + " W");
      continue;
    }
    const size_t eq = line.find('=');
    names[current].push_back(line.substr(2, eq - 2));
    values[current + "." + line.substr(2, eq - 2)] = line.substr(eq + 1);
  }
  for (const auto& [cls, props] : expected) EXPECT_EQ(names[cls], props) << cls;
  // Zero-filled objects: first value names, False, 0 and empty texts; write-only stays empty.
  EXPECT_EQ(values["TOrlSlider.Orientation"], "trHorizontal");
  EXPECT_EQ(values["TOrlEdit.InputMode"], "imNormal");
  EXPECT_EQ(values["TOrlRadioButton.BoxPlace"], "bpLeft");
  EXPECT_EQ(values["TOrlLabel.Layout"], "tlTop");
  EXPECT_EQ(values["TOrlForm.VAlign"], "vaNone");
  EXPECT_EQ(values["TOrlGrid.FixedRow"], "False");
  EXPECT_EQ(values["TOrlGrid.AddColumns"], "");
  EXPECT_EQ(values["TOrlFont.Metrics"], "");
  EXPECT_EQ(values["TOrlHint.ShowTime"], "0");
}
