// platform/sdl_audio.cpp — samples through SDL2_mixer's channels, tracker music rendered by
// libopenmpt into the mixer's music hook.
#include "platform/sdl_audio.hpp"

#include <SDL.h>
#include <SDL_mixer.h>
#include <libopenmpt/libopenmpt.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <deque>
#include <mutex>
#include <unordered_map>

namespace platform {
namespace {

constexpr int kRateHz = 44100;
constexpr int kChunkFrames = 1024;  // ~23 ms of latency
constexpr int kFirstChannels = 32;  // grown when every channel is busy

int ToMixerVolume(int volume0to100) {
  return (std::clamp(volume0to100, 0, 100) * MIX_MAX_VOLUME + 50) / 100;
}

class TSdlAudio final : public IAudio {
 public:
  TSdlAudio() {
    Mix_AllocateChannels(kFirstChannels);
    Mix_HookMusic(&TSdlAudio::RenderMusic, this);
  }
  ~TSdlAudio() override {
    Mix_HookMusic(nullptr, nullptr);  // the audio thread no longer touches this object
    Mix_HaltChannel(-1);
    for (auto& [handle, sample] : samples) Mix_FreeChunk(sample.Chunk);
    for (auto& [handle, module] : musics) openmpt_module_destroy(module);
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }

  TAudioHandle LoadSample(std::span<const uint8_t> bytes) override {
    if (bytes.empty() || bytes.size() > INT_MAX) return 0;
    SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    if (!rw) return 0;
    // Closed here, not by the mixer: SDL2_mixer 2.6 leaves it open when it knows no format.
    Mix_Chunk* chunk = Mix_LoadWAV_RW(rw, 0);
    SDL_RWclose(rw);
    if (!chunk) return 0;
    samples[++lastHandle] = {chunk, {}};
    return lastHandle;
  }

  TAudioHandle LoadMusic(std::span<const uint8_t> bytes) override {
    if (bytes.empty()) return 0;
    openmpt_module* module = openmpt_module_create_from_memory2(
        bytes.data(), bytes.size(), openmpt_log_func_silent, nullptr, openmpt_error_func_ignore,
        nullptr, nullptr, nullptr, nullptr);
    if (!module) return 0;
    openmpt_module_set_repeat_count(module, -1);  // loop for ever
    musics[++lastHandle] = module;
    return lastHandle;
  }

  void FreeSample(TAudioHandle handle) override {
    auto it = samples.find(handle);
    if (it == samples.end()) return;
    Mix_FreeChunk(it->second.Chunk);  // halts the channels still playing it
    samples.erase(it);
  }

  void FreeMusic(TAudioHandle handle) override {
    auto it = musics.find(handle);
    if (it == musics.end()) return;
    {
      std::lock_guard lock(musicLock);
      if (playing == it->second) playing = nullptr;
    }
    openmpt_module_destroy(it->second);
    musics.erase(it);
  }

  void PlaySample(TAudioHandle handle, int volume0to100) override {
    auto it = samples.find(handle);
    if (it == samples.end()) return;
    TSample& sample = it->second;
    ForgetFinished(sample);
    int channel = -1;
    if (static_cast<int>(sample.Channels.size()) >= kMaxPlaybacksPerSample) {
      channel = sample.Channels.front();  // the oldest playback gives way
      sample.Channels.pop_front();
      Mix_HaltChannel(channel);
    } else {
      channel = FreeChannel();
      if (channel < 0) return;
    }
    Mix_Volume(channel, ToMixerVolume(volume0to100));
    if (Mix_PlayChannel(channel, sample.Chunk, 0) < 0) return;
    sample.Channels.push_back(channel);
    // Started while the game is in the background: it waits too. NOTE: never call the mixer
    // while holding musicLock; the audio thread takes the mixer's lock first, then ours.
    if (Paused()) Mix_Pause(channel);
  }

  void StopSample(TAudioHandle handle) override {
    auto it = samples.find(handle);
    if (it == samples.end()) return;
    ForgetFinished(it->second);
    for (int channel : it->second.Channels) Mix_HaltChannel(channel);
    it->second.Channels.clear();
  }

