// shell/handlers_options.cpp — the options and language windows: showing the stored settings,
// OK and Cancel, the live volume sliders, and choosing a language pack.
#include "data/error.hpp"
#include "data/number_text.hpp"
#include "rules/rules_game.hpp"
#include "shell/handlers_screens.hpp"
#include "shell/main_window.hpp"
#include "shell/options.hpp"

namespace shell {

namespace {
const char* Bool(bool value) {
  return value ? "true" : "false";
}
}  // namespace

void TScreens::ShowDisplayBoxes() {
  const TOptions& options = w.Settings();
  const bool fullScreen = options.FullScreenMode == 1;
  Set("WOptions_CBFullScreen", "Checked", Bool(fullScreen));
  Set("WOptions_CB32bitColor", "Visible", Bool(fullScreen));
  if (fullScreen) Set("WOptions_CB32bitColor", "Checked", Bool(options.BitsPerPixel == 32));
}

void TScreens::ShowOptionsState() {
  const TOptions& options = w.Settings();
  ShowDisplayBoxes();
  Set("WOptions_CBTurnOffHints", "Checked", Bool(options.TurnOffHint == 1));
  Set("WOptions_SMusicVolume", "Position", std::to_string(options.MusicVolume));
  Set("WOptions_SSoundVolume", "Position", std::to_string(options.SoundVolume));
}

void TScreens::WOptions_BOk_MouseUp() {
  TOptions& options = w.Settings();
  options.TurnOffHint = Checked("WOptions_CBTurnOffHints") ? 1 : 0;
  w.SaveOptions();
  const TDisplayChange change = DecideDisplayChange(options, Checked("WOptions_CBFullScreen"),
                                                    Checked("WOptions_CB32bitColor"));
  if (change.DepthChanged) w.SaveOptions();
  if (change.ToggleFullScreen)
    w.ToggleFullScreen();
  else if (change.RebuildDisplay)
    w.RebuildDisplay();
}

void TScreens::WOptions_BCancel_MouseUp() {
  w.LoadOptions();  // undoes the sliders' live changes
  ShowOptionsState();
  ApplyVolumes(w.Settings(), w.Sounds());
}

int TScreens::SliderPosition(const std::string& slider) {
  const std::string text = w.Interface().GetObjectProperty(slider, "Position").value_or("0");
  return data::ParseLenientInt32(text).value_or(0);
}

void TScreens::WOptions_SMusicVolume_Change() {
  ChangeMusicVolume(w.Settings(), w.Sounds(), SliderPosition("WOptions_SMusicVolume"));
}

void TScreens::WOptions_SSoundVolume_Change() {
  const bool introBegun = w.Rules().Game.GameState != rules::gsIntro || w.Clock().SketchAlpha > 0;
  ChangeSoundVolume(w.Settings(), w.Sounds(), SliderPosition("WOptions_SSoundVolume"), introBegun);
}

void TScreens::WLanguage_BOk_MouseUp() {
  std::vector<std::string> problems;
  if (w.Languages().ChooseCheckedLanguage(problems)) w.RefreshNumberCaptions();
  if (problems.empty()) return;
  std::string message;
  for (const std::string& line : problems) message += (message.empty() ? "" : "\n") + line;
  w.ShowError(message);
}

}  // namespace shell
