// shell/display_change.cpp — switching between full screen and window, and changing the colour
// depth: the display is set up again and every surface rebuilt in the new depth, with the
// loading bar showing the progress.
#include "data/file_folder.hpp"
#include "graphics/surf_engine.hpp"
#include "platform/display.hpp"
#include "shell/main_window.hpp"
#include "ui/form.hpp"

namespace shell {
namespace {

std::string PropertyOr(ui::TOrlInterfaceEngine& ui, const std::string& object,
                       const std::string& property) {
  try {
    return ui.GetObjectProperty(object, property).value_or("");
  } catch (const std::exception&) {
    return {};
  }
}

}  // namespace

void TMainWindow::ToggleFullScreen() {
  const bool playing = GameState() == rules::gsGamePlay;
  if (playing) MarkPause();
  settings.FullScreenMode = 1 - settings.FullScreenMode;
  SaveOptions();
  RebuildSurfaces();
  if (playing) ResumeTimers();
}

void TMainWindow::RebuildDisplay() {
  const bool playing = GameState() == rules::gsGamePlay;
  if (playing) MarkPause();
  RebuildSurfaces();
  if (playing) ResumeTimers();
}

void TMainWindow::RebuildSurfaces() {
  host.Display->ReleaseDisplay();
  // Every picture is read again from its archive or file: a 16-bit copy of a 32-bit surface
  // would lose its colours for good when the player switches back.
  surfaces.ReleaseSurfaces();
  int depth = settings.BitsPerPixel == 16 ? 16 : 32;
  if (!host.Display->SetupDisplay(depth, settings.FullScreenMode == 1)) {
    WriteLog(host.Display->LastError());
    depth = 16;
    if (!host.Display->SetupDisplay(depth, settings.FullScreenMode == 1)) {
      Fail("Cannot set up the display again: " + host.Display->LastError());
      return;
    }
  }
  if (depth != settings.BitsPerPixel) WriteLog("The display runs in 16-bit colour");
  surfaces.Create(depth, 800, 600);
  surfaces.OnProgress = [this](int percent) { ShowLoadingProgress(percent); };
  const std::string first =
      PropertyOr(*interfaceEngine, "WGameLoading_PBGameLoading", "BarPicture") + " " +
      PropertyOr(*interfaceEngine, "WGameLoading_PBGameLoading", "Picture") + " OrlUnicode.png";
  surfaces.ReloadSurfaces(gameArchive, levelArchive, first, 800, 600);
  surfaces.OnProgress = nullptr;
  if (catalogues.Loaded) catalogues.ReloadPiecePictures(*this);
  game->ForgetPictureSizes();
  RebuildBackground();
  DrawFrame();
  if (DisplayChangedHook) DisplayChangedHook();
}

void TMainWindow::ShowLoadingProgress(int percent) {
  if (!SetObjectProperty("WGameLoading_PBGameLoading", "Position", std::to_string(percent))) return;
  auto* window = dynamic_cast<ui::TOrlForm*>(interfaceEngine->FindObject("WGameLoading"));
  if (!window ||
      !HasPicture(PropertyOr(*interfaceEngine, "WGameLoading_PBGameLoading", "BarPicture")))
    return;
  surfaces.Clear(graphics::kBackBufferName, 0);
  window->Paint();
  PresentFrame();
}

}  // namespace shell
