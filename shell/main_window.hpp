// shell/main_window.hpp — the game's main window: owns the engines, archives, effect templates
// and the running game, runs the frame loop, and serves the rules and the interface toolkit.
//
// How the screens' handlers (shell/handlers_*.cpp) reach the game:
//   - RegisterScreenHandlers(TMainWindow&) (shell/screen_handlers.hpp) is called once when the
//     interface is set up; it publishes every handler into Handlers() by its interface name.
//   - Rules() is the running game (its TGame record holds GameState, Mode, Score, Level, ...);
//     SetGameState changes the state and rebuilds the cached background as every state change
//     must. MarkPause / ResumeTimers bracket any pause of play.
//   - Interface() is the interface engine (ShowModal, HideTop, SetObjectProperty, Sender, ...).
//   - KeyDownHook / KeyUpHook receive every key before the interface engine does (keyboard
//     shortcuts); Close() ends the program after the current frame.
//   - ProgramFolder() holds the shipped data, UserFolder() what the game writes (saves, scores,
//     options, log); they are the same folder unless the program's folder is read-only.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "graphics/surf_engine.hpp"
#include "rules/catalogues.hpp"
#include "rules/rules_game.hpp"
#include "rules/services.hpp"
#include "shell/frame_clock.hpp"
#include "shell/game_log.hpp"
#include "shell/language.hpp"
#include "shell/options.hpp"
#include "shell/run_options.hpp"
#include "shell/sound_table.hpp"
#include "shell/window_graphic.hpp"
#include "ui/interface_engine.hpp"
#include "ui/method_table.hpp"
#include "ui/orl_font_engine.hpp"

namespace data {
class TFileFolder;
}
namespace fx {
class TOrlParticleEffect;
}
namespace graphics {
class TResourceList;
}
namespace platform {
class IAudio;
class IClock;
class IDisplay;
class IEventQueue;
struct TEvent;
}  // namespace platform

namespace shell {

// What the window runs on; none of it is owned.
struct TShellHost {
  platform::IDisplay* Display = nullptr;
  platform::IClock* Clock = nullptr;
  platform::IEventQueue* Events = nullptr;
  bool Headless = false;  // no desktop: errors go to stderr, no message boxes
};

// Where the game's files are; both end with '/'.
struct TFolders {
  std::string Program;  // shipped data: game/, levels/, lng/
  std::string User;     // written data: temp/, saves/, options, scores, log
};

struct TKeyEvent {
  uint16_t Key = 0;   // virtual-key code
  uint8_t Shift = 0;  // ui shift state
  bool Repeat = false;
};

class TMainWindow final : public rules::TRulesServices {
 public:
  TMainWindow(TShellHost host, TFolders folders, TRunOptions options);
  ~TMainWindow() override;
  TMainWindow(const TMainWindow&) = delete;
  TMainWindow& operator=(const TMainWindow&) = delete;

  // Start-up (startup.cpp). CreateMainWindow raises data::Error when the archives, the font or
  // the interface cannot be prepared; PrepareGame returns false when there is no display.
  void CreateMainWindow();
  bool PrepareGame();
  void DestroyMainWindow();

  // Frame loop (frame_loop.cpp).
  void FrameTick();
  void UpdateFrame(uint32_t now);
  void HandleEvent(const platform::TEvent& event);
  void MarkPause();
  void ResumeTimers();
  // Shows an error that reached the top in a message box (stderr headless); play goes on.
  void ShowError(const std::string& message);

  // Frame composition (frame_draw.cpp).
  void DrawFrame();
  void PresentFrame();
  void RebuildBackground();
  void SetGameState(int state);  // and rebuilds the cached background

  void Close() { closeRequested = true; }
  bool CloseRequested() const { return closeRequested; }
  void LoadOptions();  // from "options.cfg"; problems go to the log
  void SaveOptions();  // raises data::Error when the file cannot be written
  // The captions the game fills with numbers (shifts, shuffles, level, score, puts left).
  void RefreshNumberCaptions();
  // Shows the error and ends the run with status 1 (the game cannot go on without it).
  void Fail(const std::string& message);
  int ExitStatus() const { return exitStatus; }
  // Full screen and back (Alt+Enter, the options window): rebuilds the display and every surface.
  void ToggleFullScreen();
  // The same rebuild in the colour depth the options now hold, without changing the mode.
  void RebuildDisplay();

  // State the screens and the built-in player work with.
  rules::TRulesGame& Rules() { return *game; }
  const rules::TCatalogues& Catalogues() const { return catalogues; }
  int GameState() const { return game->Game.GameState; }
  ui::TOrlInterfaceEngine& Interface() { return *interfaceEngine; }
  ui::TOrlFontEngine& Fonts() { return *fontEngine; }
  graphics::TSurfEngine& SurfEngine() { return surfaces; }
  ui::TOrlMethodTable& Handlers() { return handlers; }
  TOptions& Settings() { return settings; }
  TSoundTable& Sounds() { return *sounds; }
  TLanguages& Languages() { return *languages; }
  TFrameClock& Clock() { return clock; }
  TGameLog& Log() { return *log; }
  const TFolders& Folders() const { return folders; }
  const std::string& ProgramFolder() const { return folders.Program; }
  const std::string& UserFolder() const { return folders.User; }
  const TRunOptions& RunOptions() const { return options; }
  const TShellHost& Host() const { return host; }
  int MouseX() const { return mouseX; }
  int MouseY() const { return mouseY; }
  data::TFileFolder* GameArchive() const { return gameArchive; }
  data::TFileFolder* LevelArchive() const { return levelArchive; }

