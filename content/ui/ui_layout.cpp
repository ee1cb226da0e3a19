// content/ui/ui_layout.cpp — every window of the game: where each control sits, which picture it
// wears and which script it runs. The board view keeps the middle clear: in play the panels sit
// in the lower right corner, beside the queue, outside the slanted lattice.
#include <string>

#include "content/ui/ui_writer.hpp"

namespace uigen {
namespace {

std::string Exec(const std::string& method) {
  return "ExecMethod Method=\"" + method + "\";";
}
std::string Show(const std::string& form) {
  return "ShowModal Form=\"" + form + "\";";
}
std::string Hide() {
  return "HideModal;";
}
std::string SetProp(const std::string& object, const std::string& prop, const std::string& v) {
  return "SetProp Object=\"" + object + "\" Prop=\"" + prop + "\" Value=\"" + v + "\";";
}

// A dialog's title line: amber text over a fading amber rule.
void Title(TInterface& ui, const std::string& form, int w) {
  ui.Label(form, form + "_LTitle", 20, 14, w - 40, 24, kAmber, "taCenter", "tlCenter");
  ui.Picture(form, form + "_LRule", 30, 40, ui.Art().Rule(w - 60));
}

// A confirmation: title, one to three lines of text, OK and cancel.
void Confirm(TInterface& ui, const std::string& form, const std::string& ok) {
  const int w = 420, h = 210;
  ui.Form(form, -1, -1, w, h, ui.Art().Panel(w, h));
  Title(ui, form, w);
  ui.Label(form, form + "_LText", 30, 54, w - 60, 80, kText, "taCenter", "tlCenter");
  ui.Button(form, form + "_BOk", 40, 148, 160, 40, true, ok);
  ui.Button(form, form + "_BCancel", w - 200, 148, 160, 40, false, Hide());
}

void TitleWindow(TInterface& ui) {
  ui.Form("WTitle", 0, 0, 800, 600, "Title.jpg");
  // The title picture carries the game's name at the top and a crystal cluster below the menu;
  // "Continue" (shown by the game while a resume file exists) glows over the cluster.
  ui.Picture("WTitle", "WTitle_LPlate", 270, 194, ui.Art().Plate(260, 300));
  const struct {
    const char* name;
    std::string script;
  } menu[] = {
      {"WTitle_BNewGame", Show("WStartGame") + Exec("WTitle_BNewGame_MouseUp")},
      {"WTitle_BLoadGame", Show("WLoadGame") + Exec("WTitle_BLoadGame_MouseUp")},
      {"WTitle_BHighScores", Show("WHighScores") + Exec("WTitle_BHighScores_MouseUp")},
      {"WTitle_BOptions", Show("WOptions")},
      {"WTitle_BHelp", Show("WHelp")},
      {"WTitle_BQuit", Exec("WTitle_BQuit_MouseUp")},
  };
  for (int i = 0; i < 6; ++i)
    ui.Button("WTitle", menu[i].name, 290, 208 + 46 * i, 220, 42, false, menu[i].script);
  ui.Button("WTitle", "WTitle_BContinue", 280, 504, 240, 44, true, Exec("WTitle_BContinue_MouseUp"))
      .Props.back()
      .second = "false";
  ui.Button("WTitle", "WTitle_BLanguage", 12, 550, 170, 40, false, Show("WLanguage"));
  TObject& link =
      ui.Label("WTitle", "WTitle_LTovrelLink", 560, 560, 226, 24, kDim, "taRight", "tlCenter");
  link.Props.insert(link.Props.end(), {{"MouseOverColor", Color(kTeal)},
                                       {"OnMouseUp", Exec("WTitle_LTovrelLink_MouseUp")}});
}

void StartGameWindow(TInterface& ui) {
  const int w = 460, h = 380;
  ui.Form("WStartGame", -1, -1, w, h, ui.Art().Panel(w, h));
  Title(ui, "WStartGame", w);
  const struct {
    const char* mode;
    bool checked;
  } modes[] = {{"Puzzle", true}, {"Strategy", false}, {"NoLose", false}};
  for (int i = 0; i < 3; ++i) {
    const std::string rb = std::string("WStartGame_RB") + modes[i].mode;
    ui.Radio("WStartGame", rb, 34, 58 + 80 * i, 390, 1, modes[i].checked, Exec(rb + "_MouseUp"));
    ui.Label("WStartGame", std::string("WStartGame_L") + modes[i].mode + "Info", 64, 82 + 80 * i,
             370, 46, kDim);
  }
  ui.Button("WStartGame", "WStartGame_BBack", 30, h - 62, 180, 42, false,
            Hide() + Exec("WStartGame_BBack_MouseUp"));
  ui.Button("WStartGame", "WStartGame_BPlay", w - 210, h - 62, 180, 42, true,
            "HideModalList;" + Show("WGame") + Exec("WStartGame_BPlay_MouseUp"));
}

constexpr int kHintWidth = 232;
constexpr int kBossHintWidth = 284;  // below 300, so it opens to the left of the game's point

void GameWindow(TInterface& ui) {
  ui.Form("WGame", 0, 0, 800, 600, "");
  // Score column: right of the lattice's slanted edge, above the queue.
  ui.Picture("WGame", "WGame_LInfoPlate", 704, 166, ui.Art().Plate(94, 184));
  ui.Label("WGame", "WGame_LScore", 705, 174, 92, 20, kDim, "taCenter");
  ui.Label("WGame", "WGame_LScoreCount", 705, 192, 92, 20, kAmber, "taCenter");
  ui.Label("WGame", "WGame_LLevel", 705, 218, 92, 20, kDim, "taCenter");
  ui.Label("WGame", "WGame_LLevelCount", 705, 236, 92, 20, kAmber, "taCenter");
  ui.Label("WGame", "WGame_LDead", 705, 262, 92, 20, kDim, "taCenter");
  // The bar's segments are the art's "DeadProgressBar.png" (10 x 16): nine fill the frame.
  ui.Progress("WGame", "WGame_PBDead", 705, 284, 92, 22, "DeadProgressBar.png", 10)
      .Props.push_back({"BarShiftTop", "3"});
  TObject& puts =
      ui.Label("WGame", "WGame_LPutsLeftCount", 738, 316, 26, 20, 0x0B0A1F, "taCenter", "tlCenter");
  puts.Props.insert(puts.Props.begin() + 6, {"Picture", "UiBadge.png"});
  ui.Art().Badge();
  // Move buttons along the bottom edge.
  ui.Picture("WGame", "WGame_LButtonPlate", 514, 548, ui.Art().Plate(284, 52));
  const struct {
    const char* name;
    const char* icon;
  } buttons[] = {{"WGame_BSwap", "swap"},       {"WGame_BShift", "shift"},
                 {"WGame_BShuffle", "shuffle"}, {"WGame_BUndo", "undo"},
                 {"WGame_BQuickSave", "save"},  {"WGame_BMenu", "menu"}};
  for (int i = 0; i < 6; ++i) {
    std::string script = Exec(std::string(buttons[i].name) + "_MouseUp");
    if (std::string(buttons[i].name) == "WGame_BMenu") script += Show("WGameMenu");
    ui.IconButton("WGame", buttons[i].name, 518 + 46 * i, 552, buttons[i].icon, script);
  }
  for (const char* count : {"WGame_LShiftCount", "WGame_LShuffleCount"}) {
    const int x = std::string(count) == "WGame_LShiftCount" ? 518 + 46 + 26 : 518 + 92 + 26;
    TObject& badge = ui.Label("WGame", count, x, 540, 26, 20, 0x0B0A1F, "taCenter", "tlCenter");
    badge.Props.insert(badge.Props.begin() + 6, {"Picture", "UiBadge.png"});
  }
  // Hints stand in a column down the left edge, beside the slanted lattice, so the structure's
  // top stays clear; each has its own place, since the first ones show together at a level's
  // start. The guardian's hint is placed by the game with its right edge and, while it is
  // shorter than 100 px, its bottom at (300, 100): it takes the top of the column.
  ui.Hint("WGame", "WGame_HBoss", 8, 8, kBossHintWidth);
  ui.Hint("WGame", "WGame_HPutFishka", 8, 108, kHintWidth);
  ui.Hint("WGame", "WGame_HDisappear", 8, 256, kHintWidth);
  ui.Hint("WGame", "WGame_HLose", 8, 404, kHintWidth);
}

void GameMenuWindow(TInterface& ui) {
  const int w = 320, h = 420;
  ui.Form("WGameMenu", -1, -1, w, h, ui.Art().Panel(w, h));
  Title(ui, "WGameMenu", w);
  const struct {
    const char* name;
    std::string script;
    bool accent;
  } items[] = {
      {"WGameMenu_BResume", Exec("WGameMenu_BResume_MouseUp") + "HideModal Form=\"WGameMenu\";",
       true},
      {"WGameMenu_BSaveGame", Show("WSaveGame") + Exec("WBetweenLevel_BSaveGame_MouseUp"), false},
      {"WGameMenu_BOptions", Show("WOptions"), false},
      {"WGameMenu_BHelp", Show("WHelp"), false},
      {"WGameMenu_BAbort", Show("WAbortLevel"), false},
      {"WGameMenu_BExitToMainMenu", Show("WExitToMainMenu"), false},
      {"WGameMenu_BQuit", Exec("WGameMenu_BQuit_MouseUp"), false},
  };
  for (int i = 0; i < 7; ++i)
    ui.Button("WGameMenu", items[i].name, 40, 56 + 50 * i, 240, 44, items[i].accent,
              items[i].script);
}

void BetweenLevelWindow(TInterface& ui, int levelCount) {
  const int w = 480, h = 320;
  ui.Form("WBetweenLevel", -1, -1, w, h, ui.Art().Panel(w, h));
  for (int n = 1; n <= levelCount; ++n) {
    const std::string tab = "WBetweenLevel_TLevel" + std::to_string(n);
    ui.TabForm("WBetweenLevel", tab, 20, 12, w - 40, 200, 1, n == 1);
    ui.Label(tab, tab + "_LName", 0, 4, w - 40, 26, kAmber, "taCenter", "tlCenter");
    ui.Picture(tab, tab + "_LRule", 10, 34, ui.Art().Rule(w - 60));
    ui.Label(tab, tab + "_LText", 10, 48, w - 60, 140, kText, "taCenter", "tlTop");
  }
  ui.Button("WBetweenLevel", "WBetweenLevel_BNextLevel", w - 210, h - 100, 180, 42, true,
            "HideModalList;" + Show("WGame") + Exec("WBetweenLevel_BNextLevel_MouseUp"));
  ui.Button("WBetweenLevel", "WBetweenLevel_BSaveGame", 30, h - 100, 180, 42, false,
            Show("WSaveGame") + Exec("WBetweenLevel_BSaveGame_MouseUp"));
  ui.Button("WBetweenLevel", "WBetweenLevel_BMainMenu", 30, h - 52, 180, 42, false,
            Show("WExitToMainMenu"));
  ui.Button("WBetweenLevel", "WBetweenLevel_BOptions", w - 210, h - 52, 180, 42, false,
            Show("WOptions"));
}

void ResultWindows(TInterface& ui) {
  for (const char* form : {"WLevelComplete", "WGameOver"}) {
    const int w = 420, h = 220;
    ui.Form(form, -1, -1, w, h, ui.Art().Panel(w, h));
    Title(ui, form, w);
    ui.Label(form, std::string(form) + "_LText", 30, 54, w - 60, 90, kText, "taCenter", "tlCenter");
    ui.Button(form, std::string(form) + "_BOk", (w - 180) / 2, 156, 180, 42, true,
              "HideModalList;" + Show("WBetweenLevel") + Exec(std::string(form) + "_BOk_MouseUp"));
  }
  // The finale veils the whole scene and keeps its panel in the middle.
  ui.Form("WGameFinished", 0, 0, 800, 600, ui.Art().Veil());
  const int w = 460, h = 360, x = 170, y = 120;
  ui.Picture("WGameFinished", "WGameFinished_LPanel", x, y, ui.Art().Panel(w, h));
  ui.Label("WGameFinished", "WGameFinished_LTitle", x + 20, y + 16, w - 40, 26, kAmber, "taCenter",
           "tlCenter");
  ui.Picture("WGameFinished", "WGameFinished_LRule", x + 30, y + 44, ui.Art().Rule(w - 60));
  ui.Label("WGameFinished", "WGameFinished_LText", x + 30, y + 58, w - 60, 80, kText, "taCenter",
           "tlCenter");
  ui.Label("WGameFinished", "WGameFinished_LYourScore", x + 30, y + 154, 190, 24, kDim, "taRight",
           "tlCenter");
  ui.Label("WGameFinished", "WGameFinished_LYourScoreCount", x + 236, y + 154, 190, 24, kAmber,
           "taLeft", "tlCenter");
  ui.Label("WGameFinished", "WGameFinished_LYourName", x + 30, y + 200, 190, 30, kDim, "taRight",
           "tlCenter");
  ui.Edit("WGameFinished", "WGameFinished_EYourName", x + 232, y + 200, 200, "\"", 0)
      .Props.push_back({"Focused", "true"});
  ui.Button("WGameFinished", "WGameFinished_BOk", x + (w - 180) / 2, y + h - 66, 180, 42, true,
            Exec("WGameFinished_BOk_MouseUp"));
}

void FileWindow(TInterface& ui, const std::string& form, const std::string& edit,
                const std::string& action) {
  const int w = 480, h = 420;
  ui.Form(form, -1, -1, w, h, ui.Art().Panel(w, h));
  Title(ui, form, w);
  const std::string grid = form + "_GFiles";
  ui.Grid(form, grid, 40, 56, 378, 200,
          "Width=\"366\" FontName=\"OrlUnicode\" Color=\"" + Color(kInk) + "\" Layout=\"tlCenter\"",
          Exec(grid + "_MouseDown"), 0);
  ui.Slider(form, form + "_SFiles", 422, 56, 200, true, 0, "")
      .Props.push_back({"LinkedObjectName", grid});
  ui.Label(form, form + "_LFile", 40, 270, 110, 30, kDim, "taLeft", "tlCenter");
  // A file name: no quotation mark (it would break the grid's cell list) and no path characters.
  ui.Edit(form, edit, 150, 270, 290, "\"\\/:*?<>|", 1);
  ui.Button(form, form + "_B" + action, 30, h - 104, 200, 42, true,
            Exec(form + "_B" + action + "_MouseUp"));
  ui.Button(form, form + "_BDelete", w - 230, h - 104, 200, 42, false,
            Exec(form + "_BDelete_MouseUp"));
  ui.Button(form, form + "_BCancel", (w - 200) / 2, h - 56, 200, 42, false, Hide());
}

void HighScoresWindow(TInterface& ui) {
  const int w = 500, h = 460;
  const std::string f = "WHighScores";
  ui.Form(f, -1, -1, w, h, ui.Art().Panel(w, h));
  Title(ui, f, w);
  const std::string refill = Exec("WTitle_BHighScores_MouseUp");
  const struct {
    const char* table;
    int x;
    bool checked;
  } tables[] = {{"RealTimePuzzle", 40, true}, {"TurnBasedPuzzle", 260, false}};
  for (const auto& t : tables) {
    const std::string rb = f + "_RB" + t.table, lb = f + "_LB" + t.table;
    ui.Radio(f, rb, t.x, 56, 22, 1, t.checked, SetProp(lb, "Checked", "true") + refill);
    ui.Radio(f, lb, t.x + 28, 56, 180, 2, t.checked, SetProp(rb, "Checked", "true") + refill,
             false);
  }
  ui.Label(f, f + "_LRank", 46, 92, 44, 20, kDim);
  ui.Label(f, f + "_LName", 96, 92, 200, 20, kDim);
  ui.Label(f, f + "_LScore", 300, 92, 110, 20, kDim, "taRight");
  const std::string ink = Color(kInk);
  ui.Grid(f, f + "_GHighScores", 40, 114, 398, 232,
          "Width=\"50\" FontName=\"OrlUnicode\" Color=\"" + ink + "\";Width=\"210\" Color=\"" +
              ink + "\";Width=\"126\" Color=\"" + ink + "\" Alignment=\"taRight\"",
          "", 0);
  ui.Slider(f, f + "_SHighScores", 442, 114, 232, true, 0, "")
      .Props.push_back({"LinkedObjectName", f + "_GHighScores"});
  ui.Button(f, f + "_BClear", 40, h - 70, 180, 42, false, Exec("WHighScores_BClear_MouseUp"));
  ui.Button(f, f + "_BOk", w - 220, h - 70, 180, 42, true, Hide());
}

void OptionsWindow(TInterface& ui) {
  const int w = 480, h = 380;
  const std::string f = "WOptions";
  ui.Form(f, -1, -1, w, h, ui.Art().Panel(w, h));
  Title(ui, f, w);
  ui.CheckBox(f, "WOptions_CBFullScreen", 40, 62, 400, "");
  ui.CheckBox(f, "WOptions_CB32bitColor", 70, 94, 370, "");
  ui.CheckBox(f, "WOptions_CBTurnOffHints", 40, 126, 400, "");
  ui.Label(f, "WOptions_LMusicVolume", 40, 170, 170, 24, kText, "taLeft", "tlCenter");
  ui.Slider(f, "WOptions_SMusicVolume", 214, 170, 226, false, 90,
            Exec("WOptions_SMusicVolume_Change"));
  ui.Label(f, "WOptions_LSoundVolume", 40, 210, 170, 24, kText, "taLeft", "tlCenter");
  ui.Slider(f, "WOptions_SSoundVolume", 214, 210, 226, false, 90,
            Exec("WOptions_SSoundVolume_Change"));
  ui.Button(f, "WOptions_BLanguage", (w - 240) / 2, 258, 240, 42, false, Show("WLanguage"));
  ui.Button(f, "WOptions_BOk", 40, h - 74, 180, 42, true, Hide() + Exec("WOptions_BOk_MouseUp"));
  ui.Button(f, "WOptions_BCancel", w - 220, h - 74, 180, 42, false,
            Hide() + Exec("WOptions_BCancel_MouseUp"));
}

void LanguageWindow(TInterface& ui) {
  const int w = 380, h = 330;
  ui.Form("WLanguage", -1, -1, w, h, ui.Art().Panel(w, h));
  Title(ui, "WLanguage", w);
  // Further packs are added below this template, 24 pixels apart (a second column after five).
  ui.Radio("WLanguage", "WLanguage_RBENU", 60, 58, 170, 1, true, "");
  ui.Button("WLanguage", "WLanguage_BOk", 30, h - 66, 150, 42, true,
            Exec("WLanguage_BOk_MouseUp") + "HideModal Form=\"WLanguage\";");
  ui.Button("WLanguage", "WLanguage_BCancel", w - 180, h - 66, 150, 42, false, Hide());
}

void LoadingWindow(TInterface& ui) {
  const int w = 380, h = 100;
  ui.Form("WGameLoading", -1, 460, w, h, ui.Art().Panel(w, h));
  ui.Label("WGameLoading", "WGameLoading_LTitle", 20, 14, w - 40, 24, kAmber, "taCenter",
           "tlCenter");
  ui.Art().BarSegment("UiBarTeal.png", kTeal, 6, 10);
  ui.Progress("WGameLoading", "WGameLoading_PBGameLoading", 30, 52, 320, 22, "UiBarTeal.png", 6);
}

void HelpWindow(TInterface& ui) {
  const int w = 640, h = 540;
  const std::string f = "WHelp";
  ui.Form(f, -1, -1, w, h, ui.Art().Panel(w, h));
  Title(ui, f, w);
  for (int page = 1; page <= 2; ++page) {
    const std::string tab = f + "_TPage" + std::to_string(page);
    ui.TabForm(f, tab, 24, 52, w - 48, 410, 1, page == 1);
    ui.RichLabel(tab, tab + "_LText", 0, 0, w - 48, 410);
  }
  ui.Button(f, "WHelp_BPage1", 24, h - 64, 170, 42, false,
            SetProp("WHelp_TPage1", "Visible", "true"));
  ui.Button(f, "WHelp_BPage2", 204, h - 64, 170, 42, false,
            SetProp("WHelp_TPage2", "Visible", "true"));
  ui.Button(f, "WHelp_BClose", w - 194, h - 64, 170, 42, true, Hide());
}

}  // namespace

void BuildWindows(TInterface& ui, int levelCount) {
  TitleWindow(ui);
  StartGameWindow(ui);
  GameWindow(ui);
  GameMenuWindow(ui);
  BetweenLevelWindow(ui, levelCount);
  ResultWindows(ui);
  FileWindow(ui, "WLoadGame", "WLoadGame_ELoadFile", "Load");
  FileWindow(ui, "WSaveGame", "WSaveGame_ESaveFile", "Save");
  HighScoresWindow(ui);
  OptionsWindow(ui);
  LanguageWindow(ui);
  LoadingWindow(ui);
  HelpWindow(ui);
  Confirm(ui, "WReplace", Hide() + Exec("WReplace_BOk_MouseUp"));
  Confirm(ui, "WDelete", Exec("WDelete_BOk_MouseUp"));
  Confirm(ui, "WClearHighScores", Hide() + Exec("WClearHighScores_BOk_MouseUp"));
  Confirm(ui, "WAbortLevel",
          "HideModalList;" + Show("WBetweenLevel") + Exec("WAbortLevel_BOk_MouseUp"));
  Confirm(ui, "WExitToMainMenu",
          "HideModalList;" + Show("WTitle") + Exec("WExitToMainMenu_BOk_MouseUp"));
}

}  // namespace uigen
