// shell/options.cpp — "options.cfg": reading with defaults, writing in the game's key order.
#include "shell/options.hpp"

#include <filesystem>

#include "data/error.hpp"
#include "data/files.hpp"
#include "data/number_text.hpp"
#include "data/text_helpers.hpp"
#include "shell/options_ini.hpp"

namespace shell {
namespace {

struct TIntKey {
  const char* Name;
  int TOptions::*Field;
  int Low, High;
};

constexpr int kAny = 0;  // Low == High == kAny: every int is accepted
constexpr TIntKey kIntKeys[] = {
    {"ScreenWidth", &TOptions::ScreenWidth, 1, 16384},
    {"ScreenHeight", &TOptions::ScreenHeight, 1, 16384},
    {"BitsPerPixel", &TOptions::BitsPerPixel, 16, 32},
    {"LoadingX", &TOptions::LoadingX, kAny, kAny},
    {"LoadingY", &TOptions::LoadingY, kAny, kAny},
    {"SoundVolume", &TOptions::SoundVolume, 0, 100},
    {"MusicVolume", &TOptions::MusicVolume, 0, 100},
    {"DebugMode", &TOptions::DebugMode, kAny, kAny},
    {"FullScreenMode", &TOptions::FullScreenMode, 0, 1},
    {"WindowModeX", &TOptions::WindowModeX, kAny, kAny},
    {"WindowModeY", &TOptions::WindowModeY, kAny, kAny},
    {"TurnOffHint", &TOptions::TurnOffHint, 0, 1},
};

bool InRange(const TIntKey& key, int value) {
  if (key.Low == kAny && key.High == kAny) return true;
  if (key.Field == &TOptions::BitsPerPixel) return value == 16 || value == 32;
  return value >= key.Low && value <= key.High;
}

std::string RangeText(const TIntKey& key) {
  if (key.Field == &TOptions::BitsPerPixel) return "16 or 32";
  if (key.High - key.Low == 1) return std::to_string(key.Low) + " or " + std::to_string(key.High);
  return std::to_string(key.Low) + ".." + std::to_string(key.High);
}

void ReadIntKey(const TIniFile& ini, const TIntKey& key, TOptions& options,
                std::vector<std::string>& problems) {
  const std::optional<std::string> text = ini.Read(kOptionsSection, key.Name);
  if (!text) return;
  const std::optional<int32_t> value = data::ParseStrictInt32(*text);
  if (value && InRange(key, *value)) {
    options.*key.Field = *value;
    return;
  }
  const std::string why = value ? " is outside " + RangeText(key) : " is no whole number";
  problems.push_back(std::string(kOptionsFile) + ": " + key.Name + " \"" + *text + "\"" + why +
                     "; " + std::to_string(options.*key.Field) + " is used");
}

}  // namespace

TOptions LoadOptions(const std::string& path, std::vector<std::string>& problems) {
  TOptions options;
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return options;
  std::string text;
  try {
    text = data::ReadWholeFile(path);
  } catch (const data::Error& e) {
    problems.push_back(std::string(e.what()) + "; the default options are used");
    return options;
  }
  const TIniFile ini(text);
  for (const TIntKey& key : kIntKeys) ReadIntKey(ini, key, options, problems);
  if (auto name = ini.Read(kOptionsSection, "PlayerName")) options.PlayerName = *name;
  return options;
}

void SaveOptions(const std::string& path, const TOptions& options) {
  std::error_code ec;
  TIniFile ini;
  if (std::filesystem::exists(path, ec)) ini = TIniFile(data::ReadWholeFile(path));
  ini.Write("Version", "Build", std::to_string(kOptionsBuild));
  ini.Write(kOptionsSection, "PlayerName", options.PlayerName);
  ini.Write(kOptionsSection, "SoundVolume", std::to_string(options.SoundVolume));
  ini.Write(kOptionsSection, "MusicVolume", std::to_string(options.MusicVolume));
  ini.Write(kOptionsSection, "FullScreenMode", std::to_string(options.FullScreenMode));
  ini.Write(kOptionsSection, "TurnOffHint", std::to_string(options.TurnOffHint));
  ini.Write(kOptionsSection, "BitsPerPixel", std::to_string(options.BitsPerPixel));
  data::WriteFileAtomically(path, ini.Text());
}

void ApplyVolumes(const TOptions& options, TSoundTable& sounds) {
  sounds.Audio().SetGlobalVolumes(options.MusicVolume, options.SoundVolume);
}

void ChangeMusicVolume(TOptions& options, TSoundTable& sounds, int sliderPosition) {
  const int before = options.MusicVolume;
  options.MusicVolume = SliderVolume(sliderPosition);
  ApplyVolumes(options, sounds);
  if (before == 0) sounds.RestartMusic(options.MusicVolume);
}

void ChangeSoundVolume(TOptions& options, TSoundTable& sounds, int sliderPosition,
                       bool introBegun) {
  options.SoundVolume = SliderVolume(sliderPosition);
  ApplyVolumes(options, sounds);
  if (introBegun)
    sounds.PlayByName(kVolumeChangeSound, options.MusicVolume, 0, options.SoundVolume);
}

TDisplayChange DecideDisplayChange(TOptions& options, bool fullScreenBox, bool color32Box) {
  TDisplayChange change;
  if (options.FullScreenMode == 1 && color32Box != (options.BitsPerPixel == 32)) {
    options.BitsPerPixel = color32Box ? 32 : 16;
    change.DepthChanged = true;
  }
  if (fullScreenBox != (options.FullScreenMode == 1))
    change.ToggleFullScreen = true;
  else
    change.RebuildDisplay = change.DepthChanged;
  return change;
}

}  // namespace shell