  std::function<bool(const TKeyEvent&)> KeyDownHook;  // true: the key was a shortcut
  std::function<void(const TKeyEvent&)> KeyUpHook;
  std::function<void()> PrepareScreensHook;  // run once the interface is loaded for play
  std::function<void()> AfterPointerHook;    // after a pointer press reached the game
  std::function<void()> TitleShownHook;      // once the intro gives way to the title
  std::function<void()> DisplayChangedHook;  // after the display and its surfaces were rebuilt
  // Headless: where error messages go instead of an error box (stderr when empty).
  std::function<void(const std::string&)> ErrorSink;

  // rules::TRulesServices
  uint32_t Now() override;
  uint32_t FrameStartTick() override { return clock.FrameTime; }
  data::TFileFolder& Archive(rules::TArchiveKind archive) override;
  void SaveArchive(rules::TArchiveKind archive) override;
  bool HasPicture(const std::string& name) override;
  void LoadPngFromFolder(rules::TArchiveKind archive, const std::string& name,
                         const std::string& entryName) override;
  void LoadJpgFromFolder(rules::TArchiveKind archive, const std::string& name,
                         const std::string& entryName) override;
  rules::TPictureSize GetPictureSize(const std::string& name) override;
  void RenderAutoImage(const std::string& autoImageText, rules::TArchiveKind archive) override;
  void PlaySound(const std::string& name) override;
  void PlayMusic(const std::string& name) override;
  void StopMusic() override;
  std::string PlayingMusic() override { return sounds ? sounds->CurrentMusic : std::string(); }
  bool SetObjectProperty(const std::string& object, const std::string& property,
                         const std::string& value) override;
  void ShowHint(const std::string& hint) override;
  void ShowHintAt(const std::string& hint, int x, int y) override;
  void ShowWindow(const std::string& window) override;
  void PresentScreen() override;
  void InvalidateBackground() override { backgroundStale = true; }
  void ForwardMouseMove(int x, int y) override;
  void ForwardMouseDown(int button, bool shiftHeld) override;
  void ForwardMouseWheel(int delta) override;
  const fx::TOrlParticleEffect* EffectTemplate(int slot) override;
  void WriteLog(const std::string& line) override { log->WriteLog(line); }
  // Board drawing (board_frame.cpp).
  void DrawPicture(const std::string& picture, const std::string& target, int x, int y, int alpha,
                   const rules::TSourceRect& source, uint32_t color, int mix) override;
  void DrawText(const std::string& text, const std::string& target, int x, int y, int alpha,
                uint32_t color) override;
  int ContourLength() override { return contourLength; }

  // The toolkit's drawing and sound host (ui::IOrlGraphic) over the surface engine.
  TWindowGraphic& Graphic() { return *graphic; }

 private:
  friend class TStartup;
  void IntroTimeline(uint32_t now);
  void DrawBoardBackground(const std::string& target);
  void DrawBoardScene(const std::string& target);
  void DrawBoardLive(const std::string& target);
  void DrawScreenEffects(const std::string& target);
  std::string TopFormName() const;
  uint8_t Shift() const;  // ui shift state of the held keys and buttons
  void ApplyLanguage(bool fromRegistry);
  void LogProblems(const std::vector<std::string>& problems);
  void PauseAudio(bool paused);
  void StartAudio();
  ui::IOrlClipboard* ClipboardFor(bool headless);
  void SampleFps(uint32_t now);
  void DrawFrozenScene();
  void DrawCursor();
  void DrawFpsText();
  void DrawHandPiece();
  void RouteMouse(const platform::TEvent& event);
  void RouteKey(const platform::TEvent& event);
  void Activate(bool active);
  void ShowLoadingProgress(int percent);
  void RebuildSurfaces();

  TShellHost host;
  TFolders folders;
  TRunOptions options;
  TOptions settings;
  TFrameClock clock;
  std::unique_ptr<TGameLog> log;

  graphics::TSurfEngine surfaces;
  std::shared_ptr<TWindowGraphic> graphic;
  std::unique_ptr<graphics::TResourceList> resources;  // owns both archives
  data::TFileFolder* gameArchive = nullptr;
  data::TFileFolder* levelArchive = nullptr;
  std::unique_ptr<ui::TOrlFontEngine> fontEngine;
  std::unique_ptr<ui::TOrlInterfaceEngine> interfaceEngine;
  ui::TOrlMemoryClipboard memoryClipboard;
  std::unique_ptr<ui::IOrlClipboard> desktopClipboard;
  ui::TOrlMethodTable handlers;
  std::array<std::unique_ptr<fx::TOrlParticleEffect>, rules::kEffectSlotCount> templates;
  rules::TCatalogues catalogues;
  std::unique_ptr<rules::TRulesGame> game;

  std::unique_ptr<platform::IAudio> audio;
  std::unique_ptr<TSoundTable> sounds;  // NOTE: emptied before the audio device goes
  std::unique_ptr<TLanguages> languages;
  int contourLength = 0;
  int cursorWidth = 40;  // px of one frame of "cursor_line.png"
  int cursorHeight = 0;
  int mouseX = 400;
  int mouseY = 300;
  uint8_t mouseButtons = 0;  // ui shift bits of the held buttons
  uint8_t keyMods = 0;       // ui shift bits of the held keys
  bool prepared = false;
  bool active = true;
  bool backgroundStale = false;
  bool closeRequested = false;
  int exitStatus = 0;
  int lastClicks = 1;
  bool inErrorBox = false;
};

}  // namespace shell
