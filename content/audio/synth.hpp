// content/audio/synth.hpp — the small synthesiser behind the game's sounds and the music's
// instruments: glassy chimes with inharmonic partials, FM bells, filtered noise, a short
// reverb, and the clean-up every sample gets (no DC, no clicks, peak at a set level).
#pragma once

#include <cstdint>
#include <vector>

namespace synth {

inline constexpr int kRate = 44100;
using Buffer = std::vector<float>;

// Deterministic noise in -1..1 (the same numbers on every machine).
class Noise {
 public:
  explicit Noise(uint32_t seed) : state(seed * 2654435761u + 1u) {}
  float Next();
  float Uniform(float lo, float hi) { return lo + (hi - lo) * (Next() * 0.5f + 0.5f); }

 private:
  uint32_t state;
};

struct Partial {
  double ratio;   // to the fundamental
  double amp;     // relative level
  double decayS;  // time to fall by 60 dB, seconds
};

// The partials of a struck glass bar: 1, 2.76, 5.40, 8.93 with fast-falling highs.
const std::vector<Partial>& GlassPartials();

// Adds a struck note at `startS` (seconds) of `freq` Hz with `attackMs` attack.
void Strike(Buffer& out, double startS, double freq, double gain,
            const std::vector<Partial>& partials, double attackMs = 3.0);
// A two-operator FM bell: carrier freq, modulator freq × ratio, index falling with the note.
void FmBell(Buffer& out, double startS, double freq, double gain, double ratio, double index,
            double decayS, double attackMs = 3.0);
// A sine whose frequency glides from f0 to f1 over the note, with an attack and decay.
void Glide(Buffer& out, double startS, double durS, double f0, double f1, double gain,
           double attackMs, double decayS);
// Band-limited noise (one-pole low and high pass) with an exponential envelope.
void NoiseBurst(Buffer& out, double startS, double durS, double lowHz, double highHz, double gain,
                double attackMs, double decayS, uint32_t seed);

void Reverb(Buffer& b, double wet, double tailS);  // a small dark room, adds the tail
void RemoveDc(Buffer& b);
void FadeEdges(Buffer& b, double inMs, double outMs);
void Normalise(Buffer& b, double peakDb);  // peak to peakDb dBFS (for example -1)
Buffer Silence(double seconds);

}  // namespace synth