  void PlayMusic(TAudioHandle handle, int order) override {
    auto it = musics.find(handle);
    if (it == musics.end()) return;
    openmpt_module* module = it->second;
    std::lock_guard lock(musicLock);
    if (order < 0 || order >= openmpt_module_get_num_orders(module)) order = 0;
    openmpt_module_set_position_order_row(module, order, 0);
    playing = module;
  }

  void StopMusic(TAudioHandle handle) override {
    auto it = musics.find(handle);
    if (it == musics.end()) return;
    std::lock_guard lock(musicLock);
    if (playing == it->second) playing = nullptr;
  }

  void SetGlobalVolumes(int music0to100, int sample0to100) override {
    Mix_MasterVolume(ToMixerVolume(sample0to100));  // chunks only, never the music hook
    std::lock_guard lock(musicLock);
    musicVolume = std::clamp(music0to100, 0, 100);
  }

  void Start() override {
    Mix_Resume(-1);
    std::lock_guard lock(musicLock);
    paused = false;
  }

  void Pause() override {
    Mix_Pause(-1);
    std::lock_guard lock(musicLock);
    paused = true;
  }

  void Stop() override {
    Mix_HaltChannel(-1);
    for (auto& [handle, sample] : samples) sample.Channels.clear();
    std::lock_guard lock(musicLock);
    playing = nullptr;
  }

 private:
  struct TSample {
    Mix_Chunk* Chunk = nullptr;
    std::deque<int> Channels;  // channels that were given this sample, oldest first
  };

  bool Paused() {
    std::lock_guard lock(musicLock);
    return paused;
  }

  // A channel that finished, or was taken over by another sample, no longer counts.
  static void ForgetFinished(TSample& sample) {
    std::erase_if(sample.Channels, [&](int channel) {
      return !Mix_Playing(channel) || Mix_GetChunk(channel) != sample.Chunk;
    });
  }

  static int FreeChannel() {
    int channel = Mix_GroupAvailable(-1);
    if (channel < 0) {
      Mix_AllocateChannels(Mix_AllocateChannels(-1) + 16);
      channel = Mix_GroupAvailable(-1);
    }
    return channel;
  }

  // Runs on the audio thread; the mixer adds the sample channels on top of what it writes.
  static void SDLCALL RenderMusic(void* self, Uint8* stream, int length) {
    auto& audio = *static_cast<TSdlAudio*>(self);
    auto* out = reinterpret_cast<int16_t*>(stream);
    const size_t frames = static_cast<size_t>(length) / (2 * sizeof(int16_t));
    size_t done = 0;
    std::lock_guard lock(audio.musicLock);
    if (audio.playing && !audio.paused) {
      done = openmpt_module_read_interleaved_stereo(audio.playing, kRateHz, frames, out);
      if (audio.musicVolume < 100)
        for (size_t i = 0; i < done * 2; ++i)
          out[i] = static_cast<int16_t>(out[i] * audio.musicVolume / 100);
    }
    std::memset(out + done * 2, 0, static_cast<size_t>(length) - done * 2 * sizeof(int16_t));
  }

  std::unordered_map<TAudioHandle, TSample> samples;
  std::unordered_map<TAudioHandle, openmpt_module*> musics;
  TAudioHandle lastHandle = 0;

  std::mutex musicLock;  // guards the three below, shared with the audio thread
  openmpt_module* playing = nullptr;
  int musicVolume = 100;
  bool paused = false;
};

}  // namespace

std::unique_ptr<IAudio> OpenSdlAudio(std::string& failure) {
  failure.clear();
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    failure = std::string("No sound: ") + SDL_GetError() + "; the game runs silently";
    return CreateNullAudio();
  }
  // Exactly this format (no changes allowed), so the music hook always gets 16-bit stereo.
  if (Mix_OpenAudioDevice(kRateHz, AUDIO_S16SYS, 2, kChunkFrames, nullptr, 0) != 0) {
    failure = std::string("No sound: ") + Mix_GetError() + "; the game runs silently";
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return CreateNullAudio();
  }
  Mix_Init(MIX_INIT_OGG);  // without it WAV still plays; Ogg may be decoded built in anyway
  return std::make_unique<TSdlAudio>();
}

}  // namespace platform
