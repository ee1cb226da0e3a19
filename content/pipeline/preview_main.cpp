// content/pipeline/preview_main.cpp — zc_preview GAME.zxc LEVELS.zxc OUT.png: a mock play
// screen built from the shipped archives the way the game builds its pictures (unpacking, then
// composing each crystal from the gem, its colour shift and its sign), shown beside the same
// screen in greyscale. For looking at the content, not run by the build.
#include <cairo.h>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <map>
#include <sstream>

#include "content/pipeline/canvas.hpp"
#include "data/error.hpp"
#include "data/file_folder.hpp"
#include "graphics/attr_text.hpp"
#include "graphics/auto_image.hpp"
#include "graphics/jpeg_codec.hpp"
#include "graphics/png_codec.hpp"
#include "graphics/png_morf.hpp"

namespace {

using content::TNoise;

struct TShapeInfo {
  std::string Name;
  int Sx = 0, Sy = 0, MinX = 1000, MaxY = 0, Triangles = 0;
  std::vector<std::array<int, 3>> Frags;  // column, row, kind of each triangle (from cell 0,0)
};

graphics::TImage Picture(data::TFileFolder& f, const std::string& name) {
  data::TMemoryStream* s = f.GetFileStream(name);
  if (s == nullptr) throw data::Error("missing " + name);
  std::string_view bytes = s->View();
  return graphics::LooksLikePng(bytes) ? graphics::DecodePng(bytes, name)
                                       : graphics::DecodeJpeg(bytes, name);
}

cairo_surface_t* Surface(const graphics::TImage& img) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, img.Width, img.Height);
  unsigned char* d = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  for (int y = 0; y < img.Height; ++y)
    for (int x = 0; x < img.Width; ++x) {
      const uint8_t* p = img.At(x, y);
      const uint32_t a = img.AlphaAt(x, y);
      auto* o = reinterpret_cast<uint32_t*>(d + y * stride) + x;
      *o = a << 24 | (p[0] * a / 255) << 16 | (p[1] * a / 255) << 8 | (p[2] * a / 255);
    }
  cairo_surface_mark_dirty(s);
  return s;
}

void Blit(cairo_t* cr, const graphics::TImage& img, double x, double y, int srcX = 0,
          int srcW = -1) {
  cairo_surface_t* s = Surface(img);
  cairo_save(cr);
  cairo_rectangle(cr, x, y, srcW < 0 ? img.Width : srcW, img.Height);
  cairo_clip(cr);
  cairo_set_source_surface(cr, s, x - srcX, y);
  cairo_paint(cr);
  cairo_restore(cr);
  cairo_surface_destroy(s);
}

std::vector<TShapeInfo> ReadShapes(data::TFileFolder& game) {
  std::istringstream text(std::string(game.GetFileStream("fishkaShapes.xml")->View()));
  std::vector<TShapeInfo> out;
  for (std::string line; std::getline(text, line);) {
    if (line.find("<Shape ") != std::string::npos) {
      out.push_back({});
      out.back().Name = graphics::AttrValue(line, "Name");
      out.back().Sx = graphics::StrToInt(graphics::AttrValue(line, "Sx"));
      out.back().Sy = graphics::StrToInt(graphics::AttrValue(line, "Sy"));
    } else if (line.find("<Fish ") != std::string::npos) {
      TShapeInfo& s = out.back();
      const int kind = graphics::StrToInt(graphics::AttrValue(line, "Type"));
      int minX = 100000, minY = 100000;
      for (size_t at = 0; (at = line.find("<Point", at)) != std::string::npos; ++at) {
        const std::string p = line.substr(at, line.find("/>", at) - at);
        const int x = graphics::StrToInt(graphics::AttrValue(p, " x"));
        const int y = graphics::StrToInt(graphics::AttrValue(p, " y"));
        s.MinX = std::min(s.MinX, x);
        s.MaxY = std::max(s.MaxY, y);
        minX = std::min(minX, x);
        minY = std::min(minY, y);
      }
      const int row = minY / 42, col = (minX - 21 * row) / 48;
      s.Frags.push_back({col, row, kind});
      ++s.Triangles;
    }
  }
  return out;
}

