// content/levels/levels_main.cpp — zc_levels OUTDIR PIECES_DIR BOSSES.txt ART_OUTDIR LEVEL...:
// compiles each levelNN.lvl into "LevelNN.xml" (number without leading zeros) and writes
// level_names.txt ("N<tab>name" per line) for the interface to show.
#include <algorithm>
#include <exception>
#include <filesystem>
#include <iostream>
#include <regex>
#include <sstream>

#include "content/levels/level_source.hpp"
#include "content/pieces/colours.hpp"
#include "content/pipeline/canvas.hpp"
#include "data/error.hpp"
#include "data/files.hpp"

namespace {

levels::TPictureSize PngSize(const std::string& path) {
  const std::string bytes = data::ReadWholeFile(path);
  if (bytes.size() < 24) throw data::Error(path + ": not a PNG picture");
  auto be32 = [&](size_t at) {
    return static_cast<int>(
        static_cast<uint8_t>(bytes[at]) << 24 | static_cast<uint8_t>(bytes[at + 1]) << 16 |
        static_cast<uint8_t>(bytes[at + 2]) << 8 | static_cast<uint8_t>(bytes[at + 3]));
  };
  return {be32(16), be32(20)};
}

levels::TLevelWorld ReadWorld(const std::string& piecesDir, const std::string& bossesPath,
                              const std::string& artDir) {
  levels::TLevelWorld w;
  const std::string shapesText = data::ReadWholeFile(piecesDir + "/shapes.txt");
  w.Shapes = pieces::ReadShapes(shapesText);
  std::istringstream lines(shapesText);
  for (std::string line; std::getline(lines, line);) {
    if (line.empty() || line[0] == '#' || line.find('|') == std::string::npos) continue;
    std::istringstream names(line.substr(0, line.find('|')));
    std::vector<std::string> rotation;
    for (std::string n; names >> n;) rotation.push_back(n);
    // The family is the first name up to its last underscore ("wedge_tr" → "wedge").
    const std::string family = rotation[0].substr(0, rotation[0].rfind('_'));
    w.Families[family] = rotation;
  }
  w.ColourCount =
      static_cast<int>(pieces::ReadColours(data::ReadWholeFile(piecesDir + "/colours.txt")).size());
  std::istringstream bosses(data::ReadWholeFile(bossesPath));
  for (std::string line; std::getline(bosses, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream in(line);
    std::string name;
    int power = 0;
    levels::TBossTypeInfo b;
    in >> name >> power >> b.FeetX >> b.FeetY;
    b.Name = name.substr(name.find('_') + 1);
    w.Bosses.push_back(b);
  }
  std::vector<std::string> files;
  for (const auto& e : std::filesystem::directory_iterator(artDir))
    files.push_back(e.path().filename().string());
  std::sort(files.begin(), files.end());
  const std::regex deco("(deco_[a-z]+)([0-9]+)\\.png"), tile("tile_([a-z]+)1\\.png");
  std::smatch m;
  for (const std::string& f : files) {
    if (std::regex_match(f, m, tile)) w.Themes.push_back(m[1]);
  }
  for (const std::string& f : files) {
    if (!std::regex_match(f, m, deco) || m[2] != "1") continue;
    for (int n = 1;; ++n) {
      const std::string path = artDir + "/" + std::string(m[1]) + std::to_string(n) + ".png";
      if (!std::filesystem::exists(path)) break;
      w.Decor[m[1]].push_back(PngSize(path));
    }
  }
  return w;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 6) {
    std::cerr << "usage: zc_levels OUTDIR PIECES_DIR BOSSES.txt ART_OUTDIR LEVEL.lvl...\n";
    return 1;
  }
  try {
    const std::string out = content::PrepareOutDir(argv[1]);
    const levels::TLevelWorld world = ReadWorld(argv[2], argv[3], argv[4]);
    std::ostringstream names;
    const std::regex levelName("level0*([1-9][0-9]*)\\.lvl");
    for (int i = 5; i < argc; ++i) {
      const std::string file = std::filesystem::path(argv[i]).filename().string();
      std::smatch m;
      if (!std::regex_match(file, m, levelName))
        throw data::Error(file + ": level sources are named levelNN.lvl");
      const levels::TCompiledLevel level =
          levels::CompileLevel(data::ReadWholeFile(argv[i]), file, world);
      content::WriteBytes(out + "Level" + std::string(m[1]) + ".xml", level.Xml);
      names << m[1] << "\t" << level.Name << "\n";
    }
    content::WriteBytes(out + "level_names.txt", names.str());
  } catch (const std::exception& e) {
    std::cerr << "zc_levels: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
