// content/music/xm_writer.cpp — the byte layout of an extended module, little endian.
#include "content/music/xm_writer.hpp"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace xm {
namespace {

class Bytes {
 public:
  void U8(unsigned v) { out.push_back(static_cast<char>(v & 0xFF)); }
  void U16(unsigned v) {
    U8(v);
    U8(v >> 8);
  }
  void U32(uint32_t v) {
    U16(v & 0xFFFF);
    U16(v >> 16);
  }
  void Text(const std::string& s, size_t width, char pad) {
    for (size_t i = 0; i < width; ++i) out.push_back(i < s.size() ? s[i] : pad);
  }
  void Zeros(size_t n) { out.append(n, '\0'); }
  size_t Size() const { return out.size(); }
  std::string out;
};

std::string PackPattern(const Pattern& p) {
  Bytes b;
  for (const Cell& c : p.Cells) {
    uint8_t mask = 0x80;
    if (c.Note) mask |= 1;
    if (c.Instrument) mask |= 2;
    if (c.Volume) mask |= 4;
    if (c.Effect) mask |= 8;
    if (c.Param) mask |= 16;
    b.U8(mask);
    if (c.Note) b.U8(c.Note);
    if (c.Instrument) b.U8(c.Instrument);
    if (c.Volume) b.U8(c.Volume);
    if (c.Effect) b.U8(c.Effect);
    if (c.Param) b.U8(c.Param);
  }
  return b.out;
}

// Relative note and fine tune so that note C-4 plays the sample's root as C4 (261.63 Hz): the
// linear table plays C-4 at 8363 Hz before these corrections.
void Tuning(double rootHz, int& relative, int& fine) {
  const double rate = 44100.0 * 261.6256 / rootHz;
  const double semis = 12.0 * std::log2(rate / 8363.0);
  relative = static_cast<int>(std::lround(semis));
  fine = std::clamp(static_cast<int>(std::lround((semis - relative) * 128.0)), -128, 127);
}

void WriteInstrument(Bytes& b, const Instrument& ins) {
  const size_t start = b.Size();
  b.U32(263);  // instrument header size, this field included
  b.Text(ins.Name, 22, '\0');
  b.U8(0);
  b.U16(1);     // one sample
  b.U32(40);    // sample header size
  b.Zeros(96);  // every key plays sample 0
  if (ins.VolumeEnvelope.size() > 12) throw std::runtime_error("envelope with over 12 points");
  for (size_t i = 0; i < 12; ++i) {
    const EnvelopePoint p =
        i < ins.VolumeEnvelope.size() ? ins.VolumeEnvelope[i] : EnvelopePoint{0, 0};
    b.U16(p.Tick);
    b.U16(p.Value);
  }
  b.Zeros(48);  // panning envelope
  b.U8(static_cast<unsigned>(ins.VolumeEnvelope.size()));
  b.U8(0);
  b.U8(ins.SustainPoint < 0 ? 0 : static_cast<unsigned>(ins.SustainPoint));
  b.U8(0);
  b.U8(0);
  b.U8(0);
  b.U8(0);
  b.U8(0);
  unsigned type = ins.VolumeEnvelope.empty() ? 0 : 1;
  if (ins.SustainPoint >= 0) type |= 2;
  b.U8(type);
  b.U8(0);
  b.Zeros(4);  // vibrato type, sweep, depth, rate
  b.U16(ins.FadeOut);
  b.Zeros(263 - (b.Size() - start));

  const uint32_t length = static_cast<uint32_t>(ins.Sample.size() * 2);
  const uint32_t loopStart = ins.Loop ? static_cast<uint32_t>(ins.LoopStart * 2) : 0;
  const uint32_t loopLength = ins.Loop ? length - loopStart : 0;
  int relative = 0, fine = 0;
  Tuning(ins.RootHz, relative, fine);
  b.U32(length);
  b.U32(loopStart);
  b.U32(loopLength);
  b.U8(ins.Volume);
  b.U8(static_cast<unsigned>(static_cast<int8_t>(fine)) & 0xFF);
  b.U8((ins.Loop ? 1u : 0u) | 0x10u);  // 16-bit
  b.U8(ins.Panning);
  b.U8(static_cast<unsigned>(static_cast<int8_t>(relative)) & 0xFF);
  b.U8(0);
  b.Text(ins.Name, 22, '\0');
  int16_t previous = 0;  // samples are stored as differences
  for (int16_t s : ins.Sample) {
    b.U16(static_cast<uint16_t>(static_cast<int16_t>(s - previous)));
    previous = s;
  }
}

}  // namespace

std::string Write(const Module& m) {
  if (m.Order.empty() || m.Order.size() > 256) throw std::runtime_error("order list of 1..256");
  if (m.Patterns.empty() || m.Patterns.size() > 256) throw std::runtime_error("1..256 patterns");
  if (m.Channels < 2 || m.Channels > 32 || m.Channels % 2) throw std::runtime_error("channels");
  Bytes b;
  b.Text("Extended Module: ", 17, ' ');
  b.Text(m.Name, 20, '\0');
  b.U8(0x1A);
  b.Text("zerith_music_gen", 20, '\0');
  b.U16(0x0104);
  b.U32(276);
  b.U16(static_cast<unsigned>(m.Order.size()));
  b.U16(static_cast<unsigned>(m.RestartPosition));
  b.U16(static_cast<unsigned>(m.Channels));
  b.U16(static_cast<unsigned>(m.Patterns.size()));
  b.U16(static_cast<unsigned>(m.Instruments.size()));
  b.U16(1);  // linear frequency table
  b.U16(static_cast<unsigned>(m.Speed));
  b.U16(static_cast<unsigned>(m.Bpm));
  for (size_t i = 0; i < 256; ++i) b.U8(i < m.Order.size() ? m.Order[i] : 0);
  for (const Pattern& p : m.Patterns) {
    if (p.Channels != m.Channels) throw std::runtime_error("pattern channel count");
    const std::string packed = PackPattern(p);
    b.U32(9);
    b.U8(0);
    b.U16(static_cast<unsigned>(p.Rows));
    b.U16(static_cast<unsigned>(packed.size()));
    b.out += packed;
  }
  for (const Instrument& ins : m.Instruments) WriteInstrument(b, ins);
  return b.out;
}

}  // namespace xm
