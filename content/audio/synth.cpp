// content/audio/synth.cpp — the synthesiser's voices and clean-up.
#include "content/audio/synth.hpp"

#include <algorithm>
#include <cmath>

namespace synth {
namespace {

constexpr double kTwoPi = 6.283185307179586;

void Ensure(Buffer& out, size_t n) {
  if (out.size() < n) out.resize(n, 0.0f);
}

// Attack ramp (raised cosine) then exponential decay to -60 dB after decayS.
double Envelope(double t, double attackS, double decayS) {
  if (t < 0) return 0;
  if (t < attackS) return 0.5 - 0.5 * std::cos(M_PI * t / attackS);
  return std::exp(-6.907755 * (t - attackS) / decayS);
}

}  // namespace

float Noise::Next() {
  state ^= state << 13;
  state ^= state >> 17;
  state ^= state << 5;
  return static_cast<float>(static_cast<int32_t>(state) / 2147483648.0);
}

const std::vector<Partial>& GlassPartials() {
  static const std::vector<Partial> kGlass = {
      {1.0, 1.0, 1.4}, {2.76, 0.45, 0.7}, {5.40, 0.22, 0.35}, {8.93, 0.10, 0.18}, {2.0, 0.12, 0.9}};
  return kGlass;
}

void Strike(Buffer& out, double startS, double freq, double gain,
            const std::vector<Partial>& partials, double attackMs) {
  double longest = 0;
  for (const Partial& p : partials) longest = std::max(longest, p.decayS);
  const size_t begin = static_cast<size_t>(startS * kRate);
  const size_t n = static_cast<size_t>((longest + attackMs / 1000) * kRate);
  Ensure(out, begin + n);
  for (const Partial& p : partials) {
    const double f = freq * p.ratio;
    if (f >= kRate * 0.45) continue;  // nothing above the band
    for (size_t i = 0; i < n; ++i) {
      const double t = static_cast<double>(i) / kRate;
      out[begin + i] += static_cast<float>(gain * p.amp * Envelope(t, attackMs / 1000, p.decayS) *
                                           std::sin(kTwoPi * f * t));
    }
  }
}

void FmBell(Buffer& out, double startS, double freq, double gain, double ratio, double index,
            double decayS, double attackMs) {
  const size_t begin = static_cast<size_t>(startS * kRate);
  const size_t n = static_cast<size_t>((decayS + attackMs / 1000) * kRate);
  Ensure(out, begin + n);
  for (size_t i = 0; i < n; ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double env = Envelope(t, attackMs / 1000, decayS);
    const double mod = index * env * std::sin(kTwoPi * freq * ratio * t);
    out[begin + i] += static_cast<float>(gain * env * std::sin(kTwoPi * freq * t + mod));
  }
}

void Glide(Buffer& out, double startS, double durS, double f0, double f1, double gain,
           double attackMs, double decayS) {
  const size_t begin = static_cast<size_t>(startS * kRate);
  const size_t n = static_cast<size_t>(durS * kRate);
  Ensure(out, begin + n);
  double phase = 0;
  for (size_t i = 0; i < n; ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double f = f0 * std::pow(f1 / f0, t / durS);  // even in pitch
    phase += kTwoPi * f / kRate;
    out[begin + i] +=
        static_cast<float>(gain * Envelope(t, attackMs / 1000, decayS) * std::sin(phase));
  }
}

void NoiseBurst(Buffer& out, double startS, double durS, double lowHz, double highHz, double gain,
                double attackMs, double decayS, uint32_t seed) {
  Noise noise(seed);
  const size_t begin = static_cast<size_t>(startS * kRate);
  const size_t n = static_cast<size_t>(durS * kRate);
  Ensure(out, begin + n);
  const double aLow = 1 - std::exp(-kTwoPi * highHz / kRate);  // low pass at highHz
  const double aHigh = std::exp(-kTwoPi * lowHz / kRate);      // high pass at lowHz
  double lp = 0, hpIn = 0, hp = 0;
  for (size_t i = 0; i < n; ++i) {
    const double t = static_cast<double>(i) / kRate;
    lp += aLow * (noise.Next() - lp);
    hp = aHigh * (hp + lp - hpIn);
    hpIn = lp;
    out[begin + i] += static_cast<float>(gain * Envelope(t, attackMs / 1000, decayS) * hp);
  }
}

void Reverb(Buffer& b, double wet, double tailS) {
  const size_t dry = b.size();
  b.resize(dry + static_cast<size_t>(tailS * kRate), 0.0f);
  const double combMs[4] = {29.7, 37.1, 41.1, 43.7};
  Buffer sum(b.size(), 0.0f);
  for (double ms : combMs) {
    const size_t d = static_cast<size_t>(ms * kRate / 1000);
    Buffer line(d, 0.0f);
    double damp = 0;
    size_t k = 0;
    for (size_t i = 0; i < b.size(); ++i) {
      const double y = line[k];
      damp = 0.6 * damp + 0.4 * y;  // darker repeats
      line[k] = static_cast<float>(b[i] + 0.74 * damp);
      k = (k + 1) % d;
      sum[i] += static_cast<float>(y);
    }
  }
  const double allpassMs[2] = {5.0, 1.7};
  for (double ms : allpassMs) {
    const size_t d = static_cast<size_t>(ms * kRate / 1000);
    Buffer line(d, 0.0f);
    size_t k = 0;
    for (float& s : sum) {
      const double delayed = line[k];
      const double in = s;
      const double outv = -0.5 * in + delayed;
      line[k] = static_cast<float>(in + 0.5 * outv);
      k = (k + 1) % d;
      s = static_cast<float>(outv);
    }
  }
  for (size_t i = 0; i < b.size(); ++i) b[i] += static_cast<float>(wet * 0.25 * sum[i]);
}

void RemoveDc(Buffer& b) {
  // One-pole high pass at about 15 Hz.
  const double r = std::exp(-kTwoPi * 15.0 / kRate);
  double x1 = 0, y1 = 0;
  for (float& s : b) {
    const double y = s - x1 + r * y1;
    x1 = s;
    y1 = y;
    s = static_cast<float>(y);
  }
}

void FadeEdges(Buffer& b, double inMs, double outMs) {
  const size_t in = std::min(b.size(), static_cast<size_t>(inMs * kRate / 1000));
  const size_t out = std::min(b.size(), static_cast<size_t>(outMs * kRate / 1000));
  for (size_t i = 0; i < in; ++i) b[i] *= static_cast<float>(i) / static_cast<float>(in);
  for (size_t i = 0; i < out; ++i) {
    const double g = 0.5 - 0.5 * std::cos(M_PI * static_cast<double>(i) / static_cast<double>(out));
    b[b.size() - 1 - i] *= static_cast<float>(g);
  }
}

void Normalise(Buffer& b, double peakDb) {
  float peak = 0;
  for (float s : b) peak = std::max(peak, std::fabs(s));
  if (peak <= 0) return;
  const float g = static_cast<float>(std::pow(10.0, peakDb / 20.0) / peak);
  for (float& s : b) s *= g;
}

Buffer Silence(double seconds) {
  return Buffer(static_cast<size_t>(seconds * kRate), 0.0f);
}

}  // namespace synth
