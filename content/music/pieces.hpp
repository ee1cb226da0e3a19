// content/music/pieces.hpp — the game's four pieces of music, written for the composer.
#pragma once

#include "content/music/composer.hpp"

namespace music {

Piece MenuPiece();     // "Vibe-nfs.mo3": 90 BPM, A minor, ambient
Piece CalmPiece();     // "music1.xm": 100 BPM, D major
Piece DrivingPiece();  // "music2.xm": 118 BPM, E minor
Piece TensePiece();    // "music3.xm": 124 BPM, C minor

}  // namespace music
