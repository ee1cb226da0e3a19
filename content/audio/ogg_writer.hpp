// content/audio/ogg_writer.hpp — Ogg Vorbis encoding of a mono 44.1 kHz sample with libvorbis.
#pragma once

#include <string>

#include "content/audio/synth.hpp"

namespace synth {

// Writes `path`; the stream's serial number is fixed so the same samples give the same bytes.
// Raises std::runtime_error when the encoder or the file fails.
void WriteOggVorbis(const std::string& path, const Buffer& samples, int serial);

}  // namespace synth
