// tests/shell/screens_world.hpp — the headless game of the screens' tests: the small game
// folder with the windows its interface lacks (files, scores, options, language, menus and
// confirmations) loaded beside its own, and short ways to press, type and look.
#pragma once

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "data/files.hpp"
#include "data/memory_stream.hpp"
#include "tests/shell/shell_world.hpp"
#include "ui/form.hpp"

namespace screens_test {

inline std::string Quoted(const std::string& script) {
  std::string out;
  for (const char c : script) out += c == '"' ? std::string("&quot;") : std::string(1, c);
  return out;
}

inline std::string Labelled(const std::string& cls, const std::string& form,
                            const std::string& name, const std::string& extra = {}) {
  return "<o c=\"" + cls + "\"><p n=\"ParentName\">" + form + "</p><p n=\"Name\">" + name +
         "</p><p n=\"Left\">10</p><p n=\"Top\">10</p><p n=\"Width\">100</p><p n=\"Height\">20</p>"
         "<p n=\"Visible\">true</p>" +
         extra + "</o>\n";
}

inline std::string Grid(const std::string& form, const std::string& name) {
  return Labelled(
      "TOrlGrid", form, name,
      "<p n=\"RowsHeight\">20</p><p n=\"AddColumns\">" + Quoted("Width=\"100\";") + "</p>");
}

// The windows the small game folder lacks, loaded beside its own.
inline std::string ExtraWindows() {
  using shell_test::Form;
  std::string o =
      "<OrlInterface>\n<o c=\"TOrlDefaults\"><p n=\"DefLine\">TOrlNothing;Tag;0</p></o>\n";
  o += Labelled("TOrlLabel", "WTitle", "WTitle_BContinue");
  o += Form("WGameMenu") + Labelled("TOrlLabel", "WGameMenu", "WGameMenu_BResume");
  o += Form("WLoadGame") + Grid("WLoadGame", "WLoadGame_GFiles") +
       Labelled("TOrlEdit", "WLoadGame", "WLoadGame_ELoadFile");
  o += Form("WSaveGame") + Grid("WSaveGame", "WSaveGame_GFiles") +
       Labelled("TOrlEdit", "WSaveGame", "WSaveGame_ESaveFile");
  o += Form("WReplace") + Form("WDelete") + Form("WClearHighScores") + Form("WAbortLevel") +
       Form("WExitToMainMenu");
  o += Form("WBetweenLevel") + Labelled("TOrlLabel", "WBetweenLevel", "WBetweenLevel_BNextLevel");
  for (const char* level : {"WBetweenLevel_TLevel1", "WBetweenLevel_TLevel2"})
    o += Labelled("TOrlLabel", "WBetweenLevel", level, "<p n=\"Visible\">false</p>");
  o += Form("WHighScores") + Grid("WHighScores", "WHighScores_GHighScores");
  for (const char* rb : {"WHighScores_RBRealTimePuzzle", "WHighScores_RBTurnBasedPuzzle"})
    o += Labelled("TOrlRadioButton", "WHighScores", rb);
  o += Form("WGameFinished") + Labelled("TOrlEdit", "WGameFinished", "WGameFinished_EYourName");
  o += Labelled("TOrlLabel", "WGameFinished", "WGameFinished_LOdd",
                "<p n=\"OnMouseUp\">" + Quoted("ExecMethod Method=\"NoSuchHandler\";") + "</p>");
  o += Form("WOptions");
  for (const char* box :
       {"WOptions_CBFullScreen", "WOptions_CB32bitColor", "WOptions_CBTurnOffHints"})
    o += Labelled("TOrlCheckBox", "WOptions", box);
  return o + "</OrlInterface>\n";
}

struct TScreensGame {
  explicit TScreensGame(const std::string& name, int levels = 1,
                        const std::string& level = shell_test::TDataFolder::DefaultLevel())
      : folder(name), game((WriteFolder(folder, levels, level), folder.Folder())) {
    game.Start();
    game.Frames(260);
    data::TMemoryStream extra(ExtraWindows());
    window().Interface().LoadFromStream(extra);
    window().PrepareScreensHook();
  }
  static void WriteFolder(const shell_test::TDataFolder& folder, int levels,
                          const std::string& level) {
    folder.Write(level, levels);
  }
  shell::TMainWindow& window() { return *game.window; }
  rules::TRulesGame& rules() { return window().Rules(); }
  void Call(const std::string& handler) {
    ASSERT_TRUE(window().Handlers().Call(handler)) << handler;
  }
  void Key(uint16_t key, uint8_t shift = 0) { window().KeyDownHook({key, shift, false}); }
  void KeyUp(uint16_t key) { window().KeyUpHook({key, 0, false}); }
  void Type(const std::string& edit, const std::string& text) {
    window().Interface().SetObjectProperty(edit, "Caption", text);
  }
  std::string Get(const std::string& object, const std::string& property) {
    return window().Interface().GetObjectProperty(object, property).value_or("(none)");
  }
  std::string Top() {
    const ui::TOrlForm* top = window().Interface().TopForm();
    return top ? top->Name() : "";
  }
  std::string Saves() { return folder.Folder() + "saves/"; }
  std::string Log() { return data::ReadWholeFile(folder.Folder() + "Zerith.log"); }
  void NewGame(int mode) {
    Call("WTitle_BNewGame_MouseUp");
    rules().Game.Mode = mode;
    Call("WStartGame_BPlay_MouseUp");
    window().Interface().HideModalList();
    window().Interface().ShowModal("WGame");
  }
  // The pieces on the board: x, y, type.
  std::vector<std::tuple<int, int, int>> Board() {
    std::vector<std::tuple<int, int, int>> out;
    for (const auto& piece : rules().Layer().Pieces)
      if (piece.State == rules::kOnBoard) out.emplace_back(piece.X, piece.Y, piece.TypeIndex);
    return out;
  }

  shell_test::TDataFolder folder;
  shell_test::THeadlessGame game;
};

}  // namespace screens_test
