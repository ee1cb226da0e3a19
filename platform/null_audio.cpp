// platform/null_audio.cpp — the silent sound device.
#include "platform/null_audio.hpp"

namespace platform {

TAudioHandle TNullAudio::Load(const char* op, std::span<const uint8_t> bytes) {
  const TAudioHandle handle = bytes.empty() ? 0 : ++lastHandle;
  Record(op, handle, static_cast<int>(bytes.size()));
  return handle;
}

TAudioHandle TNullAudio::LoadSample(std::span<const uint8_t> bytes) {
  return Load("LoadSample", bytes);
}

TAudioHandle TNullAudio::LoadMusic(std::span<const uint8_t> bytes) {
  return Load("LoadMusic", bytes);
}

std::vector<TAudioCall> TNullAudio::Of(const std::string& op) const {
  std::vector<TAudioCall> out;
  for (const TAudioCall& c : Calls)
    if (c.Op == op) out.push_back(c);
  return out;
}

std::unique_ptr<IAudio> CreateNullAudio() {
  return std::make_unique<TNullAudio>();
}

}  // namespace platform
