// content/music/instruments.cpp — the instrument samples. Sustained voices loop over a whole
// number of periods of every partial (a 168-sample period: 262.5 Hz at 44.1 kHz), so the loops
// never click; the module's tuning puts them back on C4.
#include "content/music/instruments.hpp"

#include <algorithm>
#include <cmath>

#include "content/audio/synth.hpp"

namespace music {
namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr int kPeriod = 168;  // samples per cycle of the looped voices' fundamental

std::vector<int16_t> ToPcm(const synth::Buffer& b, double peakDb) {
  synth::Buffer c = b;
  synth::Normalise(c, peakDb);
  std::vector<int16_t> out(c.size());
  for (size_t i = 0; i < c.size(); ++i)
    out[i] = static_cast<int16_t>(std::lround(std::clamp(c[i], -1.0f, 1.0f) * 32767.0f));
  return out;
}

// A looped tone: harmonic h has `cycles × h` whole cycles in the loop, its chorus twin one more.
synth::Buffer Looped(int periods, const std::vector<double>& harmonicAmps, double chorus) {
  const size_t n = static_cast<size_t>(kPeriod * periods);
  synth::Buffer b(n, 0.0f);
  for (size_t h = 0; h < harmonicAmps.size(); ++h) {
    const double cycles = static_cast<double>(periods) * static_cast<double>(h + 1);
    for (size_t i = 0; i < n; ++i) {
      const double t = static_cast<double>(i) / static_cast<double>(n);
      double v = std::sin(kTwoPi * cycles * t + h * 0.7);
      if (chorus > 0) v += chorus * std::sin(kTwoPi * (cycles + 1) * t + h * 1.3);
      b[i] += static_cast<float>(harmonicAmps[h] * v);
    }
  }
  return b;
}

xm::Instrument Sustained(const char* name, synth::Buffer b, std::vector<xm::EnvelopePoint> env,
                         int sustain, uint16_t fade, uint8_t pan) {
  xm::Instrument ins;
  ins.Name = name;
  ins.Sample = ToPcm(b, -3.0);
  ins.RootHz = 44100.0 / kPeriod;
  ins.Loop = true;
  ins.LoopStart = 0;
  ins.VolumeEnvelope = std::move(env);
  ins.SustainPoint = sustain;
  ins.FadeOut = fade;
  ins.Panning = pan;
  return ins;
}

xm::Instrument OneShot(const char* name, synth::Buffer b, double peakDb, uint8_t pan) {
  synth::RemoveDc(b);
  synth::FadeEdges(b, 0.3, 20.0);
  xm::Instrument ins;
  ins.Name = name;
  ins.Sample = ToPcm(b, peakDb);
  ins.Panning = pan;
  return ins;
}

}  // namespace

std::vector<xm::Instrument> MakeInstruments() {
  std::vector<xm::Instrument> all;
  // Pad: soft odd and even harmonics, each with a slowly beating twin (2 Hz chorus).
  all.push_back(Sustained("glass pad", Looped(128, {1.0, 0.35, 0.22, 0.1, 0.06, 0.03}, 0.8),
                          {{0, 0}, {28, 52}, {60, 44}, {110, 0}}, 2, 256, 112));
  // Mallet: a struck glass bar at C4.
  synth::Buffer mallet;
  synth::Strike(mallet, 0, 261.6256, 1.0, synth::GlassPartials(), 2.0);
  mallet.resize(static_cast<size_t>(1.1 * synth::kRate));
  all.push_back(OneShot("glass mallet", mallet, -3.0, 150));
  // Bass: round, a little second harmonic; it decays like a plucked string.
  all.push_back(Sustained("soft bass", Looped(16, {1.0, 0.45, 0.12, 0.05}, 0.0),
                          {{0, 0}, {2, 64}, {24, 46}, {90, 30}, {200, 0}}, -1, 512, 128));
  // Lead: a glass flute, fundamental strong, gentle upper partials.
  all.push_back(Sustained("glass lead", Looped(64, {1.0, 0.28, 0.16, 0.07, 0.03}, 0.25),
                          {{0, 0}, {4, 56}, {40, 44}, {140, 0}}, 2, 700, 96));
  synth::Buffer kick;
  synth::Glide(kick, 0, 0.35, 130, 42, 1.0, 1.0, 0.3);
  synth::NoiseBurst(kick, 0, 0.02, 800, 6000, 0.25, 0.5, 0.015, 21);
  all.push_back(OneShot("soft kick", kick, -2.0, 128));
  synth::Buffer snare;
  synth::NoiseBurst(snare, 0, 0.25, 400, 7000, 0.9, 1.0, 0.17, 22);
  synth::Glide(snare, 0, 0.12, 240, 170, 0.5, 1.0, 0.08);
  all.push_back(OneShot("brush snare", snare, -4.0, 136));
  synth::Buffer hat;
  synth::NoiseBurst(hat, 0, 0.08, 7000, 16000, 1.0, 0.5, 0.045, 23);
  all.push_back(OneShot("glass hat", hat, -6.0, 160));
  return all;
}

}  // namespace music
