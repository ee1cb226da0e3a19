// content/music/xm_writer.hpp — our own writer of FastTracker 2 extended modules (".xm", format
// 0x0104): patterns of packed cells, instruments with one 16-bit sample each, a volume envelope
// and a fade-out.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace xm {

inline constexpr uint8_t kKeyOff = 97;

struct Cell {
  uint8_t Note = 0;        // 1 = C-0 .. 96 = B-7, 97 key off, 0 none
  uint8_t Instrument = 0;  // 1-based, 0 none
  uint8_t Volume = 0;      // volume column byte: 0x10 + 0..64 sets the volume, 0 none
  uint8_t Effect = 0, Param = 0;
};

struct Pattern {
  int Rows = 64;
  int Channels = 8;
  std::vector<Cell> Cells;  // Rows × Channels, row by row
  Pattern(int rows, int channels)
      : Rows(rows), Channels(channels), Cells(static_cast<size_t>(rows * channels)) {}
  Cell& At(int row, int channel) { return Cells[static_cast<size_t>(row * Channels + channel)]; }
};

struct EnvelopePoint {
  uint16_t Tick, Value;  // value 0..64
};

struct Instrument {
  std::string Name;
  std::vector<int16_t> Sample;
  double RootHz = 261.6256;  // the pitch the sample holds at 44.1 kHz; note C-4 plays it as C4
  bool Loop = false;         // forward loop over [LoopStart, end)
  size_t LoopStart = 0;
  uint8_t Volume = 64;
  uint8_t Panning = 128;
  std::vector<EnvelopePoint> VolumeEnvelope;  // empty: none
  int SustainPoint = -1;
  uint16_t FadeOut = 0;
};

struct Module {
  std::string Name;
  int Channels = 8;
  int Speed = 6;  // ticks per row
  int Bpm = 125;
  int RestartPosition = 0;
  std::vector<uint8_t> Order;
  std::vector<Pattern> Patterns;
  std::vector<Instrument> Instruments;
};

// The module as file bytes. Raises std::runtime_error on a module the format cannot hold.
std::string Write(const Module& module);

// A note number from a MIDI key (60 = C4 = XM note C-4).
inline uint8_t NoteFromMidi(int midi) {
  return static_cast<uint8_t>(midi - 11);
}

}  // namespace xm
