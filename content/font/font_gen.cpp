// content/font/font_gen.cpp — renders the game font "OrlUnicode" (glyph atlas picture and
// metrics file) from DejaVu Sans Bold with FreeType.
//
// Usage: zerith_font_gen OUT_DIR FONT.ttf
// Writes OUT_DIR/OrlUnicode.png (white glyphs, coverage in the alpha plane: the game tints
// glyphs to the label's colour, so any outline drawn here would take that colour too) and
// OUT_DIR/OrlUnicode.xml. Same input, same bytes.
#include <cairo.h>
#include <ft2build.h>
#include <sys/stat.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kPixelSize = 15;  // em size in pixels: about 11 px capitals, bold
constexpr int kAtlasWidth = 512;
constexpr int kPad = 1;  // blank columns between glyphs so filtering never bleeds

struct Range {
  char16_t first, last;
};

// Latin-1, Latin Extended-A, Greek, Cyrillic and the punctuation our texts use.
constexpr Range kRanges[] = {{0x0020, 0x007E}, {0x00A0, 0x00FF}, {0x0100, 0x017F}, {0x0384, 0x03CE},
                             {0x0400, 0x045F}, {0x0490, 0x0491}, {0x2010, 0x2015}, {0x2018, 0x201E},
                             {0x2020, 0x2022}, {0x2026, 0x2026}, {0x2030, 0x2030}, {0x2039, 0x203A},
                             {0x20AC, 0x20AC}, {0x2116, 0x2116}, {0x2122, 0x2122}, {0x2190, 0x2193},
                             {0x2212, 0x2212}, {0x2605, 0x2606}, {0x266A, 0x266B}};

struct Glyph {
  char16_t code;
  int x = 0, y = 0, before = 0, width = 0, after = 0;
  int left = 0, top = 0;  // bitmap placement inside the cell
  int bw = 0, bh = 0;
  std::vector<unsigned char> coverage;
};

[[noreturn]] void Fail(const std::string& what) {
  std::fprintf(stderr, "zerith_font_gen: %s\n", what.c_str());
  std::exit(1);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) Fail("usage: zerith_font_gen OUT_DIR FONT.ttf");
  const std::string dir = argv[1];
  mkdir(dir.c_str(), 0755);
  FT_Library lib;
  FT_Face face;
  if (FT_Init_FreeType(&lib)) Fail("FreeType init failed");
  if (FT_New_Face(lib, argv[2], 0, &face)) Fail(std::string("cannot open ") + argv[2]);
  FT_Set_Pixel_Sizes(face, 0, kPixelSize);
  const int ascender = static_cast<int>((face->size->metrics.ascender + 63) >> 6);
  const int descender = static_cast<int>(-(face->size->metrics.descender) >> 6);
  const int height = ascender + descender + 1;

  std::vector<Glyph> glyphs;
  for (const Range& r : kRanges) {
    for (char32_t c = r.first; c <= r.last; ++c) {
      const FT_UInt index = FT_Get_Char_Index(face, c);
      if (index == 0 && c != 0x20) continue;
      if (FT_Load_Glyph(face, index, FT_LOAD_TARGET_LIGHT) ||
          FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL))
        Fail("cannot render a glyph");
      const FT_GlyphSlot slot = face->glyph;
      Glyph g;
      g.code = static_cast<char16_t>(c);
      const int advance = static_cast<int>((slot->advance.x + 32) >> 6);
      g.bw = static_cast<int>(slot->bitmap.width);
      g.bh = static_cast<int>(slot->bitmap.rows);
      const int left = slot->bitmap_left;
      const int x0 = std::min(0, left), x1 = std::max(advance, left + g.bw);
      g.before = x0;
      g.width = x1 - x0;
      g.after = advance - x1;
      g.left = left - x0;
      g.top = ascender - slot->bitmap_top;
      g.coverage.resize(static_cast<size_t>(g.bw * g.bh));
      for (int row = 0; row < g.bh; ++row)
        for (int col = 0; col < g.bw; ++col)
          g.coverage[static_cast<size_t>(row * g.bw + col)] =
              slot->bitmap.buffer[row * slot->bitmap.pitch + col];
      glyphs.push_back(std::move(g));
    }
  }

  // Shelf packing in code order.
  int penX = 0, penY = 0;
  for (Glyph& g : glyphs) {
    if (penX + g.width + kPad > kAtlasWidth) {
      penX = 0;
      penY += height + kPad;
    }
    g.x = penX;
    g.y = penY;
    penX += g.width + kPad;
  }
  const int atlasHeight = penY + height;

  cairo_surface_t* surface =
      cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kAtlasWidth, atlasHeight);
  cairo_surface_flush(surface);
  unsigned char* pixels = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  std::fill(pixels, pixels + stride * atlasHeight, 0);
  for (const Glyph& g : glyphs) {
    for (int row = 0; row < g.bh; ++row) {
      const int y = g.y + g.top + row;
      if (y < g.y || y >= g.y + height) continue;  // clip to the line box
      for (int col = 0; col < g.bw; ++col) {
        const unsigned a = g.coverage[static_cast<size_t>(row * g.bw + col)];
        // Premultiplied white: every channel equals the coverage.
        const uint32_t v = (a << 24) | (a << 16) | (a << 8) | a;
        auto* p = reinterpret_cast<uint32_t*>(pixels + y * stride) + g.x + g.left + col;
        *p = v;
      }
    }
  }
  cairo_surface_mark_dirty(surface);
  if (cairo_surface_write_to_png(surface, (dir + "/OrlUnicode.png").c_str()) !=
      CAIRO_STATUS_SUCCESS)
    Fail("cannot write OrlUnicode.png");
  cairo_surface_destroy(surface);

  std::string metrics;
  for (const Glyph& g : glyphs) {
    if (!metrics.empty()) metrics += ',';
    metrics += std::to_string(static_cast<int>(g.code)) + ':' + std::to_string(g.x) + ':' +
               std::to_string(g.y) + ':' + std::to_string(g.before) + ':' +
               std::to_string(g.width) + ':' + std::to_string(g.after);
  }
  std::ofstream xml(dir + "/OrlUnicode.xml", std::ios::binary);
  xml << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<OrlFont>\n  <Name>OrlUnicode</Name>\n"
      << "  <Height>" << height << "</Height>\n  <Picture>OrlUnicode.png</Picture>\n"
      << "  <Metrics>" << metrics << "</Metrics>\n</OrlFont>\n";
  if (!xml) Fail("cannot write OrlUnicode.xml");
  FT_Done_Face(face);
  FT_Done_FreeType(lib);
  std::printf("OrlUnicode: %zu glyphs, height %d, atlas %dx%d\n", glyphs.size(), height,
              kAtlasWidth, atlasHeight);
  return 0;
}