// The level's first layer, its bosses, pictures and map, placed as the game places them.
template <class TTypeFn>
void DrawLevel(cairo_t* cr, data::TFileFolder& game, data::TFileFolder& levels,
               const std::vector<TShapeInfo>& shapes, size_t colours, TTypeFn& type,
               const std::string& entry) {
  std::istringstream text(std::string(levels.GetFileStream(entry)->View()));
  std::vector<std::string> mapImages, lines;
  std::vector<int> colourList;
  TNoise noise(9);
  bool firstLayer = true, inLayer = false;
  std::vector<std::string> all;
  for (std::string l; std::getline(text, l);) all.push_back(l);
  for (const std::string& l : all) {
    if (l.find("<FishkaColors>") != std::string::npos) {
      std::istringstream w(l.substr(l.find('>') + 1));
      for (int c; w >> c;) colourList.push_back(c - 1);
    }
    if (l.find("<Image Name=\"tile_") != std::string::npos) {
      for (size_t at = 0; (at = l.find("Name=\"", at)) != std::string::npos; ++at)
        mapImages.push_back(l.substr(at + 6, l.find('"', at + 6) - at - 6));
    }
    if (l.find("<Line>") != std::string::npos)
      lines.push_back(l.substr(l.find('>') + 1, l.find("</") - l.find('>') - 1));
  }
  // Map: the file's last line is the bottom one.
  for (size_t i = 0; i < lines.size(); ++i) {
    const int y = static_cast<int>(lines.size() - 1 - i) * 84;
    std::istringstream w(lines[i]);
    int t = 0;
    for (int n; w >> n; ++t) {
      if (n == 0) continue;
      const graphics::TImage tile = Picture(levels, mapImages[static_cast<size_t>(n - 1)]);
      Blit(cr, tile, y / 2 + t * 96 + 11, 593 - y - tile.Height);
    }
  }
  for (const std::string& l : all) {
    if (l.find("<Picture ") != std::string::npos) {
      const int x = graphics::StrToInt(graphics::AttrValue(l, " x"));
      const int y = graphics::StrToInt(graphics::AttrValue(l, " y"));
      Blit(cr, Picture(levels, graphics::AttrValue(l, "Name") + "1.png"), x + 11, 593 - y);
    }
  }
  for (const std::string& l : all) {
    if (l.find("<Layer>") != std::string::npos) inLayer = firstLayer;
    if (l.find("</Layer>") != std::string::npos) firstLayer = inLayer = false;
    if (!inLayer || l.find("<Fishka ") == std::string::npos) continue;
    const std::string name = graphics::AttrValue(l, "Shape");
    size_t s = 0;
    while (s < shapes.size() && shapes[s].Name != name) ++s;
    const int x = graphics::StrToInt(graphics::AttrValue(l, " x"));
    const int y = graphics::StrToInt(graphics::AttrValue(l, " y"));
    const size_t c = static_cast<size_t>(colourList[noise.Next() % colourList.size()]);
    const int count = graphics::StrToInt(graphics::AttrValue(l, "Count"));
    for (int k = count - 1; k >= 0; --k) Blit(cr, type(s, c % colours), x, 590 - y - 9 * k);
  }
  for (const std::string& l : all) {
    if (l.find("<Boss ") == std::string::npos) continue;
    const int x = graphics::StrToInt(graphics::AttrValue(l, " x"));
    const int y = graphics::StrToInt(graphics::AttrValue(l, " y"));
    static const char* names[] = {"boss_heart.png", "boss_imp.png", "boss_bat.png", "boss_wisp.png",
                                  "boss_warden.png"};
    const int t = graphics::StrToInt(graphics::AttrValue(l, "Type"));
    if (y < 700) Blit(cr, Picture(levels, names[t]), x + 11, 593 - y);
  }
  (void)game;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4 && argc != 5) {
    std::cerr << "usage: zc_preview GAME.zxc LEVELS.zxc OUT.png [LEVEL]\n";
    return 1;
  }
  try {
    const std::string tmp = std::filesystem::temp_directory_path() / "zc_preview";
    std::filesystem::create_directories(tmp);
    graphics::TPNGMorf morf(90);
    morf.MorfArchive(argv[1], tmp + "/game.zxc");
    morf.MorfArchive(argv[2], tmp + "/levels.zxc");
    data::TFileFolder game(tmp + "/game.zxc"), levels(tmp + "/levels.zxc");
    const std::vector<TShapeInfo> shapes = ReadShapes(game);
    std::vector<std::string> colourLines;
    {
      std::istringstream t(std::string(game.GetFileStream("MetaColors.xml")->View()));
      for (std::string l; std::getline(t, l);)
        if (l.find("<Color ") != std::string::npos) colourLines.push_back(l);
    }
    // Compose every type as the game does at first start.
    std::map<std::string, graphics::TImage> types;
    data::TMemoryStream work;
    auto type = [&](size_t s, size_t c) -> const graphics::TImage& {
      const std::string name = shapes[s].Name + "_" + std::to_string(c);
      auto it = types.find(name);
      if (it != types.end()) return it->second;
      const std::string& l = colourLines[c];
      std::ostringstream aim;
      aim << "<AutoImage name=\"" << name << "\" autosize=\"true\">\r\n<AddImage name=\""
          << shapes[s].Name << "_" << graphics::AttrValue(l, "Material")
          << ".png\" left=\"0\" top=\"0\" />\r\n<ImageHueChange hue=\""
          << graphics::AttrValue(l, " H") << "\" saturation=\"" << graphics::AttrValue(l, " S")
          << "\" lightness=\"" << graphics::AttrValue(l, " L") << "\"/>\r\n<AddImage name=\""
          << graphics::AttrValue(l, "Sign") << "\" left=\"" << std::max(shapes[s].Sx - 15, 0)
          << "\" top=\"" << std::max(shapes[s].Sy - 10, 0) << "\" />\r\n</AutoImage>\r\n";
      if (levels.IndexOf(name + ".pNg") < 0) graphics::RenderAutoImageText(aim.str(), levels, work);
      return types[name] = Picture(levels, name + ".pNg");
    };
    content::TCanvas canvas(1600, 600);
    cairo_t* cr = canvas.Cr();
    Blit(cr, Picture(game, "GamePlay2.jpg"), 0, 0);
    if (argc == 5) {
      DrawLevel(cr, game, levels, shapes, colourLines.size(), type,
                "Level" + std::string(argv[4]) + ".xml");
    } else {
      // Map tiles: lines of five 2 × 2-cell slabs.
      for (int line = 0; line < 8; ++line) {
        for (int t = 0; t < 5; ++t) {
          const int y = line * 84, x = y / 2 + t * 96;
          const graphics::TImage tile = Picture(
              levels, "tile_amethyst" + std::to_string(1 + (line * 7 + t * 3) % 3) + ".png");
          Blit(cr, tile, x + 11, 593 - y - tile.Height);
        }
      }
      // A random structure in rows 2..11, filled greedily.
      TNoise noise(5);
      std::vector<int> used(12 * 10 * 4, 0);
      struct TPlaced {
        size_t Shape, Colour;
        int Col, Row;
      };
      std::vector<TPlaced> placed;
      for (int attempt = 0; attempt < 4000; ++attempt) {
        const size_t s = noise.Next() % shapes.size();
        const int col = static_cast<int>(noise.Next() % 10),
                  row = 2 + static_cast<int>(noise.Next() % 9);
        bool fits = true;
        for (const auto& f : shapes[s].Frags) {
          const int c = col + f[0], r = row + f[1];
          if (c < 0 || c > 9 || r < 2 || r > 11 || used[(r * 10 + c) * 4 + f[2]]) fits = false;
        }
        if (!fits) continue;
        for (const auto& f : shapes[s].Frags) used[((row + f[1]) * 10 + col + f[0]) * 4 + f[2]] = 1;
        placed.push_back({s, noise.Next() % colourLines.size(), col, row});
      }
      std::sort(placed.begin(), placed.end(), [&](const TPlaced& a, const TPlaced& b) {
        return 42 * a.Row + shapes[a.Shape].MaxY > 42 * b.Row + shapes[b.Shape].MaxY;
      });
      for (const TPlaced& p : placed) {
        const TShapeInfo& s = shapes[p.Shape];
        const graphics::TImage& img = type(p.Shape, p.Colour);
        const int ax = 48 * p.Col + 21 * p.Row + s.MinX, ay = 42 * p.Row + s.MaxY + 10;
        Blit(cr, img, ax + 11, 593 - ay);
        if (s.Triangles >= 5 && noise.Real() < 0.5) {
          const graphics::TImage coin = Picture(game, "gold_coin_line.png");
          Blit(cr, coin, ax + 11 + s.Sx - 15, 593 - ay + s.Sy - 15, 0, 30);
        }
      }
      const graphics::TImage boss = Picture(levels, "boss_warden.png");
      Blit(cr, boss, 48 * 4 + 21 * 11 + 11, 593 - 42 * 12 - 18);
      // The hand piece and the queue.
      Blit(cr, type(4, 0), 620, 330);
      Blit(cr, type(10, 3), 650, 430);
      Blit(cr, Picture(game, "cursor_line.png"), 640, 350, 0, 40);
    }
    // Greyscale copy on the right.
    cairo_surface_flush(canvas.Surface());
    unsigned char* d = cairo_image_surface_get_data(canvas.Surface());
    const int stride = cairo_image_surface_get_stride(canvas.Surface());
    for (int y = 0; y < 600; ++y)
      for (int x = 0; x < 800; ++x) {
        const uint32_t p = reinterpret_cast<uint32_t*>(d + y * stride)[x];
        const uint32_t g =
            (((p >> 16) & 255) * 299 + ((p >> 8) & 255) * 587 + (p & 255) * 114) / 1000;
        reinterpret_cast<uint32_t*>(d + y * stride)[x + 800] = 0xFF000000u | g << 16 | g << 8 | g;
      }
    cairo_surface_mark_dirty(canvas.Surface());
    canvas.WritePng(argv[3], false);
  } catch (const std::exception& e) {
    std::cerr << "zc_preview: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
