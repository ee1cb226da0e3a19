// tests/rules/fake_services.hpp — services that record every request of the rules and serve
// archives built in the test. A picture entry holds its size as text, "W H".
#pragma once

#include <cstdio>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "data/error.hpp"
#include "data/file_folder.hpp"
#include "fx/particle_effect.hpp"
#include "fx/piecewise_func.hpp"
#include "rules/part_effect.hpp"
#include "rules/services.hpp"
#include "rules/xml_reading.hpp"

namespace rules_test {

using rules::TArchiveKind;

inline void AddEntry(data::TFileFolder& archive, const std::string& name,
                     const std::string& bytes) {
  archive.AddFile(name, 0, data::TMemoryStream(bytes));
}

inline std::string SizeText(int width, int height) {
  return std::to_string(width) + " " + std::to_string(height);
}

class TFakeServices : public rules::TRulesServices {
 public:
  TFakeServices()
      : game(data::TFileFolder::CreateNew("unused-game.zxc")),
        levels(data::TFileFolder::CreateNew("unused-levels.zxc")) {
    for (int slot = 0; slot < rules::kEffectSlotCount; ++slot)
      templates.push_back(MakeTemplate(slot));
  }

  // An effect with the path function and particle system the rules steer, living 500 ms.
  static std::unique_ptr<fx::TOrlParticleEffect> MakeTemplate(int slot) {
    auto effect = std::make_unique<fx::TOrlParticleEffect>();
    effect->SetName(rules::kEffectSlotFiles[slot]);
    auto path = std::make_unique<fx::TOrlPiecewiseFunc>();
    path->SetName("FContour");
    path->SetScript("Set Linear; Set Timing 0.5; Path (0,0) (10,0); Ending Stop;");
    effect->Functions().Add(std::move(path));
    auto system = std::make_unique<fx::TOrlParticleSystem>(effect.get());
    system->SetName("SContour");
    effect->Systems().Add(std::move(system));
    effect->HasLifetime = true;
    effect->Lifetime = 500;
    return effect;
  }

  uint32_t Now() override { return Clock; }
  uint32_t FrameStartTick() override { return FrameStart; }
  data::TFileFolder& Archive(TArchiveKind archive) override {
    return archive == TArchiveKind::Game ? *game : *levels;
  }
  void SaveArchive(TArchiveKind archive) override { Saves.push_back(archive); }

  bool HasPicture(const std::string& name) override { return Pictures.count(name) > 0; }
  void LoadPngFromFolder(TArchiveKind archive, const std::string& name,
                         const std::string& entryName) override {
    Load(archive, name, entryName);
  }
  void LoadJpgFromFolder(TArchiveKind archive, const std::string& name,
                         const std::string& entryName) override {
    Load(archive, name, entryName);
  }
  rules::TPictureSize GetPictureSize(const std::string& name) override {
    const auto it = Pictures.find(name);
    return it == Pictures.end() ? rules::TPictureSize{} : it->second;
  }
  // Composes by taking the size of the first picture added; the real one draws.
  void RenderAutoImage(const std::string& text, TArchiveKind archive) override {
    AutoImages.push_back(text);
    const std::string name = Between(text, "<AutoImage name=\"", "\"");
    const std::string base = Between(text, "<AddImage name=\"", "\"");
    data::TMemoryStream* source = Archive(archive).GetFileStream(base);
    if (!source) throw data::Error("File " + base + " does not exist in File Folder!");
    AddEntry(Archive(archive), name + ".pNg", std::string(source->View()));
  }

  void PlaySound(const std::string& name) override { Sounds.push_back(name); }
  void PlayMusic(const std::string& name) override {
    MusicStarted.push_back(name);
    Music = name;
  }
  void StopMusic() override {
    ++MusicStops;
    Music.clear();
  }
  std::string PlayingMusic() override { return Music; }

