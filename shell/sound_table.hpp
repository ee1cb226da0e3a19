// shell/sound_table.hpp — every sound and tune of the game archive, loaded once and played by
// its entry name.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/file_folder.hpp"
#include "data/memory_stream.hpp"
#include "platform/audio.hpp"

namespace shell {

enum class TSoundKind : uint8_t { Sample = 0, Music = 1 };

struct TSoundEntry {
  std::string Name;  // archive entry name; the key, compared exactly
  TSoundKind Kind = TSoundKind::Sample;
  platform::TAudioHandle Handle = 0;  // 0 when the device could not read the entry
};

inline constexpr std::string_view kSoundCatalogue = "sounds.dat";
inline constexpr std::string_view kMusicCatalogue = "musics.dat";
inline constexpr std::string_view kMenuMusic = "Vibe-nfs.mo3";
inline constexpr int kMenuMusicAfterLevelOrder = 12;  // where the menu tune resumes after play
inline constexpr std::string_view kVolumeChangeSound = "4_change.ogg";

// How the main window uses it (the table lives as long as the window; the audio device must
// outlive it):
//   start-up : after the archives are ready, for each problem in
//              LoadSoundCatalogue(game, kSoundCatalogue, Sample) → WriteLog(problem); during
//              the preparation the same with kMusicCatalogue and Music, then
//              PlayByName(kMenuMusic, MusicVolume, 0, SoundVolume).
//   PlaySound(name) (the published operation, also IOrlGraphic::PlaySound):
//              PlayByName(name, MusicVolume, 0, SoundVolume).
//   after a level: StopAll() where the screen flow says so, then
//              PlayByName(kMenuMusic, MusicVolume, kMenuMusicAfterLevelOrder, SoundVolume).
//   shutdown : Clear(), then IAudio::Stop().
// The volume sliders are ChangeMusicVolume / ChangeSoundVolume in shell/options.hpp.
class TSoundTable {
 public:
  explicit TSoundTable(platform::IAudio& audio) : audio(audio) {}
  ~TSoundTable() { Clear(); }
  TSoundTable(const TSoundTable&) = delete;
  TSoundTable& operator=(const TSoundTable&) = delete;

  // Reads the catalogue entry (one archive entry name a line; blanks around a name and empty
  // lines are ignored) and adds every entry it lists with the given kind. Nothing here stops
  // the game: a missing catalogue, a listed entry missing from the archive, an entry that
  // cannot be read or one the device cannot decode are skipped and described, one line each,
  // in the result for the log.
  std::vector<std::string> LoadSoundCatalogue(data::TFileFolder& archive,
                                              std::string_view catalogue, TSoundKind kind);
  // Loads the stream's whole content. An entry of the same name is freed and reused (it
  // keeps its place), otherwise one is appended. False when the device could not read it;
  // the entry is kept with handle 0 and plays nothing.
  bool AddSound(const data::TMemoryStream& stream, const std::string& name, TSoundKind kind);
  int FindSound(std::string_view name) const;  // exact name; -1 if none
  void RemoveSound(int index);                 // frees the handle; out of range does nothing

  // Unknown names do nothing. A sample plays at sampleVolume unless that is 0. A tune starts
  // at the order startPosition unless musicSwitch (the music volume) is 0; either way it
  // becomes CurrentMusic, so raising the music volume later can start it.
  void PlayByName(std::string_view name, int musicSwitch, int startPosition, int sampleVolume);
  // Starts CurrentMusic again from its beginning (nothing when none or musicSwitch is 0).
  void RestartMusic(int musicSwitch) { PlayByName(CurrentMusic, musicSwitch, 0, 0); }
  void StopAll();
  void Clear();  // RemoveSound of every entry from the first to the last, then StopAll

  const std::vector<TSoundEntry>& Entries() const { return entries; }
  platform::IAudio& Audio() const { return audio; }

  std::string CurrentMusic;  // name of the tune asked for last, or empty

 private:
  void Free(const TSoundEntry& entry);

  platform::IAudio& audio;
  std::vector<TSoundEntry> entries;
};

// The sliders run 0..90: position × 100 / 90 rounded to the nearest, kept within 0..100.
int SliderVolume(int position);

}  // namespace shell
