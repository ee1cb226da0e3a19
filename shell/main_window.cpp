// shell/main_window.cpp — the main window's life and the services it gives the game rules.
#include "shell/main_window.hpp"

#include "data/error.hpp"
#include "data/file_folder.hpp"
#include "data/memory_stream.hpp"
#include "fx/particle_effect.hpp"
#include "graphics/png_morf.hpp"
#include "graphics/resource_list.hpp"
#include "platform/audio.hpp"
#include "platform/clock.hpp"
#include "platform/config_paths.hpp"
#include "platform/display.hpp"
#include "platform/system.hpp"

namespace shell {

TMainWindow::TMainWindow(TShellHost shellHost, TFolders where, TRunOptions runOptions)
    : host(shellHost), folders(std::move(where)), options(std::move(runOptions)) {
  log = std::make_unique<TGameLog>(folders.User + "Zerith.log", [this] { return Now(); });
  graphic = std::make_shared<TWindowGraphic>(
      surfaces, [this](const std::string& sound) { PlaySound(sound); });
}

TMainWindow::~TMainWindow() {
  // The interface engine's objects may still hold scripts naming handlers; drop them first.
  languages.reset();
  interfaceEngine.reset();
  sounds.reset();
  audio.reset();
  fontEngine.reset();
  game.reset();
}

uint32_t TMainWindow::Now() {
  return host.Clock->Ticks();
}

data::TFileFolder& TMainWindow::Archive(rules::TArchiveKind archive) {
  data::TFileFolder* folder = archive == rules::TArchiveKind::Game ? gameArchive : levelArchive;
  if (!folder) throw data::Error("The game's archives are not open");
  return *folder;
}

void TMainWindow::SaveArchive(rules::TArchiveKind archive) {
  Archive(archive).Save();
}

bool TMainWindow::HasPicture(const std::string& name) {
  return surfaces.IndexOf(name) >= 0;
}

void TMainWindow::LoadPngFromFolder(rules::TArchiveKind archive, const std::string& name,
                                    const std::string& entryName) {
  surfaces.LoadPngFromFolder(Archive(archive), name, entryName);
}

void TMainWindow::LoadJpgFromFolder(rules::TArchiveKind archive, const std::string& name,
                                    const std::string& entryName) {
  surfaces.LoadJpgFromFolder(Archive(archive), name, entryName);
}

rules::TPictureSize TMainWindow::GetPictureSize(const std::string& name) {
  rules::TPictureSize size;
  surfaces.GetPictureSize(name, size.Width, size.Height);
  return size;
}

void TMainWindow::RenderAutoImage(const std::string& autoImageText, rules::TArchiveKind archive) {
  data::TMemoryStream text(autoImageText);
  data::TMemoryStream work;
  graphics::TPNGMorf(80).RenderAutoImage(text, Archive(archive), work);
}

void TMainWindow::PlaySound(const std::string& name) {
  if (sounds) sounds->PlayByName(name, settings.MusicVolume, 0, settings.SoundVolume);
}

void TMainWindow::PlayMusic(const std::string& name) {
  if (sounds) sounds->PlayByName(name, settings.MusicVolume, 0, settings.SoundVolume);
}

void TMainWindow::StopMusic() {
  if (!sounds) return;
  const int index = sounds->FindSound(sounds->CurrentMusic);
  if (index >= 0) audio->StopMusic(sounds->Entries()[static_cast<size_t>(index)].Handle);
  sounds->CurrentMusic.clear();
}

bool TMainWindow::SetObjectProperty(const std::string& object, const std::string& property,
                                    const std::string& value) {
  return interfaceEngine && interfaceEngine->SetObjectProperty(object, property, value);
}

void TMainWindow::ShowHint(const std::string& hint) {
  if (interfaceEngine) interfaceEngine->ShowHint(hint);
}

void TMainWindow::ShowHintAt(const std::string& hint, int x, int y) {
  if (interfaceEngine) interfaceEngine->ShowHintAt(hint, x, y);
}

void TMainWindow::ShowWindow(const std::string& window) {
  if (interfaceEngine) interfaceEngine->ShowModal(window);
}

void TMainWindow::PresentScreen() {
  DrawFrame();
  PresentFrame();
}

void TMainWindow::ForwardMouseMove(int x, int y) {
  if (interfaceEngine)
    interfaceEngine->MouseMove(static_cast<uint8_t>(mouseButtons | keyMods), x, y);
}

void TMainWindow::ForwardMouseDown(int button, bool shiftHeld) {
  if (!interfaceEngine) return;
  const ui::TMouseButton b = button == rules::TRulesGame::kRightButton ? ui::mbRight : ui::mbLeft;
  uint8_t shift = static_cast<uint8_t>(mouseButtons | keyMods);
  if (shiftHeld) shift |= ui::ssShift;
  interfaceEngine->MouseDown(b, shift, mouseX, mouseY);
}

void TMainWindow::ForwardMouseWheel(int delta) {
  if (!interfaceEngine) return;
  bool handled = false;
  interfaceEngine->MouseWheel(keyMods, delta, mouseX, mouseY, handled);
}

const fx::TOrlParticleEffect* TMainWindow::EffectTemplate(int slot) {
  if (slot < 0 || slot >= rules::kEffectSlotCount) return nullptr;
  return templates[static_cast<size_t>(slot)].get();
}

void TMainWindow::ShowError(const std::string& message) {
  if (inErrorBox) return;  // a box never opens over another one
  inErrorBox = true;
  if (host.Headless && ErrorSink)
    ErrorSink(message);
  else
    platform::ShowErrorBox("Zerith", message, !host.Headless);
  inErrorBox = false;
}

}  // namespace shell

