// content/pieces/pieces_main.cpp — zc_pieces OUTDIR SHAPES.txt COLOURS.txt: writes
// "fishkaShapes.xml", "MetaColors.xml", one gem picture per shape and one sign per colour.
#include <exception>
#include <iostream>
#include <set>
#include <string>

#include "content/pieces/colours.hpp"
#include "content/pieces/gem_painter.hpp"
#include "content/pieces/shape_catalogue.hpp"
#include "content/pipeline/canvas.hpp"
#include "data/files.hpp"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: zc_pieces OUTDIR SHAPES.txt COLOURS.txt\n";
    return 1;
  }
  try {
    const std::string out = content::PrepareOutDir(argv[1]);
    const auto shapes = pieces::ReadShapes(data::ReadWholeFile(argv[2]));
    const auto colours = pieces::ReadColours(data::ReadWholeFile(argv[3]));
    content::WriteBytes(out + "fishkaShapes.xml", pieces::ShapesXml(shapes));
    content::WriteBytes(out + "MetaColors.xml", pieces::ColoursXml(colours));
    std::set<std::string> materials;
    for (const auto& c : colours) materials.insert(c.Material);
    for (const auto& s : shapes)
      for (const std::string& m : materials) pieces::PaintGem(s, out + s.Name + "_" + m + ".png");
    for (const auto& c : colours) pieces::PaintSign(c.Sign, out + "sign_" + c.Sign + ".png");
  } catch (const std::exception& e) {
    std::cerr << "zc_pieces: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
