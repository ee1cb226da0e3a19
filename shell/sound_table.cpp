// shell/sound_table.cpp — loading, playing and freeing the game's sounds and tunes.
#include "shell/sound_table.hpp"

#include <algorithm>

#include "data/error.hpp"
#include "data/text_helpers.hpp"

namespace shell {
namespace {

std::string Quoted(std::string_view text) {
  return "\"" + std::string(text) + "\"";
}

const char* KindWord(TSoundKind kind) {
  return kind == TSoundKind::Music ? "Music" : "Sound";
}

}  // namespace

std::vector<std::string> TSoundTable::LoadSoundCatalogue(data::TFileFolder& archive,
                                                         std::string_view catalogue,
                                                         TSoundKind kind) {
  std::vector<std::string> problems;
  std::string list;
  try {
    const data::TMemoryStream* stream = archive.GetFileStream(catalogue);
    if (!stream) return {"The list " + Quoted(catalogue) + " is missing from the archive"};
    list = std::string(stream->View());  // the next GetFileStream may reuse the buffer
  } catch (const data::Error& e) {
    return {"The list " + Quoted(catalogue) + " cannot be read: " + e.what()};
  }
  for (std::string_view line : data::SplitLines(list)) {
    const std::string name(data::Trim(line));
    if (name.empty()) continue;
    try {
      const data::TMemoryStream* stream = archive.GetFileStream(name);
      if (!stream) {
        problems.push_back(std::string(KindWord(kind)) + " " + Quoted(name) + " listed in " +
                           Quoted(catalogue) + " is not in the archive");
      } else if (!AddSound(*stream, name, kind)) {
        problems.push_back(std::string(KindWord(kind)) + " " + Quoted(name) +
                           " cannot be decoded; it stays silent");
      }
    } catch (const data::Error& e) {
      problems.push_back(std::string(KindWord(kind)) + " " + Quoted(name) +
                         " cannot be read: " + e.what());
    }
  }
  return problems;
}

bool TSoundTable::AddSound(const data::TMemoryStream& stream, const std::string& name,
                           TSoundKind kind) {
  int index = FindSound(name);
  if (index >= 0) {
    Free(entries[static_cast<size_t>(index)]);
  } else {
    index = static_cast<int>(entries.size());
    entries.push_back({name, kind, 0});
  }
  TSoundEntry& entry = entries[static_cast<size_t>(index)];
  const std::span<const uint8_t> bytes(stream.Bytes());
  entry.Kind = kind;
  entry.Handle = kind == TSoundKind::Music ? audio.LoadMusic(bytes) : audio.LoadSample(bytes);
  return entry.Handle != 0;
}

int TSoundTable::FindSound(std::string_view name) const {
  for (size_t i = 0; i < entries.size(); ++i)
    if (entries[i].Name == name) return static_cast<int>(i);
  return -1;
}

void TSoundTable::RemoveSound(int index) {
  if (index < 0 || index >= static_cast<int>(entries.size())) return;
  Free(entries[static_cast<size_t>(index)]);
  entries.erase(entries.begin() + index);
}

void TSoundTable::PlayByName(std::string_view name, int musicSwitch, int startPosition,
                             int sampleVolume) {
  const int index = FindSound(name);
  if (index < 0) return;
  const TSoundEntry& entry = entries[static_cast<size_t>(index)];
  if (entry.Kind == TSoundKind::Sample) {
    if (sampleVolume != 0) audio.PlaySample(entry.Handle, sampleVolume);
    return;
  }
  if (musicSwitch != 0) audio.PlayMusic(entry.Handle, startPosition);
  CurrentMusic = entry.Name;
}

void TSoundTable::StopAll() {
  for (const TSoundEntry& entry : entries) {
    if (entry.Kind == TSoundKind::Music)
      audio.StopMusic(entry.Handle);
    else
      audio.StopSample(entry.Handle);
  }
}

void TSoundTable::Clear() {
  while (!entries.empty()) RemoveSound(0);
  StopAll();
}

void TSoundTable::Free(const TSoundEntry& entry) {
  if (entry.Handle == 0) return;
  if (entry.Kind == TSoundKind::Music)
    audio.FreeMusic(entry.Handle);
  else
    audio.FreeSample(entry.Handle);
}

int SliderVolume(int position) {
  // position × 100 is never an odd multiple of 45, so rounding never meets a tie.
  const long long volume = (std::max(0LL, static_cast<long long>(position)) * 100 + 45) / 90;
  return static_cast<int>(std::min(volume, 100LL));
}

}  // namespace shell
