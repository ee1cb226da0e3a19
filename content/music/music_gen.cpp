// content/music/music_gen.cpp — writes the game's music as extended modules and the list
// "musics.dat". The menu piece keeps the entry name the game asks for ("Vibe-nfs.mo3"); the
// player reads the module by its content, not its name.
//
// Usage: zerith_music_gen OUT_DIR
#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <stdexcept>

#include "content/music/pieces.hpp"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: zerith_music_gen OUT_DIR\n");
    return 1;
  }
  const std::string dir = argv[1];
  mkdir(dir.c_str(), 0755);
  const std::pair<const char*, music::Piece (*)()> pieces[] = {{"Vibe-nfs.mo3", music::MenuPiece},
                                                               {"music1.xm", music::CalmPiece},
                                                               {"music2.xm", music::DrivingPiece},
                                                               {"music3.xm", music::TensePiece}};
  std::string list;
  try {
    for (const auto& [name, make] : pieces) {
      std::ofstream out(dir + "/" + name, std::ios::binary);
      out << xm::Write(music::Compose(make()));
      if (!out) throw std::runtime_error(std::string("cannot write ") + name);
      list += std::string(name) + "\r\n";
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "zerith_music_gen: %s\n", e.what());
    return 1;
  }
  std::ofstream out(dir + "/musics.dat", std::ios::binary);
  out << list;
  return out ? 0 : 1;
}
