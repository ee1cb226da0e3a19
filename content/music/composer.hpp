// content/music/composer.hpp — turns a piece written as chords, styles and melody lines into
// module patterns: one pattern is four bars of sixteen rows.
#pragma once

#include <string>
#include <vector>

#include "content/music/xm_writer.hpp"

namespace music {

// Channels: 0..2 pad voices, 3 bass, 4 arpeggio, 5 melody, 6 kick and snare, 7 hat.
inline constexpr int kChannels = 8;

struct Section {
  std::string Chords;  // four chords, "Am F C G" (root, then m, dim or nothing for major)
  std::string Bass;    // "", "whole", "half", "eighths", "pulse"
  std::string Arp;     // "", "slow", "fast", "sparse"
  std::string Drums;   // "", "soft", "drive", "tense"
  std::string Hat;     // "", "eighths", "sixteenths"
  std::string Melody;  // four bars split by "|": "row:note" tokens, note like "G#5" or "off"
  bool Pad = true;
};

struct Piece {
  std::string Name;
  int Bpm = 100;
  std::vector<Section> Sections;  // pattern i is section i
  std::vector<int> Order;
  int Restart = 0;
};

// Raises std::runtime_error naming the piece on a chord or note it cannot read.
xm::Module Compose(const Piece& piece);

}  // namespace music
