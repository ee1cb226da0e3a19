// tests/shell/shell_world.hpp — a small but complete game folder built in the test: shipped
// archives (one picture in the packed form), catalogues, a level, fifteen effects, a font and
// an interface file with the windows the game opens itself; and a main window running on it
// headless (memory display, virtual clock, event queue in memory).
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include "data/file_folder.hpp"
#include "data/memory_stream.hpp"
#include "graphics/image.hpp"
#include "graphics/jpeg_codec.hpp"
#include "graphics/jpeg_png.hpp"
#include "graphics/png_codec.hpp"
#include "platform/clock.hpp"
#include "platform/display.hpp"
#include "platform/events.hpp"
#include "rules/part_effect.hpp"
#include "shell/main_window.hpp"
#include "tests/rules/rules_world.hpp"
#include "tests/support/scratch_dir.hpp"

namespace shell_test {

inline std::string Png(int width, int height, uint8_t r, uint8_t g, uint8_t b, uint8_t a = 255) {
  graphics::TImage image(width, height, true, a);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      uint8_t* p = image.At(x, y);
      p[0] = r, p[1] = g, p[2] = b, p[3] = a;
    }
  return graphics::EncodePng(image);
}

inline std::string Jpg(int width, int height, uint8_t r, uint8_t g, uint8_t b) {
  graphics::TImage image(width, height, false);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      uint8_t* p = image.At(x, y);
      p[0] = r, p[1] = g, p[2] = b;
    }
  return graphics::EncodeJpeg(image, 90);
}

inline void Add(data::TFileFolder& archive, const std::string& name, const std::string& bytes,
                uint16_t kind = 2) {
  archive.AddFile(name, kind, data::TMemoryStream(bytes));
}

// An effect whose path function and particle system the rules steer; "FPosition" ends at 40.
inline std::string EffectXml(const std::string& name) {
  return "<ParticleEffect Name=\"" + name +
         "\" Lifetime=\"0.5\"><Functions>"
         "<Function Name=\"FContour\" Dim=\"2\" Type=\"piecewise\"><Script>Set Linear; Set "
         "Timing 0.5; Path (0,0) (10,0); Ending Stop;</Script></Function>"
         "<Function Name=\"FPosition\" Dim=\"1\" Type=\"piecewise\"><Script>Set Linear; Set "
         "Timing 1; Path (0) (40); Ending Stop;</Script></Function></Functions>"
         "<Morphs><Morph Name=\"Move\" Dim=\"2\"><Functions><Function "
         "Name=\"FContour\"/></Functions></Morph></Morphs>"
         "<Particles><Particle Name=\"Dot\"><Parameter Name=\"Position\" Dim=\"2\" "
         "Morph=\"Move\"/></Particle></Particles>"
         "<ParticleSystems><ParticleSystem Name=\"SContour\" Template=\"Dot\"><InitParticles>2"
         "</InitParticles><Resource>particle1.png</Resource></ParticleSystem></ParticleSystems>"
         "</ParticleEffect>";
}

inline std::string Obj(const std::string& cls,
                       std::initializer_list<std::pair<std::string, std::string>> props) {
  std::string s = "<o c=\"" + cls + "\">";
  for (const auto& [n, v] : props) s += "<p n=\"" + n + "\">" + v + "</p>";
  return s + "</o>\n";
}

inline std::string Form(const std::string& name) {
  return Obj("TOrlForm", {{"ParentName", "Screen"},
                          {"Name", name},
                          {"Left", "0"},
                          {"Top", "0"},
                          {"Width", "800"},
                          {"Height", "600"}});
}

// A button: a label that runs its script on mouse up.
inline std::string Button(const std::string& form, const std::string& name, int left, int top,
                          const std::string& script) {
  return Obj("TOrlLabel", {{"ParentName", form},
                           {"Name", name},
                           {"Left", std::to_string(left)},
                           {"Top", std::to_string(top)},
                           {"Width", "100"},
                           {"Height", "30"},
                           {"Visible", "true"},
                           {"Caption", "B"},
                           {"FontName", "OrlUnicode"},
                           {"OnMouseUp", script}});
}

inline std::string Exec(const std::string& method) {
  return "ExecMethod Method=&quot;" + method + "&quot;;";
}