namespace shell {
namespace {

// Edits copy and paste through the desktop's clipboard.
class TDesktopClipboard final : public ui::IOrlClipboard {
 public:
  std::string GetText() override { return platform::GetClipboardText(); }
  void SetText(std::string_view text) override { platform::SetClipboardText(std::string(text)); }
};

}  // namespace

ui::IOrlClipboard* TMainWindow::ClipboardFor(bool headless) {
  if (headless) return &memoryClipboard;
  if (!desktopClipboard) desktopClipboard = std::make_unique<TDesktopClipboard>();
  return desktopClipboard.get();
}

void TMainWindow::LoadOptions() {
  std::vector<std::string> problems;
  settings = shell::LoadOptions(folders.User + std::string(kOptionsFile), problems);
  LogProblems(problems);
}

void TMainWindow::SaveOptions() {
  shell::SaveOptions(folders.User + std::string(kOptionsFile), settings);
}

void TMainWindow::LogProblems(const std::vector<std::string>& problems) {
  for (const std::string& line : problems) WriteLog(line);
}

void TMainWindow::ApplyLanguage(bool fromRegistry) {
  if (!languages)
    languages = std::make_unique<TLanguages>(
        *interfaceEngine, folders.Program + std::string(kLanguageFolder), UserValuesFile());
  if (fromRegistry) languages->LoadLanguageFromRegistry();
  languages->BuildLanguageList();
  LogProblems(languages->ApplyLanguage());
  RefreshNumberCaptions();
}

void TMainWindow::RefreshNumberCaptions() {
  if (!game) return;
  const rules::TGame& g = game->Game;
  SetObjectProperty("WGame_LShiftCount", "Caption", std::to_string(g.Shifts));
  SetObjectProperty("WGame_LShuffleCount", "Caption", std::to_string(g.Shuffles));
  SetObjectProperty("WGame_LLevelCount", "Caption", std::to_string(g.Level));
  SetObjectProperty("WGame_LScoreCount", "Caption", std::to_string(g.Score));
  SetObjectProperty("WGame_LPutsLeftCount", "Caption", std::to_string(game->Level.PutLeft));
}

void TMainWindow::PauseAudio(bool paused) {
  if (!audio) return;
  if (paused)
    audio->Pause();
  else
    audio->Start();
}

}  // namespace shell
