// shell/handlers_register.cpp — joining the screens to the main window: the
// handler table the interface file calls into, the keyboard hooks, and what
// start-up prepares once the interface is loaded.
#include <memory>
#include <set>

#include "data/error.hpp"
#include "data/text_helpers.hpp"
#include "rules/rules_game.hpp"
#include "shell/handlers_screens.hpp"
#include "shell/main_window.hpp"
#include "shell/options.hpp"
#include "shell/screen_handlers.hpp"
#include "ui/interface_object.hpp"
#include "ui/method_table.hpp"
#include "ui/slider.hpp"

namespace shell {

void TScreens::Publish(ui::TOrlMethodTable& table) {
  const std::pair<const char*, void (TScreens::*)()> handlers[] = {
      {"WTitle_BNewGame_MouseUp", &TScreens::WTitle_BNewGame_MouseUp},
      {"WTitle_BQuit_MouseUp", &TScreens::WTitle_BQuit_MouseUp},
      {"WTitle_LTovrelLink_MouseUp", &TScreens::WTitle_LTovrelLink_MouseUp},
      {"WTitle_BContinue_MouseUp", &TScreens::WTitle_BContinue_MouseUp},
      {"WTitle_BHighScores_MouseUp", &TScreens::ShowHighScores},
      {"WStartGame_BPlay_MouseUp", &TScreens::WStartGame_BPlay_MouseUp},
      {"WStartGame_BBack_MouseUp", &TScreens::WStartGame_BBack_MouseUp},
      {"WGame_BMenu_MouseUp", &TScreens::WGame_BMenu_MouseUp},
      {"WGame_BSwap_MouseUp", &TScreens::WGame_BSwap_MouseUp},
      {"WGame_BShuffle_MouseUp", &TScreens::WGame_BShuffle_MouseUp},
      {"WGame_BShift_MouseUp", &TScreens::WGame_BShift_MouseUp},
      {"WGame_BUndo_MouseUp", &TScreens::WGame_BUndo_MouseUp},
      {"WGame_BQuickSave_MouseUp", &TScreens::QuickSave},
      {"WGameMenu_BResume_MouseUp", &TScreens::WGameMenu_BResume_MouseUp},
      {"WGameMenu_BQuit_MouseUp", &TScreens::WTitle_BQuit_MouseUp},
      {"WBetweenLevel_BNextLevel_MouseUp", &TScreens::WBetweenLevel_BNextLevel_MouseUp},
      {"WAbortLevel_BOk_MouseUp", &TScreens::WAbortLevel_BOk_MouseUp},
      {"WGameOver_BOk_MouseUp", &TScreens::WGameOver_BOk_MouseUp},
      {"WLevelComplete_BOk_MouseUp", &TScreens::WLevelComplete_BOk_MouseUp},
      {"WGameFinished_BOk_MouseUp", &TScreens::WGameFinished_BOk_MouseUp},
      {"WExitToMainMenu_BOk_MouseUp", &TScreens::WExitToMainMenu_BOk_MouseUp},
      {"WHighScores_BClear_MouseUp", &TScreens::WHighScores_BClear_MouseUp},
      {"WClearHighScores_BOk_MouseUp", &TScreens::WClearHighScores_BOk_MouseUp},
      {"WLoadGame_GFiles_MouseDown", &TScreens::WLoadGame_GFiles_MouseDown},
      {"WLoadGame_BLoad_MouseUp", &TScreens::WLoadGame_BLoad_MouseUp},
      {"WLoadGame_BDelete_MouseUp", &TScreens::WLoadGame_BDelete_MouseUp},
      {"WSaveGame_GFiles_MouseDown", &TScreens::WSaveGame_GFiles_MouseDown},
      {"WSaveGame_BSave_MouseUp", &TScreens::WSaveGame_BSave_MouseUp},
      {"WSaveGame_BDelete_MouseUp", &TScreens::WSaveGame_BDelete_MouseUp},
      {"WReplace_BOk_MouseUp", &TScreens::WReplace_BOk_MouseUp},
      {"WDelete_BOk_MouseUp", &TScreens::WDelete_BOk_MouseUp},
      {"AddLogoMouseUp", &TScreens::AddLogoMouseUp},
      {"WOptions_BOk_MouseUp", &TScreens::WOptions_BOk_MouseUp},
      {"WOptions_BCancel_MouseUp", &TScreens::WOptions_BCancel_MouseUp},
      {"WOptions_SMusicVolume_Change", &TScreens::WOptions_SMusicVolume_Change},
      {"WOptions_SSoundVolume_Change", &TScreens::WOptions_SSoundVolume_Change},
      {"WLanguage_BOk_MouseUp", &TScreens::WLanguage_BOk_MouseUp},
  };
  for (const auto& handler : handlers)  // clang 14 cannot capture a structured binding
    table.Publish(handler.first, [this, method = handler.second] { (this->*method)(); });
  table.Publish("WTitle_BLoadGame_MouseUp",
                [this] { ListSaved("WLoadGame_GFiles", "WLoadGame_ELoadFile"); });
  table.Publish("WBetweenLevel_BSaveGame_MouseUp",
                [this] { ListSaved("WSaveGame_GFiles", "WSaveGame_ESaveFile"); });
  table.Publish("WStartGame_RBPuzzle_MouseUp", [this] { w.Rules().Game.Mode = rules::kPuzzle; });
  table.Publish("WStartGame_RBStrategy_MouseUp",
                [this] { w.Rules().Game.Mode = rules::kStrategy; });
  table.Publish("WStartGame_RBNoLose_MouseUp", [this] { w.Rules().Game.Mode = rules::kNoLose; });
  table.Publish("YesMouseUp", [] {});
}

namespace {

// Every ExecMethod Method="NAME" in a script.
void MethodsOf(const std::string& script, std::set<std::string>& names) {
  static const std::string key = "ExecMethod Method=\"";
  for (size_t at = script.find(key); at != std::string::npos; at = script.find(key, at + 1)) {
    const size_t from = at + key.size();
    names.insert(script.substr(from, script.find('"', from) - from));
  }
}

}  // namespace

void TScreens::CheckHandlerNames(const ui::TOrlMethodTable& table) {
  std::set<std::string> names;
  for (const auto& object : w.Interface().Objects()) {
    if (const auto* o = dynamic_cast<const ui::TOrlInterfaceObject*>(object.get()))
      for (const std::string* script :
           {&o->OnKeyDown(), &o->OnKeyPress(), &o->OnKeyUp(), &o->OnMouseDown(), &o->OnMouseMove(),
            &o->OnMouseUp(), &o->OnMouseWheel()})
        MethodsOf(*script, names);
    if (const auto* slider = dynamic_cast<const ui::TOrlSlider*>(object.get()))
      MethodsOf(slider->OnChange, names);
  }
  // A skin calling a handler the game lacks would do nothing when clicked; say
  // so once.
  for (const std::string& name : names)
    if (!table.Has(name))
      w.Log().WriteLog("The interface file calls the handler \"" + name +
                       "\", which the game does not have");
}

void TScreens::PrepareScreens() {
  PlayPoint = CentreOf("WStartGame_BPlay");
  NextLevelPoint = CentreOf("WBetweenLevel_BNextLevel");
  ResumePoint = CentreOf("WGameMenu_BResume");
  // A quotation mark would end the name early in the score file.
  if (w.Interface().FindObject("WGameFinished_EYourName")) {
    const std::string forbidden =
        w.Interface().GetObjectProperty("WGameFinished_EYourName", "ForbiddenChars").value_or("");
    if (forbidden.find('"') == std::string::npos)
      Set("WGameFinished_EYourName", "ForbiddenChars", forbidden + "\"");
  }
  for (const bool realTime : {true, false}) {
    try {
      LoadHighScores(ScoresPath(realTime), realTime ? RealTimeScores : TurnBasedScores);
    } catch (const data::Error& e) {
      w.Log().WriteLog(e.what());
    }
  }
  Set("WHighScores_RBRealTimePuzzle", "checked", "true");
  Set("WHighScores_LBRealTimePuzzle", "checked", "true");
  TLogoHost host;
  host.HasPicture = [this](const std::string& name) { return w.HasPicture(name); };
  host.LoadPictureFile = [this](const std::string& name) {
    const std::string path = w.ProgramFolder() + name;
    const bool loaded = data::EndsWithText(name, "png")
                            ? w.SurfEngine().LoadPngFromFile(name, path)
                            : w.SurfEngine().LoadJpgFromFile(name, path);
    if (!loaded) throw data::Error("Cannot load the logo picture \"" + path + "\"");
  };
  host.PictureSize = [this](const std::string& name) {
    const rules::TPictureSize size = w.GetPictureSize(name);
    return std::pair{size.Width, size.Height};
  };
  // The desktop has no registry: the only value the game keeps is its language,
  // which no link names, so registry links read as empty like a missing value.
  host.ReadRegistry = [](const std::string&, const std::string&) { return std::string(); };
  LoadExtraLogos(w.ProgramFolder() + kExtraLogosFile, w.ProgramFolder(), w.Interface(), host, Logos,
                 [this](const std::string& line) { w.Log().WriteLog(line); });
  if (!w.RunOptions().LevelFile.empty() && w.Settings().DebugMode != kDebugUnlock)
    w.Log().WriteLog(
        "The level file \"" + w.RunOptions().LevelFile +
        "\" on the command line is ignored: only DebugMode=739 in options.cfg plays it");
  ShowContinue();
  ShowOptionsState();
  // Setting the sliders queued their change scripts; the stored volumes need no replay.
  w.Interface().ClearScripts();
  CheckHandlerNames(w.Handlers());
}

void RegisterScreenHandlers(TMainWindow& window) {
  auto screens = std::make_shared<TScreens>(window);
  screens->Publish(window.Handlers());
  window.KeyDownHook = [screens](const TKeyEvent& key) { return screens->KeyDown(key); };
  window.KeyUpHook = [screens](const TKeyEvent& key) { screens->KeyUp(key); };
  window.PrepareScreensHook = [screens] { screens->PrepareScreens(); };
  window.AfterPointerHook = [screens] { screens->AfterInput(); };
  // Alt+Enter changes the mode behind the options window's back; its boxes must follow, or
  // its OK would switch the mode again.
  window.DisplayChangedHook = [screens] { screens->ShowDisplayBoxes(); };
  window.TitleShownHook = [screens, &window, opened = false]() mutable {
    screens->ShowContinue();
    if (opened || window.RunOptions().SavedGame.empty()) return;
    opened = true;
    screens->OpenSavedGameFile(window.RunOptions().SavedGame);
  };
}

}  // namespace shell
