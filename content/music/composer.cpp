// content/music/composer.cpp — chords, bass lines, arpeggios, drums and melodies to cells.
#include "content/music/composer.hpp"

#include <sstream>
#include <stdexcept>

#include "content/music/instruments.hpp"

namespace music {
namespace {

constexpr int kBarRows = 16;

uint8_t Vol(int v) {
  return static_cast<uint8_t>(0x10 + v);
}

int PitchClass(const std::string& name, size_t& i) {
  static const int base[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
  if (name.empty() || name[0] < 'A' || name[0] > 'G') throw std::runtime_error("bad note " + name);
  int pc = base[name[0] - 'A'];
  i = 1;
  while (i < name.size() && (name[i] == '#' || name[i] == 'b')) pc += name[i++] == '#' ? 1 : -1;
  return (pc + 12) % 12;
}

// "G#5" to a MIDI key (C4 = 60).
int Midi(const std::string& name) {
  size_t i = 0;
  const int pc = PitchClass(name, i);
  if (i >= name.size()) throw std::runtime_error("note without octave " + name);
  return 12 * (name[i] - '0' + 1) + pc;
}

struct Chord {
  int root;                // pitch class
  std::vector<int> tones;  // intervals
};

Chord ReadChord(const std::string& text) {
  size_t i = 0;
  Chord c{PitchClass(text, i), {0, 4, 7}};
  const std::string rest = text.substr(i);
  if (rest == "m")
    c.tones = {0, 3, 7};
  else if (rest == "dim")
    c.tones = {0, 3, 6};
  else if (!rest.empty())
    throw std::runtime_error("bad chord " + text);
  return c;
}

// The chord tone k (0, 1, 2, then the octave) nearest above `floor`.
int ToneAbove(const Chord& c, int k, int floor) {
  const int interval = c.tones[static_cast<size_t>(k % 3)] + 12 * (k / 3);
  int m = c.root + interval;
  while (m < floor) m += 12;
  return m;
}

void Put(xm::Pattern& p, int row, int channel, int midi, uint8_t instrument, int volume) {
  xm::Cell& cell = p.At(row, channel);
  cell.Note = xm::NoteFromMidi(midi);
  cell.Instrument = instrument;
  cell.Volume = Vol(volume);
}

void Pads(xm::Pattern& p, int bar, const Chord& c) {
  for (int v = 0; v < 3; ++v) Put(p, bar * kBarRows, v, ToneAbove(c, v, 55), kPad, 30);
}

void Bass(xm::Pattern& p, int bar, const Chord& c, const std::string& style) {
  const int root = ToneAbove(c, 0, 36), fifth = ToneAbove(c, 2, root);
  const int r0 = bar * kBarRows;
  if (style == "whole") {
    Put(p, r0, 3, root, kBass, 50);
  } else if (style == "half") {
    Put(p, r0, 3, root, kBass, 50);
    Put(p, r0 + 8, 3, fifth, kBass, 42);
  } else if (style == "eighths") {
    for (int k = 0; k < 8; ++k)
      Put(p, r0 + 2 * k, 3, k == 6 ? fifth : root + (k % 4 == 2 ? 12 : 0), kBass, k % 2 ? 36 : 48);
  } else if (style == "pulse") {
    for (int k = 0; k < 8; ++k)
      Put(p, r0 + 2 * k, 3, root + (k % 2 ? 12 : 0), kBass, k % 2 ? 34 : 50);
  } else if (!style.empty()) {
    throw std::runtime_error("bad bass style " + style);
  }
}

void Arp(xm::Pattern& p, int bar, const Chord& c, const std::string& style) {
  const int r0 = bar * kBarRows;
  if (style == "slow") {
    for (int k = 0; k < 4; ++k) Put(p, r0 + 4 * k, 4, ToneAbove(c, k, 67), kMallet, 30 - 2 * k);
  } else if (style == "fast") {
    static const int order[] = {0, 1, 2, 3, 4, 3, 2, 1};
    for (int k = 0; k < 8; ++k)
      Put(p, r0 + 2 * k, 4, ToneAbove(c, order[k], 67), kMallet, k % 2 ? 22 : 28);
  } else if (style == "sparse") {
    Put(p, r0, 4, ToneAbove(c, 2, 72), kMallet, 28);
    Put(p, r0 + 10, 4, ToneAbove(c, 1, 72), kMallet, 22);
  } else if (!style.empty()) {
    throw std::runtime_error("bad arpeggio style " + style);
  }
}

void Drums(xm::Pattern& p, int bar, const std::string& drums, const std::string& hat) {
  const int r0 = bar * kBarRows;
  std::vector<std::pair<int, uint8_t>> hits;
  if (drums == "soft") {
    hits = {{0, kKick}, {8, kSnare}};
  } else if (drums == "drive") {
    hits = {{0, kKick}, {4, kSnare}, {8, kKick}, {10, kKick}, {12, kSnare}};
  } else if (drums == "tense") {
    hits = {{0, kKick}, {6, kKick}, {4, kSnare}, {10, kKick}, {12, kSnare}, {15, kSnare}};
  } else if (!drums.empty()) {
    throw std::runtime_error("bad drum style " + drums);
  }
  for (const auto& [row, instrument] : hits)
    Put(p, r0 + row, 6, 60, instrument, instrument == kKick ? 52 : (row == 15 ? 18 : 34));
  const int step = hat == "eighths" ? 2 : hat == "sixteenths" ? 1 : 0;
  if (!hat.empty() && step == 0) throw std::runtime_error("bad hat style " + hat);
  for (int row = 0; step && row < kBarRows; row += step)
    Put(p, r0 + row, 7, 60, kHat, row % 4 == 2 ? 24 : 14);
}

void Melody(xm::Pattern& p, const std::string& line) {
  std::istringstream bars(line);
  std::string bar;
  for (int b = 0; std::getline(bars, bar, '|') && b < 4; ++b) {
    std::istringstream tokens(bar);
    for (std::string t; tokens >> t;) {
      const size_t colon = t.find(':');
      if (colon == std::string::npos) throw std::runtime_error("bad melody token " + t);
      const int row = b * kBarRows + std::stoi(t.substr(0, colon));
      const std::string note = t.substr(colon + 1);
      if (row < 0 || row >= 4 * kBarRows)
        throw std::runtime_error("melody row out of the bar " + t);
      if (note == "off")
        p.At(row, 5).Note = xm::kKeyOff;
      else
        Put(p, row, 5, Midi(note), kLead, 44);
    }
  }
}

}  // namespace

xm::Module Compose(const Piece& piece) {
  xm::Module m;
  m.Name = piece.Name;
  m.Channels = kChannels;
  m.Speed = 6;
  m.Bpm = piece.Bpm;
  m.RestartPosition = piece.Restart;
  for (int o : piece.Order) m.Order.push_back(static_cast<uint8_t>(o));
  try {
    for (const Section& s : piece.Sections) {
      xm::Pattern p(4 * kBarRows, kChannels);
      std::istringstream chords(s.Chords);
      std::string name;
      for (int bar = 0; bar < 4; ++bar) {
        if (!(chords >> name)) throw std::runtime_error("a section needs four chords");
        const Chord c = ReadChord(name);
        if (s.Pad) Pads(p, bar, c);
        Bass(p, bar, c, s.Bass);
        Arp(p, bar, c, s.Arp);
        Drums(p, bar, s.Drums, s.Hat);
      }
      Melody(p, s.Melody);
      m.Patterns.push_back(std::move(p));
    }
  } catch (const std::exception& e) {
    throw std::runtime_error(piece.Name + ": " + e.what());
  }
  m.Instruments = MakeInstruments();
  return m;
}

}  // namespace music
