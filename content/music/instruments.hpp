// content/music/instruments.hpp — the music's instruments, each one synthesised sample: a
// chorused pad, a glassy mallet, a soft bass, a glass lead, and kick, snare and hat.
#pragma once

#include "content/music/xm_writer.hpp"

namespace music {

// Instrument numbers as the patterns use them (1-based, as in the module).
enum : uint8_t { kPad = 1, kMallet, kBass, kLead, kKick, kSnare, kHat, kInstrumentCount = 7 };

std::vector<xm::Instrument> MakeInstruments();

}  // namespace music
