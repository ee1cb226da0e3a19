// tests/platform/sdl_audio_test.cpp — the real sound device on SDL's dummy output: opens,
// loads from memory, plays, pauses and closes cleanly, and refuses what it cannot read.
#include "platform/sdl_audio.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}
void PutText(std::vector<uint8_t>& out, const char* text) {
  out.insert(out.end(), text, text + std::strlen(text));
}

// A 16-bit mono WAV of `frames` samples of a square wave.
std::vector<uint8_t> Wav(uint32_t frames) {
  std::vector<uint8_t> w;
  PutText(w, "RIFF");
  Put32(w, 36 + frames * 2);
  PutText(w, "WAVEfmt ");
  Put32(w, 16);
  Put16(w, 1);  // PCM
  Put16(w, 1);  // mono
  Put32(w, 22050);
  Put32(w, 22050 * 2);
  Put16(w, 2);
  Put16(w, 16);
  PutText(w, "data");
  Put32(w, frames * 2);
  for (uint32_t i = 0; i < frames; ++i) Put16(w, (i / 25) % 2 ? 0x2000 : 0xE000);
  return w;
}

// A four-channel module with two orders of one empty pattern and one short looped sample.
std::vector<uint8_t> Mod() {
  std::vector<uint8_t> m(20, 0);
  for (int s = 0; s < 31; ++s) {
    std::vector<uint8_t> header(30, 0);
    if (s == 0) {
      header[22] = 0, header[23] = 16;  // length in words
      header[25] = 64;                  // volume
      header[29] = 16;                  // loop length in words
    } else {
      header[29] = 1;
    }
    m.insert(m.end(), header.begin(), header.end());
  }
  m.push_back(2);    // song length
  m.push_back(127);  // restart
  std::vector<uint8_t> orders(128, 0);
  m.insert(m.end(), orders.begin(), orders.end());
  PutText(m, "M.K.");
  std::vector<uint8_t> pattern(64 * 4 * 4, 0);
  pattern[0] = 0x10 & 0xF0;  // sample 1 high nibble is 0; the note is period 428 (C-2)
  pattern[0] = 0x01, pattern[1] = 0xAC, pattern[2] = 0x10;
  m.insert(m.end(), pattern.begin(), pattern.end());
  for (int i = 0; i < 32; ++i) m.push_back(i < 16 ? 0x40 : 0xC0);
  return m;
}

}  // namespace

TEST(SdlAudio, OpensTheDummyDevicePlaysAndClosesCleanly) {
  ::setenv("SDL_AUDIODRIVER", "dummy", 1);
  for (int round = 0; round < 2; ++round) {  // a second device after the first was closed
    std::string failure = "stale";
    auto audio = platform::OpenSdlAudio(failure);
    ASSERT_TRUE(audio);
    ASSERT_EQ(failure, "") << "the dummy driver should always open";

    audio->SetGlobalVolumes(80, 50);
    audio->Start();
    const auto wav = Wav(2000);
    const platform::TAudioHandle sample = audio->LoadSample(wav);
    EXPECT_NE(sample, 0u);
    for (int i = 0; i < platform::kMaxPlaybacksPerSample + 3; ++i) audio->PlaySample(sample, 70);
    audio->StopSample(sample);

    const auto mod = Mod();
    const platform::TAudioHandle music = audio->LoadMusic(mod);
    EXPECT_NE(music, 0u);
    EXPECT_NE(music, sample);
    audio->PlayMusic(music, 1);
    audio->PlayMusic(music, 99);  // beyond the end: from the start
    audio->Pause();
    audio->Start();
    audio->SetGlobalVolumes(0, 0);
    audio->StopMusic(music);
    audio->PlayMusic(music, 0);
    audio->FreeMusic(music);  // while playing
    audio->FreeSample(sample);
    audio->PlaySample(sample, 100);  // freed handles do nothing
    audio->PlayMusic(music, 0);
    audio->Stop();
  }
}

TEST(SdlAudio, RefusesWhatItCannotRead) {
  ::setenv("SDL_AUDIODRIVER", "dummy", 1);
  std::string failure;
  auto audio = platform::OpenSdlAudio(failure);
  ASSERT_EQ(failure, "");
  const std::vector<uint8_t> junk = {'n', 'o', 't', ' ', 'a', ' ', 's', 'o', 'u', 'n', 'd'};
  EXPECT_EQ(audio->LoadSample(junk), 0u);
  EXPECT_EQ(audio->LoadMusic(junk), 0u);
  EXPECT_EQ(audio->LoadSample({}), 0u);
  EXPECT_EQ(audio->LoadMusic({}), 0u);
  audio->PlaySample(0, 100);
  audio->PlayMusic(0, 0);
  audio->FreeSample(12345);
  audio->FreeMusic(12345);
}

TEST(SdlAudio, NoDeviceGivesASilentDeviceAndOneLogLine) {
  ::setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  std::string failure;
  auto audio = platform::OpenSdlAudio(failure);
  ASSERT_TRUE(audio);
  EXPECT_EQ(failure.rfind("No sound: ", 0), 0u) << failure;
  EXPECT_NE(failure.find("; the game runs silently"), std::string::npos) << failure;
  const std::vector<uint8_t> bytes = {1, 2, 3};
  audio->PlaySample(audio->LoadSample(bytes), 100);  // silent, and no crash
  ::setenv("SDL_AUDIODRIVER", "dummy", 1);
}
