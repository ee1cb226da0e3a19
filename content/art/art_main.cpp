// content/art/art_main.cpp — zc_art OUTDIR ARTDIR: every picture of the game except the
// crystals themselves, plus "BossTypes.xml".
#include <exception>
#include <iostream>

#include "content/art/art.hpp"
#include "content/pipeline/canvas.hpp"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: zc_art OUTDIR ARTDIR\n";
    return 1;
  }
  try {
    const std::string out = content::PrepareOutDir(argv[1]);
    const std::string src = argv[2];
    art::PaintSprites(out);
    art::WriteBarAutoImages(out);
    art::PaintBonusStrips(out);
    art::PaintScenes(out);
    art::PaintLevelArt(out);
    art::PaintBosses(out, src + "/bosses");
    art::PaintIcons(out);
  } catch (const std::exception& e) {
    std::cerr << "zc_art: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
