// bench/shell_bench.cpp — the running game's frame budgets on the shipped content: a frame of
// a level in play (32 and 16 bits) and a frame of the title screen, each UpdateFrame plus
// DrawFrame on the headless main window.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>

#include "platform/clock.hpp"
#include "platform/display.hpp"
#include "platform/events.hpp"
#include "rules/effect_runner.hpp"
#include "rules/part_effect.hpp"
#include "shell/autoplay.hpp"
#include "shell/main_window.hpp"

namespace {

namespace fs = std::filesystem;

constexpr uint32_t kFrameMs = 16;
constexpr int kRunningEffects = 3;
constexpr int kBoardPieces = 40;

// A copy of the shipped game folder, so the benchmark's temp/, log and options stay its own.
fs::path GameFolder(int depth) {
  static int made = 0;
  const fs::path folder =
      fs::temp_directory_path() /
      ("zerith_shell_bench_" + std::to_string(::getpid()) + "_" + std::to_string(++made));
  fs::remove_all(folder);
  fs::create_directories(folder);
  for (const char* part : {"game", "levels", "lng"})
    fs::copy(fs::path(ZERITH_BENCH_PROGRAM) / part, folder / part, fs::copy_options::recursive);
  // 16 bits are a full-screen choice; the memory display takes either.
  if (depth == 16)
    std::ofstream(folder / "options.cfg") << "[Options]\nFullScreenMode=1\n"
                                             "BitsPerPixel=16\n";
  return folder;
}

class TBenchGame {
 public:
  explicit TBenchGame(int depth)
      : folder(GameFolder(depth)),
        display(platform::CreateMemoryDisplay()),
        events(platform::CreateMemoryEventQueue()) {
    display->Open({});
    shell::TRunOptions options;
    options.Headless = true;
    options.Seed = 5;
    const std::string path = folder.string() + "/";
    window = std::make_unique<shell::TMainWindow>(
        shell::TShellHost{display.get(), &clock, events.get(), true}, shell::TFolders{path, path},
        options);
    window->CreateMainWindow();
    if (!window->PrepareGame()) throw std::runtime_error("no display");
    for (int i = 0; i < 2000 && window->GameState() != rules::gsTitle; ++i) Frame();
  }
  ~TBenchGame() {
    try {
      window->DestroyMainWindow();
    } catch (const std::exception&) {
      // The measurements are taken; a log that cannot be closed changes none of them.
    }
    std::error_code ec;
    fs::remove_all(folder, ec);
  }

  // The built-in player starts a Puzzle game and puts pieces until the board holds enough.
  void Play() {
    std::ostringstream lines;
    shell::TAutoplay player(2, -1, lines);
    for (int i = 0; i < 20000 && !(InPlay() && BoardPieces() >= kBoardPieces); ++i) {
      player.Step(*window, *events);
      KeepRising();
      Frame();
    }
    if (!InPlay()) throw std::runtime_error("the built-in player did not reach play");
  }

  // One frame as the loop runs it, without presenting.
  void Frame() {
    platform::TEvent e;
    while (events->Poll(e)) window->HandleEvent(e);
    clock.Advance(kFrameMs);
    window->UpdateFrame(clock.Ticks());
    window->DrawFrame();
  }

  bool InPlay() { return window->GameState() == rules::gsGamePlay; }
  int BoardPieces() {
    int count = 0;
    for (int i = 0; i < window->Rules().PieceCount(); ++i)
      count += window->Rules().Piece(i).State == rules::kOnBoard;
    return count;
  }
  // Keeps the dead line from rising while measuring, so the level stays as it is.
  void KeepRising() {
    auto& rules = window->Rules();
    if (InPlay() && BoardPieces() >= kBoardPieces)
      rules.Level.MoveDeadline = static_cast<rules::TTick>(clock.Ticks()) + 60000;
  }
  // Tops the screen's effects up to three running ones.
  void KeepEffects() {
    auto& effects = window->Rules().Game.ScreenEffects;
    std::erase_if(effects, [](const rules::TPartEffect& e) { return !e.Effect; });
    static const int kSlots[] = {rules::kSlotClickHere, rules::kSlotGiveBonus, rules::kSlotSwap};
    while (static_cast<int>(effects.size()) < kRunningEffects) {
      rules::TPartEffect entry;
      entry.Name = "BenchEffect";
      entry.ImageName = "particle1.png";
      entry.X = 200 + 150 * static_cast<int>(effects.size());
      entry.Y = 300;
      entry.Clip = rules::kFullScreenClip;
      entry.StartAt = clock.Ticks();
      rules::StartPartEffect(entry, window->EffectTemplate(kSlots[effects.size()]), clock.Ticks());
      effects.push_back(std::move(entry));
    }
  }

  fs::path folder;
  platform::TVirtualClock clock;
  std::unique_ptr<platform::IDisplay> display;
  std::unique_ptr<platform::IEventQueue> events;
  std::unique_ptr<shell::TMainWindow> window;
};

// Benchmark functions run several times to size their loops: the games are set up once.
TBenchGame& Game(int depth, bool playing) {
  static std::map<std::pair<int, bool>, std::unique_ptr<TBenchGame>> games;
  auto& game = games[{depth, playing}];
  if (!game) {
    game = std::make_unique<TBenchGame>(depth);
    if (playing) game->Play();
  }
  return *game;
}

void PlayFrame(benchmark::State& state, int depth) {
  TBenchGame& game = Game(depth, true);
  game.KeepEffects();
  for (auto _ : state) {
    game.KeepRising();
    game.Frame();
    if (game.window->Rules().Game.ScreenEffects.size() < kRunningEffects) {
      state.PauseTiming();
      game.KeepEffects();
      state.ResumeTiming();
    }
  }
  state.counters["pieces"] = game.BoardPieces();
  if (!game.InPlay()) state.SkipWithError("the level ended while measuring");
  if (game.window->SurfEngine().View(graphics::kBackBufferName).BitCount != depth)
    state.SkipWithError("the back buffer is not in the depth asked for");
}

void BM_PlayFrame(benchmark::State& state) {
  PlayFrame(state, 32);
}
void BM_PlayFrame16(benchmark::State& state) {
  PlayFrame(state, 16);
}

void BM_TitleFrame(benchmark::State& state) {
  TBenchGame& game = Game(32, false);
  for (auto _ : state) game.Frame();
  if (game.window->GameState() != rules::gsTitle) state.SkipWithError("not on the title");
}

}  // namespace

BENCHMARK(BM_PlayFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlayFrame16)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TitleFrame)->Unit(benchmark::kMillisecond);
