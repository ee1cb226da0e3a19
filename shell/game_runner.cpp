// shell/game_runner.cpp — starting the platform and the main window, and the frame loop:
// drain the events, run one frame, then pace (window) or move the virtual clock (headless).
#include "shell/game_runner.hpp"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <optional>
#include <random>
#include <thread>

#include "data/error.hpp"
#include "data/files.hpp"
#include "graphics/image.hpp"
#include "graphics/png_codec.hpp"
#include "graphics/surf_engine.hpp"
#include "platform/clock.hpp"
#include "platform/display.hpp"
#include "platform/events.hpp"
#include "platform/memory.hpp"
#include "platform/system.hpp"
#include "shell/autoplay.hpp"
#include "shell/end_state.hpp"
#include "shell/input_replay.hpp"
#include "shell/main_window.hpp"
#include "shell/run_options.hpp"

namespace shell {
namespace {

constexpr const char* kVersionLine = "zerith 1.15";
constexpr size_t kHeapReserve = 128u << 20;  // bytes

TFolders ChooseFolders(const TRunOptions& options) {
  TFolders folders;
  folders.Program = options.DataFolder.empty() ? platform::ProgramFolder() : options.DataFolder;
  if (folders.Program.back() != '/') folders.Program += '/';
  folders.User = platform::IsWritableFolder(folders.Program) ? folders.Program
                                                             : platform::DataHome() + "/zerith/";
  // The first start of an installed copy finds no folder of its own yet; when it cannot be
  // made, writing the log says so.
  std::error_code ec;
  if (folders.User != folders.Program) std::filesystem::create_directories(folders.User, ec);
  return folders;
}

// Keeps a windowed game from spinning when presenting does not wait for the vertical blank.
class TFramePacer {
 public:
  explicit TFramePacer(int hz) : period(std::chrono::microseconds(1000000 / std::max(hz, 1))) {}
  void Wait() {
    const auto now = std::chrono::steady_clock::now();
    if (next > now) std::this_thread::sleep_until(next);
    next = std::max(next, now) + period;
    if (next < std::chrono::steady_clock::now()) next = std::chrono::steady_clock::now();
  }

 private:
  std::chrono::steady_clock::duration period;
  std::chrono::steady_clock::time_point next = std::chrono::steady_clock::now();
};

struct TRun {
  TRun(TRunOptions runOptions, std::ostream& outStream, std::ostream& errStream)
      : options(std::move(runOptions)), out(outStream), err(errStream) {}

  TRunOptions options;
  std::ostream& out;
  std::ostream& err;
  platform::TSdlSession session;
  std::unique_ptr<platform::IClock> systemClock;
  platform::TVirtualClock virtualClock;
  std::unique_ptr<platform::IDisplay> display;
  std::unique_ptr<platform::IEventQueue> events;
  std::unique_ptr<TMainWindow> window;
  std::unique_ptr<TAutoplay> autoplay;
  std::unique_ptr<TInputReplay> replay;
  std::unique_ptr<TInputRecorder> recorder;
  // Scripted windowed runs keep the game clock virtual too: it follows a replay's frame
  // events, else the real time, read once per frame so a recording holds every tick the
  // game saw.
  bool windowedVirtualClock = false;
  std::chrono::steady_clock::time_point realStart = std::chrono::steady_clock::now();
  uint32_t lastRealMs = 0;

