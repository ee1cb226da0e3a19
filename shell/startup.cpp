// shell/startup.cpp — the start-up in two halves (the window's creation and the preparation on
// its first activation) and the shutdown, with the log lines each step writes.
#include <cstdio>
#include <filesystem>

#include "data/error.hpp"
#include "data/file_folder.hpp"
#include "data/rounding.hpp"
#include "fx/particle_effect.hpp"
#include "fx/piecewise_func.hpp"
#include "fx/random.hpp"
#include "graphics/resource_list.hpp"
#include "platform/audio.hpp"
#include "platform/display.hpp"
#include "platform/sdl_audio.hpp"
#include "platform/system.hpp"
#include "shell/main_window.hpp"
#include "shell/screen_handlers.hpp"
#include "shell/splash.hpp"
#include "shell/working_copies.hpp"

namespace shell {
namespace {

constexpr const char* kVersionText = "1.15";

// The entry's stream rewound to 0; the start-up's own message when it is missing.
data::TMemoryStream& GetArchiveStream(data::TFileFolder& archive, const std::string& name) {
  data::TMemoryStream* stream = archive.GetFileStream(name);
  if (!stream) throw data::Error("Can not find " + name + "in file folder");
  return *stream;
}

std::unique_ptr<fx::TOrlParticleEffect> LoadTemplate(data::TFileFolder& archive,
                                                     const std::string& name) {
  auto effect = std::make_unique<fx::TOrlParticleEffect>();
  effect->LoadFromStream(&GetArchiveStream(archive, name));
  return effect;
}

// Where the contour path of "FPosition" ends: how far a clearing piece rises as it fades.
int ContourLengthOf(const fx::TOrlParticleEffect& contour) {
  const int index = contour.FunctionIndex("FPosition");
  const auto* path = dynamic_cast<const fx::TOrlPiecewiseFunc*>(contour.Function(index));
  if (!path || path->PieceCount() == 0) return 0;
  const fx::TVector end = path->Pieces().back().Point(3);
  return data::RoundHalfEven(end.x);
}

}  // namespace

void TMainWindow::StartAudio() {
  std::string failure;
  // A device that does not open still gives a silent one, with the reason to log.
  if (!host.Headless) audio = platform::OpenSdlAudio(failure);
  if (!failure.empty()) WriteLog(failure);
  if (!audio) audio = platform::CreateNullAudio();
  audio->SetGlobalVolumes(settings.MusicVolume, settings.SoundVolume);
  audio->Start();
  sounds = std::make_unique<TSoundTable>(*audio);
}

void TMainWindow::CreateMainWindow() {
  log->Restart();
  clock = TFrameClock{};
  WriteLog(std::string("Zerith Version: ") + kVersionText);
  WriteLog("System Information");
  WriteLog("   OS Version: " + platform::GetOSName());
  WriteLog("   Processor: " + platform::GetProcessorName());
  WriteLog("   Total Memory: " + std::to_string(platform::TotalMemoryBytes() >> 20) + " Mb");
  WriteLog("Form Create Method runed.");
  if (folders.User != folders.Program)
    WriteLog("Program folder is read-only; files are written to " + folders.User);

  const uint32_t seed = options.Seed ? *options.Seed : Now();
  game = std::make_unique<rules::TRulesGame>(catalogues, *this, seed);
  resources = std::make_unique<graphics::TResourceList>(3, folders.Program, surfaces);
  LoadOptions();
  StartAudio();
  WriteLog("Bass init Ok...");

  {
    TSplash splash(*host.Display);
    const std::vector<TArchiveJob> jobs = {
        {folders.Program + "game/game.zxc", folders.User + "temp/game.zxc"},
        {folders.Program + "levels/levels.zxc", folders.User + "temp/levels.zxc"}};
    PrepareWorkingCopies(jobs, [&splash](const std::string& archive, int percent) {
      splash.Show(std::filesystem::path(archive).filename().string(), percent);
    });
  }
  levelArchive =
      resources
          ->Folders()[static_cast<size_t>(resources->AddFolder(folders.User + "temp/levels.zxc"))]
          .get();
  gameArchive =
      resources
          ->Folders()[static_cast<size_t>(resources->AddFolder(folders.User + "temp/game.zxc"))]
          .get();
  WriteLog("File Folders morfed Ok...");
  LogProblems(sounds->LoadSoundCatalogue(*gameArchive, kSoundCatalogue, TSoundKind::Sample));

  fontEngine = std::make_unique<ui::TOrlFontEngine>();
  fontEngine->Graphic = graphic;
  interfaceEngine = std::make_unique<ui::TOrlInterfaceEngine>();
  interfaceEngine->Graphic = graphic;
  interfaceEngine->FontEngine = fontEngine.get();
  interfaceEngine->Host = &handlers;
  interfaceEngine->Clock = [this] { return Now(); };
  interfaceEngine->Clipboard = ClipboardFor(host.Headless);
#ifdef ZERITH_SCREEN_HANDLERS
  RegisterScreenHandlers(*this);
#endif

  fontEngine->LoadFromStream(GetArchiveStream(*gameArchive, "OrlUnicode.xml"));
  WriteLog("Orl Font Loaded Ok...");
  if (data::TMemoryStream* li = gameArchive->GetFileStream("Slider.li"))
    interfaceEngine->LoadFromStream(*li);
  WriteLog("Orl Interface Loaded Ok...");
  ApplyLanguage(true);
  interfaceEngine->HideModalList();
  LoadOptions();
}

bool TMainWindow::PrepareGame() {
  WriteLog("Prepare for Game run...");
  std::error_code ec;
  std::filesystem::create_directories(folders.User + "saves", ec);
  clock.IntroStart = UINT32_MAX;

  templates[0] = LoadTemplate(*gameArchive, rules::kEffectSlotFiles[0]);
  contourLength = ContourLengthOf(*templates[0]);
  for (int slot = 1; slot < rules::kEffectSlotCount; ++slot)
    templates[static_cast<size_t>(slot)] =
        LoadTemplate(*gameArchive, rules::kEffectSlotFiles[slot]);
  WriteLog("Effects Type Loaded Ok...");

  int depth = settings.BitsPerPixel == 16 ? 16 : 32;
  if (!host.Display->SetupDisplay(depth, settings.FullScreenMode == 1)) {
    WriteLog(host.Display->LastError());
    depth = 16;
    if (!host.Display->SetupDisplay(depth, settings.FullScreenMode == 1)) {
      WriteLog(host.Display->LastError());
      return false;
    }
  }
  WriteLog("Init Direct Draw Ok...");

  surfaces.Create(depth, 800, 600);
  surfaces.CreateBlank(graphics::kBackBufferName, 800, 600);
  surfaces.CreateBlank("Background", 800, 600);
  game->ScrollY = game->CurrentY = game->ScrollTarget = 0;
  game->ScrollX = 0;

  resources->RegisterStartupPictures(gameArchive->FileName(), levelArchive->FileName());
  WriteLog("Pictures from Folder Load Ok...");
  resources->ReinitSurfaces(3);
  WriteLog("resource List Reinit Surfaces Ok...");
  surfaces.GetPictureSize("cursor_line.png", cursorWidth, cursorHeight);
  cursorWidth = 40;

  LogProblems(sounds->LoadSoundCatalogue(*gameArchive, kMusicCatalogue, TSoundKind::Music));
  PlayMusic(std::string(kMenuMusic));

  interfaceEngine->HideModalList();
  interfaceEngine->Clear();
  if (data::TMemoryStream* li = gameArchive->GetFileStream("Slider.li"))
    interfaceEngine->LoadFromStream(*li);
  ApplyLanguage(false);
  WriteLog("Changed Language Ok...");
  if (PrepareScreensHook) PrepareScreensHook();

  clock.LastFpsTick = Now();
  prepared = true;
  Activate(true);

  surfaces.Clear(graphics::kBackBufferName, 0);
  game->Game.Score = 0;
  game->Game.Danger = false;
  game->Game.Mode = rules::kStrategy;
  clock.CursorFrameTime = 50;
  SetObjectProperty("WGame_LScoreCount", "Caption", "1");
  SetObjectProperty("WGame_PBDead", "Position", "0");
  surfaces.SetConstantAlpha("Title.jpg", 255);
  surfaces.SetConstantAlpha("TitleSketch.jpg", 255);
  game->Game.GameState = rules::gsIntro;
  clock.IntroStart = Now();
  WriteLog("Game Started...");
  return true;
}

void TMainWindow::DestroyMainWindow() {
  char fps[32];
  std::snprintf(fps, sizeof fps, "%.3g", clock.AverageFps);
  WriteLog(std::string("Everage FPS: ") + fps);
  prepared = false;
  try {
    SaveOptions();
  } catch (const std::exception& e) {
    ShowError(e.what());
  }
  surfaces = graphics::TSurfEngine();
  host.Display->ReleaseDisplay();
  gameArchive = levelArchive = nullptr;
  resources.reset();
  game.reset();
  sounds->Clear();
  audio->Stop();
  for (auto& t : templates) t.reset();
}

}  // namespace shell
