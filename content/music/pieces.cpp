// content/music/pieces.cpp — the four pieces: the menu's ambient A minor and three level pieces
// with their own moods (calm D major, driving E minor, tense C minor). Each pattern is four
// bars; each piece loops back to its first full section at the end of its last pattern.
#include "content/music/pieces.hpp"

namespace music {

Piece MenuPiece() {
  Piece p;
  p.Name = "Crystal Vibe";
  p.Bpm = 90;
  const std::string a =
      "0:E5 8:A5 12:B5 | 0:C6 8:A5 12:F5 | 0:G5 4:E5 8:C5 12:E5 | 0:D5 8:B4 14:D5";
  const std::string b =
      "0:A5 6:G5 8:E5 12:C5 | 0:F5 4:A5 8:C6 12:A5 | 0:D6 6:C6 8:A5 12:F5 | 0:G#5 8:B5 12:E5";
  const std::string c =
      "0:A5 4:C6 8:F6 12:E6 | 0:D6 8:B5 12:G5 | 0:E5 4:G5 8:B5 12:G5 | 0:A5 8:E5 15:off";
  p.Sections = {
      {"Am F C G", "", "slow", "", "", ""},                 // 0 intro: pads, arpeggio
      {"Am F C G", "whole", "slow", "", "", ""},            // 1 with the bass
      {"Am F C G", "half", "slow", "soft", "", a},          // 2 the theme
      {"Am F Dm E", "half", "slow", "soft", "", b},         // 3 its answer
      {"F G Em Am", "half", "fast", "soft", "eighths", c},  // 4 a brighter turn
      {"Dm Am F E", "whole", "sparse", "", "", ""},         // 5 the breath before the loop
  };
  // Order 12 is where the game starts the music again after a level: the theme.
  p.Order = {0, 1, 2, 3, 1, 4, 4, 5, 1, 2, 3, 5, 2, 3, 4, 5};
  p.Restart = 1;
  return p;
}

Piece CalmPiece() {
  Piece p;
  p.Name = "Quiet Hollow";
  p.Bpm = 100;
  const std::string a =
      "0:F#5 4:A5 8:D6 12:C#6 | 0:B5 8:F#5 12:D5 | 0:G5 4:B5 8:D6 12:B5 | 0:A5 8:E5 12:C#5";
  const std::string b =
      "0:B5 4:A5 8:G5 12:D5 | 0:F#5 8:A5 12:D6 | 0:E6 4:D6 8:B5 12:G5 | 0:A5 6:C#6 8:E6 12:C#6";
  p.Sections = {
      {"D Bm G A", "half", "slow", "", "", ""},
      {"D Bm G A", "half", "slow", "soft", "eighths", a},
      {"G D Em A", "half", "fast", "soft", "eighths", b},
      {"Bm G D A", "whole", "sparse", "", "", ""},
  };
  p.Order = {0, 1, 2, 1, 2, 3, 0, 1, 2, 3, 2, 3};
  return p;
}

Piece DrivingPiece() {
  Piece p;
  p.Name = "Vein Runner";
  p.Bpm = 118;
  const std::string a =
      "0:E5 2:G5 4:B5 6:E6 8:D6 12:B5 | 0:C6 4:B5 6:G5 8:E5 12:G5 | 0:D6 2:B5 4:G5 8:A5 12:B5 | "
      "0:A5 4:F#5 8:D5 12:F#5";
  const std::string b =
      "0:B5 4:E6 8:G6 12:F#6 | 0:E6 4:C6 8:G5 12:E6 | 0:C6 4:A5 8:E5 10:G5 12:A5 | 0:B5 4:D#6 "
      "8:F#6 12:D#6";
  p.Sections = {
      {"Em C G D", "eighths", "fast", "drive", "eighths", ""},
      {"Em C G D", "eighths", "fast", "drive", "sixteenths", a},
      {"Em C Am B", "eighths", "fast", "drive", "sixteenths", b},
      {"C D Em Em", "half", "slow", "soft", "eighths", ""},
  };
  p.Order = {0, 1, 2, 1, 2, 3, 0, 1, 2, 1, 2, 3, 0, 3};
  return p;
}

Piece TensePiece() {
  Piece p;
  p.Name = "Deep Warden";
  p.Bpm = 124;
  const std::string a =
      "0:G5 3:Ab5 6:G5 8:Eb5 12:C5 | 0:C6 3:Bb5 6:Ab5 8:Eb5 12:F5 | 0:F5 3:G5 6:Ab5 8:C6 12:Ab5 | "
      "0:B5 4:D6 8:F6 12:D6";
  const std::string b =
      "0:C6 2:D6 4:Eb6 8:D6 10:C6 12:G5 | 0:Ab5 4:F5 8:Db6 12:C6 | 0:D6 4:B5 8:F5 12:Ab5 | 0:G5 "
      "4:B5 8:D6 12:G6";
  p.Sections = {
      {"Cm Ab Fm G", "pulse", "fast", "tense", "eighths", ""},
      {"Cm Ab Fm G", "pulse", "fast", "tense", "sixteenths", a},
      {"Cm Db Bdim G", "pulse", "fast", "tense", "sixteenths", b},
      {"Ab Fm Db G", "whole", "sparse", "soft", "eighths", ""},
  };
  p.Order = {0, 1, 2, 1, 2, 3, 0, 1, 2, 3, 1, 2, 0, 1, 2, 3};
  return p;
}

}  // namespace music
