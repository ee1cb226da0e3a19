// platform/null_audio.hpp — the silent sound device of headless runs and tests: plays nothing
// and remembers every call.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "platform/audio.hpp"

namespace platform {

struct TAudioCall {
  std::string Op;           // the IAudio member's name, e.g. "PlaySample"
  TAudioHandle Handle = 0;  // the handle given or returned (loads), 0 for the volume calls
  int A = 0;                // PlaySample: volume; PlayMusic: order; SetGlobalVolumes: music
  int B = 0;                // SetGlobalVolumes: sample volume

  bool operator==(const TAudioCall&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const TAudioCall& c) {
  return os << c.Op << "(" << c.Handle << ", " << c.A << ", " << c.B << ")";
}

// Loads succeed for any non-empty bytes with handles 1, 2, 3... (samples and music count
// together), and fail with 0 for empty ones, like a real device given a file it cannot read.
class TNullAudio final : public IAudio {
 public:
  TAudioHandle LoadSample(std::span<const uint8_t> bytes) override;
  TAudioHandle LoadMusic(std::span<const uint8_t> bytes) override;
  void FreeSample(TAudioHandle sample) override { Record("FreeSample", sample); }
  void FreeMusic(TAudioHandle music) override { Record("FreeMusic", music); }
  void PlaySample(TAudioHandle sample, int volume0to100) override {
    Record("PlaySample", sample, volume0to100);
  }
  void StopSample(TAudioHandle sample) override { Record("StopSample", sample); }
  void PlayMusic(TAudioHandle music, int order) override { Record("PlayMusic", music, order); }
  void StopMusic(TAudioHandle music) override { Record("StopMusic", music); }
  void SetGlobalVolumes(int music0to100, int sample0to100) override {
    Record("SetGlobalVolumes", 0, music0to100, sample0to100);
  }
  void Start() override { Record("Start"); }
  void Pause() override { Record("Pause"); }
  void Stop() override { Record("Stop"); }

  // The calls of one kind, in order.
  std::vector<TAudioCall> Of(const std::string& op) const;

  std::vector<TAudioCall> Calls;

 private:
  void Record(const char* op, TAudioHandle handle = 0, int a = 0, int b = 0) {
    Calls.push_back({op, handle, a, b});
  }
  TAudioHandle Load(const char* op, std::span<const uint8_t> bytes);

  TAudioHandle lastHandle = 0;
};

}  // namespace platform
