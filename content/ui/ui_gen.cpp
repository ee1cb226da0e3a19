// content/ui/ui_gen.cpp — writes the interface file "Slider.li" and every interface picture.
//
// Usage: zerith_ui_gen OUT_DIR TEXTS.txt LEVEL_COUNT OUTPUTS.txt
// TEXTS.txt holds the English captions ("ObjectName = text" lines); every caption the windows
// need must be there, so the English pack and the interface file never disagree. OUTPUTS.txt
// lists every file written (the build needs the names before the generator runs); a difference
// stops the generator with the list it would write.
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>

#include "content/lng/text_table.hpp"
#include "content/ui/ui_writer.hpp"

namespace {

std::set<std::string> ReadList(const std::string& path) {
  std::set<std::string> names;
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);)
    if (!line.empty() && line[0] != '#') names.insert(line);
  return names;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: zerith_ui_gen OUT_DIR TEXTS.txt LEVEL_COUNT OUTPUTS.txt\n");
    return 1;
  }
  const std::string dir = argv[1];
  mkdir(dir.c_str(), 0755);
  std::map<std::string, std::string> texts;
  try {
    texts = lng::ReadTextTable(argv[2]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "zerith_ui_gen: %s\n", e.what());
    return 1;
  }
  uiart::Painter painter;
  painter.dir = dir;
  uigen::TInterface ui(std::move(texts), painter);
  uigen::BuildWindows(ui, std::atoi(argv[3]));
  std::ofstream out(dir + "/Slider.li", std::ios::binary);
  out << ui.Xml();
  if (!out) {
    std::fprintf(stderr, "zerith_ui_gen: cannot write Slider.li\n");
    return 1;
  }
  // Pictures named by the game's own art are not ours to write.
  const std::set<std::string> foreign = {"Title.jpg", "DeadProgressBar.png"};
  std::set<std::string> written = {"Slider.li"};
  for (const std::string& p : ui.Pictures())
    if (!foreign.count(p)) written.insert(p);
  if (written != ReadList(argv[4])) {
    std::fprintf(stderr, "zerith_ui_gen: %s must list exactly:\n", argv[4]);
    for (const std::string& n : written) std::fprintf(stderr, "%s\n", n.c_str());
    return 1;
  }
  return 0;
}