inline std::string SliderLi() {
  std::string o =
      "<OrlInterface>\n<o c=\"TOrlDefaults\"><p n=\"DefLine\">TOrlNothing;Tag;0</p></o>\n";
  o += Form("WTitle") +
       Button("WTitle", "WTitle_BNewGame", 350, 250,
              Exec("WTitle_BNewGame_MouseUp") +
                  "ChangeModal HideForm=&quot;WTitle&quot; ShowForm=&quot;WStartGame&quot;;");
  o += Form("WStartGame") +
       Obj("TOrlRadioButton", {{"ParentName", "WStartGame"},
                               {"Name", "WStartGame_RBPuzzle"},
                               {"Left", "100"},
                               {"Top", "100"},
                               {"Width", "20"},
                               {"Height", "20"},
                               {"Visible", "true"},
                               {"OnMouseUp", Exec("WStartGame_RBPuzzle_MouseUp")}}) +
       Button("WStartGame", "WStartGame_BPlay", 350, 400,
              "HideModalList;ShowModal Form=&quot;WGame&quot;;" + Exec("WStartGame_BPlay_MouseUp"));
  o += Form("WGame") + Button("WGame", "WGame_BSwap", 690, 560, Exec("WGame_BSwap_MouseUp"));
  for (const char* label : {"WGame_LScoreCount", "WGame_LShiftCount", "WGame_LShuffleCount",
                            "WGame_LLevelCount", "WGame_LPutsLeftCount"})
    o += Obj("TOrlLabel", {{"ParentName", "WGame"},
                           {"Name", label},
                           {"Left", "700"},
                           {"Top", "20"},
                           {"Visible", "true"},
                           {"FontName", "OrlUnicode"}});
  o += Obj("TOrlProgressBar", {{"ParentName", "WGame"},
                               {"Name", "WGame_PBDead"},
                               {"Left", "700"},
                               {"Top", "100"},
                               {"Visible", "true"},
                               {"BarPicture", "DeadProgressBar.png"}});
  o += Form("WGameLoading") + Obj("TOrlProgressBar", {{"ParentName", "WGameLoading"},
                                                      {"Name", "WGameLoading_PBGameLoading"},
                                                      {"Left", "300"},
                                                      {"Top", "300"},
                                                      {"Visible", "true"},
                                                      {"BarPicture", "DeadProgressBar.png"}});
  o += Form("WLevelComplete") + Button("WLevelComplete", "WLevelComplete_BOk", 350, 300,
                                       "HideModal;" + Exec("WLevelComplete_BOk_MouseUp"));
  o += Form("WGameOver") +
       Button("WGameOver", "WGameOver_BOk", 350, 300, "HideModal;" + Exec("WGameOver_BOk_MouseUp"));
  return o + "</OrlInterface>\n";
}

struct TDataFolder {
  // A fresh folder of its own under the system's temporary folder, removed with the object.
  // NOTE: never a fixed name: test runs of several checkouts and presets overlap, and a run
  // that cleared a folder of the same name would pull the files from under another's game.
  support_test::TScratchDir Scratch;
  std::filesystem::path Root;

  explicit TDataFolder(const std::string& name) : Scratch(name), Root(Scratch.Path()) {
    std::filesystem::create_directories(Root / "game");
    std::filesystem::create_directories(Root / "levels");
  }
  std::string Folder() const { return Root.string() + "/"; }
  std::string GamePath() const { return (Root / "game" / "game.zxc").string(); }
  std::string LevelsPath() const { return (Root / "levels" / "levels.zxc").string(); }