  bool SetObjectProperty(const std::string& object, const std::string& property,
                         const std::string& value) override {
    Properties[{object, property}] = value;
    PropertyLog.push_back(object + "." + property + "=" + value);
    return true;
  }
  std::string Property(const std::string& object, const std::string& property) const {
    const auto it = Properties.find({object, property});
    return it == Properties.end() ? "(unset)" : it->second;
  }
  void ShowHint(const std::string& hint) override { Hints.push_back(hint); }
  void ShowHintAt(const std::string& hint, int x, int y) override {
    Hints.push_back(hint + "@" + std::to_string(x) + "," + std::to_string(y));
  }
  void ShowWindow(const std::string& window) override { Windows.push_back(window); }
  void PresentScreen() override { PropertyLog.push_back("(present)"); }
  void InvalidateBackground() override { ++BackgroundRedraws; }
  void ForwardMouseMove(int, int) override { ++Forwarded; }
  void ForwardMouseDown(int, bool) override { ++Forwarded; }
  void ForwardMouseWheel(int) override { ++Forwarded; }
  const fx::TOrlParticleEffect* EffectTemplate(int slot) override {
    return slot >= 0 && slot < static_cast<int>(templates.size())
               ? templates[static_cast<size_t>(slot)].get()
               : nullptr;
  }

  void WriteLog(const std::string& line) override { Log.push_back(line); }

  // "picture (x,y) [left,top,right,bottom] alpha", plus " tint RRGGBB/mix" when tinted.
  void DrawPicture(const std::string& picture, const std::string& target, int x, int y, int alpha,
                   const rules::TSourceRect& source, uint32_t color, int mix) override {
    Targets.insert(target);
    std::string line = picture + " (" + std::to_string(x) + "," + std::to_string(y) + ") [" +
                       std::to_string(source.Left) + "," + std::to_string(source.Top) + "," +
                       std::to_string(source.Right) + "," + std::to_string(source.Bottom) + "] " +
                       std::to_string(alpha);
    if (mix != 0) line += " tint " + Hex(color) + "/" + std::to_string(mix);
    Draws.push_back(line);
  }
  void DrawText(const std::string& text, const std::string& target, int x, int y, int alpha,
                uint32_t color) override {
    Targets.insert(target);
    Draws.push_back("text " + text + " (" + std::to_string(x) + "," + std::to_string(y) + ") " +
                    std::to_string(alpha) + " " + Hex(color));
  }
  int ContourLength() override { return Contour; }

  // As if the template's file had been missing at start-up.
  void DropTemplate(int slot) { templates[static_cast<size_t>(slot)].reset(); }

  bool Played(const std::string& sound) const {
    for (const std::string& s : Sounds)
      if (s == sound) return true;
    return false;
  }

  uint32_t Clock = 1000;
  uint32_t FrameStart = 1000;
  std::map<std::string, rules::TPictureSize> Pictures;
  std::vector<std::string> Loads;  // "name<-entry"
  std::vector<std::string> AutoImages;
  std::vector<TArchiveKind> Saves;
  std::vector<std::string> Sounds;
  std::vector<std::string> MusicStarted;
  int MusicStops = 0;
  std::string Music;
  std::map<std::pair<std::string, std::string>, std::string> Properties;
  std::vector<std::string> PropertyLog;
  std::vector<std::string> Hints;
  std::vector<std::string> Windows;
  int BackgroundRedraws = 0;
  int Forwarded = 0;
  std::vector<std::string> Log;
  std::vector<std::string> Draws;
  std::set<std::string> Targets;
  int Contour = 60;

 private:
  static std::string Hex(uint32_t color) {
    char text[8];
    std::snprintf(text, sizeof text, "%06X", color & 0xFFFFFFu);
    return text;
  }

  static std::string Between(const std::string& text, const std::string& open,
                             const std::string& close) {
    const size_t start = text.find(open);
    if (start == std::string::npos) return {};
    const size_t from = start + open.size();
    return text.substr(from, text.find(close, from) - from);
  }

  void Load(TArchiveKind archive, const std::string& name, const std::string& entryName) {
    data::TMemoryStream* stream = Archive(archive).GetFileStream(entryName);
    if (!stream) throw data::Error("File " + entryName + " not found");
    const auto words = rules::Words(stream->View());
    Pictures[name] = {words.size() > 0 ? rules::StrToInt(words[0]) : 0,
                      words.size() > 1 ? rules::StrToInt(words[1]) : 0};
    Loads.push_back(name + "<-" + entryName);
  }

  std::unique_ptr<data::TFileFolder> game;
  std::unique_ptr<data::TFileFolder> levels;
  std::vector<std::unique_ptr<fx::TOrlParticleEffect>> templates;
};

}  // namespace rules_test
