// platform/audio.hpp — the game's sound device: in-memory samples, looping tracker music and
// the two global volumes, behind an interface that shows no audio library.
#pragma once

#include <cstdint>
#include <memory>
#include <span>

namespace platform {

// 0 means "nothing": a failed load. Every call accepts 0 (and any unknown handle) and does
// nothing with it, so a game whose sounds failed to load simply stays silent.
using TAudioHandle = uint32_t;

// How the main window uses it: one instance for the whole run, made by OpenSdlAudio (or
// CreateNullAudio for --headless and tests) before the sound table is filled, destroyed after
// the table has been emptied. The sound table (shell/sound_table.hpp) is the only other user.
//   start-up   : SetGlobalVolumes(MusicVolume, SoundVolume); Start()
//   focus lost : Pause();   focus regained: Start()
//   shutdown   : table emptied, then Stop()
class IAudio {
 public:
  virtual ~IAudio() = default;

  // A sample in any format the mixer decodes (Ogg Vorbis, WAV...). The bytes are copied.
  // NOTE: at most kMaxPlaybacksPerSample playbacks of one sample sound at once; a further
  // PlaySample stops the oldest of them.
  virtual TAudioHandle LoadSample(std::span<const uint8_t> bytes) = 0;
  // A tracker module (MO3, XM, IT, S3M, MOD...); it loops forever once started. Bytes copied.
  virtual TAudioHandle LoadMusic(std::span<const uint8_t> bytes) = 0;
  virtual void FreeSample(TAudioHandle sample) = 0;  // stops its playbacks first
  virtual void FreeMusic(TAudioHandle music) = 0;    // stops it first

  // volume0to100 scales this playback; the global sample volume applies on top.
  virtual void PlaySample(TAudioHandle sample, int volume0to100) = 0;
  virtual void StopSample(TAudioHandle sample) = 0;  // every playback of it
  // Starts (or restarts) the module at the given order, row 0. One module sounds at a time:
  // starting one stops any other. An order beyond the module's end starts it at order 0.
  virtual void PlayMusic(TAudioHandle music, int order) = 0;
  virtual void StopMusic(TAudioHandle music) = 0;  // only if it is the one playing

  // Both 0..100 (clamped); they apply at once, also to what is already playing.
  virtual void SetGlobalVolumes(int music0to100, int sample0to100) = 0;
  // Output as a whole: Pause keeps every position, Start resumes it, Stop halts everything.
  virtual void Start() = 0;
  virtual void Pause() = 0;
  virtual void Stop() = 0;
};

constexpr int kMaxPlaybacksPerSample = 5;

// A device that plays nothing; every call is remembered for tests (see null_audio.hpp).
std::unique_ptr<IAudio> CreateNullAudio();

}  // namespace platform
