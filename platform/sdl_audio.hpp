// platform/sdl_audio.hpp — the real sound device: the system's default audio output through
// SDL2_mixer (samples) and libopenmpt (tracker music).
#pragma once

#include <memory>
#include <string>

#include "platform/audio.hpp"

namespace platform {

// Opens the default output at 44.1 kHz stereo. When no device can be opened the game must
// still run: the result is then a silent device (CreateNullAudio) and `failure` holds one
// line for the log, "No sound: REASON; the game runs silently"; on success `failure` is
// cleared. NOTE: at most one instance at a time (the mixer is process-wide).
//
// Main window, at start-up:
//   std::string failure;
//   audio = headless ? platform::CreateNullAudio() : platform::OpenSdlAudio(failure);
//   if (!failure.empty()) WriteLog(failure);
// SDL_AUDIODRIVER=dummy gives a working device that outputs nothing (useful on build hosts).
std::unique_ptr<IAudio> OpenSdlAudio(std::string& failure);

}  // namespace platform