  int Start();
  bool StartScript();
  int Loop();
  void BeginFrameClock();
  void DrainEvents();
  void Report(const std::string& message) {
    if (options.Headless)
      err << "zerith: " << message << std::endl;
    else
      platform::ShowErrorBox("Zerith", message, display != nullptr);
  }
};

int TRun::Start() {
  if (!session.Start(options.Headless)) {
    if (options.Headless) {
      err << "zerith: cannot start SDL: " << session.Error() << "\n";
    } else {
      err << "zerith: no display available (" << session.Error()
          << "); use --headless to run without a window\n";
    }
    return 1;
  }
  if (!StartScript()) return 1;
  systemClock = platform::CreateSystemClock();
  events = platform::CreateSdlEventQueue();
  display = options.Headless ? platform::CreateMemoryDisplay() : platform::CreateSdlDisplay();
  platform::TDisplayConfig config;
  config.VSync = !options.NoVSync;
  if (!display->Open(config)) {
    err << "zerith: " << display->LastError() << "\n";
    display.reset();
    Report("Cannot open the game window: the display cannot be set up.");
    return 1;
  }
  if (!options.Seed && replay) options.Seed = replay->Seed();
  if (!options.Seed && !options.Headless) options.Seed = std::random_device{}();
  if (!options.Seed) options.Seed = 1;
  try {
    if (!options.RecordFile.empty()) {
      recorder = std::make_unique<TInputRecorder>(options.RecordFile);
      recorder->Seed(*options.Seed);
    }
  } catch (const std::exception& e) {
    Report(e.what());
    return 1;
  }
  windowedVirtualClock = !options.Headless && (replay || recorder);
  TShellHost host;
  host.Display = display.get();
  host.Clock = options.Headless || windowedVirtualClock
                   ? static_cast<platform::IClock*>(&virtualClock)
                   : systemClock.get();
  host.Events = events.get();
  host.Headless = options.Headless;
  window = std::make_unique<TMainWindow>(host, ChooseFolders(options), options);
  window->ErrorSink = [this](const std::string& message) { Report(message); };
  try {
    window->CreateMainWindow();
    if (!window->PrepareGame()) {
      Report("Cannot set up the display in 32 or 16 bits: " + display->LastError());
      return 1;
    }
  } catch (const std::exception& e) {
    Report(e.what());
    return 1;
  }
  return 0;
}

// Reads --input before anything starts, so a bad file ends the run with its line named.
// NOTE: key names are checked here, which needs the SDL session.
bool TRun::StartScript() {
  if (options.InputFile.empty()) return true;
  try {
    replay = std::make_unique<TInputReplay>(LoadInputScript(options.InputFile));
  } catch (const data::Error& e) {
    const std::string what = e.what();
    // Errors of single events name the line but not the file.
    Report(what.rfind(options.InputFile, 0) == 0 ? what : options.InputFile + ": " + what);
    return false;
  }
  return true;
}

void TRun::BeginFrameClock() {
  const auto real = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now() - realStart);
  const auto realMs = static_cast<uint32_t>(real.count());
  const std::optional<uint32_t> mark = replay ? replay->BeginFrame() : std::nullopt;
  if (mark)
    virtualClock.Set(*mark);
  else if (windowedVirtualClock)
    virtualClock.Advance(realMs - lastRealMs);
  lastRealMs = realMs;
}

void TRun::DrainEvents() {
  platform::TEvent event;
  while (events->Poll(event)) {
    if (recorder) recorder->Event(event, window->Now());
    try {
      window->HandleEvent(event);
    } catch (const std::exception& e) {
      window->ShowError(e.what());
    }
  }
}

int TRun::Loop() {
  if (options.Autoplay) autoplay = std::make_unique<TAutoplay>(options.Mode, options.Levels, out);
  TFramePacer pacer(display->RefreshRateHz());
  // Paced even when presenting claims to wait for the vertical blank: virtual and some remote
  // displays claim it and do not wait. Where it does wait, the pacer finds the time passed.
  const bool pace = !options.Headless && !options.NoVSync;
  // Time each frame's work takes, on the wall clock and in this thread's processor time (which a
  // busy machine's other programs do not stretch); the intro's one-time data load does not count.
  std::chrono::steady_clock::duration slowest{};
  double slowestCpuMs = 0;
  int frame = 0;
  for (; !window->CloseRequested(); ++frame) {
    if (options.Frames >= 0 && frame >= options.Frames) break;
    const bool intro = window->GameState() == rules::gsIntro;
    BeginFrameClock();
    if (recorder) recorder->Frame(window->Now());
    if (autoplay) {
      autoplay->Step(*window, *events);
      if (autoplay->Finished()) window->Close();
    }
    // The built-in player's search for a put is not the game's work: a person's frame has none.
    const auto frameStart = std::chrono::steady_clock::now();
    // Processor time costs a system call; only the built-in player reports it.
    const double cpuStart = autoplay ? platform::ThreadCpuMs() : 0;
    if (replay) replay->Feed(window->Now(), *events);
    DrainEvents();
    try {
      window->FrameTick();
    } catch (const std::exception& e) {
      window->ShowError(e.what());
    }
    if (!intro && window->GameState() != rules::gsIntro) {
      slowest = std::max(slowest, std::chrono::steady_clock::now() - frameStart);
      if (autoplay) slowestCpuMs = std::max(slowestCpuMs, platform::ThreadCpuMs() - cpuStart);
    }
    if (options.ShotEvery > 0 && (frame + 1) % options.ShotEvery == 0) {
      char name[32];
      std::snprintf(name, sizeof name, "frame_%06d.png", frame + 1);
      WriteScreenshot(*window, options.ShotFolder + "/" + name);
    }
    if (options.Headless)
      virtualClock.Advance(options.FrameMs);
    else if (pace)
      pacer.Wait();
    // A headless replay without --frames lasts as long as its file.
    if (options.Headless && options.Frames < 0 && replay && replay->Finished()) break;
  }
  if (autoplay)
    out << "frames " << frame << " slowest "
        << std::chrono::duration_cast<std::chrono::microseconds>(slowest).count() / 1000.0
        << " ms cpu " << slowestCpuMs << " ms" << std::endl;
  return window->ExitStatus();
}

}  // namespace