  // Writes both shipped archives. level: the XML of each of the levelCount levels.
  void Write(const std::string& level = DefaultLevel(), int levelCount = 1) const {
    auto game = data::TFileFolder::CreateNew(GamePath());
    Add(*game, "MetaColors.xml", rules_test::ColorsXml(), 1);
    Add(*game, "fishkaShapes.xml", rules_test::ShapesXml(), 1);
    Add(*game, "BossTypes.xml", rules_test::BossesXml(), 1);
    Add(*game, "OrlUnicode.xml",
        "<Font><Name>OrlUnicode</Name><Height>10</Height><Picture>OrlUnicode.png</Picture>"
        "<Metrics>32:0:0:0:5:1</Metrics></Font>",
        1);
    Add(*game, "OrlUnicode.png", Png(8, 10, 255, 255, 255));
    Add(*game, "Slider.li", SliderLi(), 1);
    Add(*game, "sounds.dat", "", 1);
    Add(*game, "musics.dat", "", 1);
    for (int slot = 0; slot < rules::kEffectSlotCount; ++slot)
      Add(*game, rules::kEffectSlotFiles[slot], EffectXml(rules::kEffectSlotFiles[slot]), 1);
    // The cursor ships packed, as the real pictures do: colour as JPEG, alpha as grey PNG.
    data::TMemoryStream jpeg, gray;
    graphics::SplitPng(data::TMemoryStream(Png(720, 40, 200, 220, 255, 200)), 90, jpeg, gray);
    game->AddFile("cursor_line._JPG", 2, jpeg);
    game->AddFile("cursor_line._PNG", 2, gray);
    Add(*game, "GamePlay2.jpg", Jpg(800, 600, 20, 16, 60));
    Add(*game, "Title.jpg", Jpg(800, 600, 60, 40, 120));
    Add(*game, "TitleSketch.jpg", Jpg(800, 600, 30, 30, 30));
    Add(*game, "DeadProgressBar.png", Png(100, 10, 255, 0, 0));
    Add(*game, "particle1.png", Png(8, 8, 255, 255, 200));
    Add(*game, "colorbomb_small_line.png", Png(240, 20, 200, 100, 100));
    Add(*game, "boomcolorstar.png", Png(64, 64, 200, 200, 100));
    game->Save();

    auto levels = data::TFileFolder::CreateNew(LevelsPath());
    for (const char* shape : {"Cell", "Bar", "TriA", "TriB", "TriC", "Broken"})
      for (const auto& [material, r, g, b] :
           {std::tuple{"Red", 220, 40, 40}, {"Green", 40, 200, 60}, {"Blue", 50, 80, 230}})
        Add(*levels, std::string(shape) + "_" + material + ".png",
            Png(std::string(shape) == "Bar" ? 118 : 70, 52, static_cast<uint8_t>(r),
                static_cast<uint8_t>(g), static_cast<uint8_t>(b)));
    for (const char* sign : {"sign_r.png", "sign_g.png", "sign_b.png"})
      Add(*levels, sign, Png(10, 10, 255, 255, 255));
    Add(*levels, "boss1.png", Png(40, 40, 90, 90, 90));
    Add(*levels, "boss2.png", Png(40, 40, 120, 90, 90));
    for (int n = 1; n <= levelCount; ++n)
      Add(*levels, "Level" + std::to_string(n) + ".xml", level, 1);
    levels->Save();
  }

  // A structure of three rows under a main piece, in all three colours.
  static std::string DefaultLevel() {
    using P = rules_test::TLevelPlan;
    P plan;
    std::string layer = P::Piece("Cell", 8, 6);
    for (int col = 3; col <= 9; ++col) layer += P::Piece("Cell", 7, col);
    plan.Layers = {layer};
    return plan.Xml();
  }
};

// The main window on the folder, without SDL: memory display, virtual clock, memory queue.
struct THeadlessGame {
  explicit THeadlessGame(const std::string& folder, uint32_t seed = 7)
      : display(platform::CreateMemoryDisplay()), events(platform::CreateMemoryEventQueue()) {
    display->Open({});
    // The player's stored values (the language) belong to the game's folder, never to the
    // tester's own settings, which every other test run would share.
    ::setenv("XDG_CONFIG_HOME", (std::filesystem::path(folder) / "config").c_str(), 1);
    shell::TShellHost host{display.get(), &clock, events.get(), true};
    shell::TRunOptions options;
    options.Headless = true;
    options.Seed = seed;
    window = std::make_unique<shell::TMainWindow>(host, shell::TFolders{folder, folder}, options);
  }

  // Start-up as far as the frame loop.
  void Start() {
    window->CreateMainWindow();
    if (!window->PrepareGame()) throw std::runtime_error("no display");
  }
  // Delivers the queued events and runs frames, the clock moving 16 ms each.
  void Frames(int count) {
    for (int i = 0; i < count; ++i) {
      platform::TEvent e;
      while (events->Poll(e)) window->HandleEvent(e);
      window->FrameTick();
      clock.Advance(16);
    }
  }
  void Push(platform::TEventKind kind, int x = 0, int y = 0, int button = 1) {
    platform::TEvent e;
    e.Kind = kind;
    e.X = x;
    e.Y = y;
    e.Button = button;
    events->Push(e);
  }

  platform::TVirtualClock clock;
  std::unique_ptr<platform::IDisplay> display;
  std::unique_ptr<platform::IEventQueue> events;
  std::unique_ptr<shell::TMainWindow> window;
};

}  // namespace shell_test