void WriteScreenshot(TMainWindow& window, const std::string& path) {
  const graphics::TFrameView view = window.SurfEngine().View(graphics::kBackBufferName);
  if (!view.Pixels) throw data::Error("No frame to write to " + path);
  graphics::TImage image;
  image.Width = view.Width;
  image.Height = view.Height;
  image.HasAlpha = false;
  image.Pixels.resize(static_cast<size_t>(view.Width) * view.Height * 3);
  const auto* base = static_cast<const uint8_t*>(view.Pixels);
  for (int y = 0; y < view.Height; ++y)
    for (int x = 0; x < view.Width; ++x) {
      uint8_t* rgb = &image.Pixels[(static_cast<size_t>(y) * view.Width + x) * 3];
      if (view.BitCount == 32) {
        const uint8_t* p = base + static_cast<size_t>(y) * view.PitchBytes + x * 4;
        rgb[0] = p[2], rgb[1] = p[1], rgb[2] = p[0];
      } else {
        uint16_t v;
        std::memcpy(&v, base + static_cast<size_t>(y) * view.PitchBytes + x * 2, 2);
        rgb[0] = static_cast<uint8_t>(((v >> 11) & 31) * 255 / 31);
        rgb[1] = static_cast<uint8_t>(((v >> 5) & 63) * 255 / 63);
        rgb[2] = static_cast<uint8_t>((v & 31) * 255 / 31);
      }
    }
  std::error_code ec;
  const std::filesystem::path parent = std::filesystem::path(path).parent_path();
  if (!parent.empty()) std::filesystem::create_directories(parent, ec);
  data::WriteFileAtomically(path, graphics::EncodePng(image));
}

int RunZerith(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  TRunOptions options;
  try {
    options = ParseRunOptions(args);
  } catch (const data::Error& e) {
    err << "zerith: " << e.what() << "\n";
    return 1;
  }
  if (options.Help) {
    out << RunOptionsHelp();
    return 0;
  }
  if (options.Version) {
    out << kVersionLine << "\n";
    return 0;
  }
  // The pictures (about 50 MB) and the conversion's work buffers fit in the reserve.
  platform::PrepareHeap(kHeapReserve);
  TRun run(options, out, err);
  if (const int status = run.Start(); status != 0) return status;
  int status = run.Loop();
  try {
    if (!options.Screenshot.empty()) WriteScreenshot(*run.window, options.Screenshot);
    if (!options.EndState.empty()) WriteEndState(*run.window, options.EndState);
  } catch (const std::exception& e) {
    err << "zerith: " << e.what() << "\n";
    status = 1;
  }
  try {
    if (run.recorder) run.recorder->Finish();
  } catch (const std::exception& e) {
    err << "zerith: " << e.what() << "\n";
    status = 1;
  }
  try {
    run.window->DestroyMainWindow();
  } catch (const std::exception& e) {
    err << "zerith: " << e.what() << "\n";
    status = 1;
  }
  return status;
}

}  // namespace shell
