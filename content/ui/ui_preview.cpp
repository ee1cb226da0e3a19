// content/ui/ui_preview.cpp — draws windows of the generated interface into PNG files, with or
// without a language pack, so layouts can be looked at in every language without the game.
//
// Usage: zerith_ui_preview GAME_DIR OUT.png [--back PICTURE] [--overlay PACK.lng]
//        [--hint NAME] [--hint-at NAME X Y] [--set OBJECT PROPERTY VALUE] WINDOW...
// GAME_DIR holds Slider.li, OrlUnicode.xml and the pictures (PNG, or JPEG by name); the windows are
// shown in the order given (later ones on top) over a dark stand-in for the cavern.
#include <cairo.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "data/files.hpp"
#include "data/memory_stream.hpp"
#include "graphics/jpeg_codec.hpp"
#include "ui/interface_engine.hpp"
#include "ui/orl_font_engine.hpp"
#include "ui/orl_graphic.hpp"

namespace {

class CairoGraphic : public ui::IOrlGraphic {
 public:
  CairoGraphic(std::string dir, cairo_t* cr) : dir(std::move(dir)), cr(cr) {}
  ~CairoGraphic() override {
    for (auto& [name, s] : pictures)
      if (s) cairo_surface_destroy(s);
  }
  void Draw(const std::string& picture, const std::string&, int x, int y, uint8_t alpha) override {
    if (cairo_surface_t* s = Picture(picture)) {
      cairo_set_source_surface(cr, s, x, y);
      cairo_paint_with_alpha(cr, alpha / 255.0);
    }
  }
  void ExtDraw(const std::string& font, std::span<const ui::TOrlGlyphDraw> glyphs) override {
    cairo_surface_t* s = Picture(font);
    if (!s) return;
    for (const ui::TOrlGlyphDraw& g : glyphs) {
      cairo_save(cr);
      cairo_rectangle(cr, g.X, g.Y, g.Source.Width(), g.Source.Height());
      cairo_clip(cr);
      SetColor(g.Color, g.Alpha);
      cairo_mask_surface(cr, s, g.X - g.Source.Left, g.Y - g.Source.Top);
      cairo_restore(cr);
    }
  }
  void LowExtDraw(const std::string&, const ui::TRect&, const std::string&, int, int, uint32_t,
                  uint8_t) override {}
  void DrawRect(const std::string&, const ui::TRect& r, uint32_t color, uint8_t alpha,
                uint8_t) override {
    SetColor(color, alpha);
    cairo_rectangle(cr, r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
    cairo_fill(cr);
  }
  void DrawColoredAlpha(const std::string& picture, const std::string&, int x, int y,
                        uint32_t color, uint8_t alpha) override {
    if (cairo_surface_t* s = Picture(picture)) {
      SetColor(color, alpha);
      cairo_mask_surface(cr, s, x, y);
    }
  }
  ui::TSize GetPictureSize(const std::string& picture) override {
    cairo_surface_t* s = Picture(picture);
    if (!s) return {};
    return {cairo_image_surface_get_width(s), cairo_image_surface_get_height(s)};
  }
  ui::TSize GetScreenSize() override { return {800, 600}; }
  void PlaySound(const std::string&) override {}

 private:
  void SetColor(uint32_t c, uint8_t alpha) {
    cairo_set_source_rgba(cr, (c & 255) / 255.0, ((c >> 8) & 255) / 255.0,
                          ((c >> 16) & 255) / 255.0, alpha / 255.0);
  }
  cairo_surface_t* Picture(const std::string& name) {
    auto it = pictures.find(name);
    if (it != pictures.end()) return it->second;
    cairo_surface_t* s = name.ends_with(".jpg")
                             ? Jpeg(dir + "/" + name)
                             : cairo_image_surface_create_from_png((dir + "/" + name).c_str());
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
      cairo_surface_destroy(s);
      s = nullptr;
      std::fprintf(stderr, "preview: no picture %s\n", name.c_str());
    }
    return pictures[name] = s;
  }
  static cairo_surface_t* Jpeg(const std::string& path) {
    const graphics::TImage image = graphics::DecodeJpeg(data::ReadWholeFile(path), path);
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, image.Width, image.Height);
    unsigned char* pixels = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < image.Height; ++y)
      for (int x = 0; x < image.Width; ++x) {
        const uint8_t* p = image.At(x, y);
        reinterpret_cast<uint32_t*>(pixels + y * stride)[x] = (p[0] << 16) | (p[1] << 8) | p[2];
      }
    cairo_surface_mark_dirty(s);
    return s;
  }
  std::string dir;
  cairo_t* cr;
  std::map<std::string, cairo_surface_t*> pictures;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr,
                 "usage: zerith_ui_preview GAME_DIR OUT.png [--overlay F] [--hint H] W...\n");
    return 1;
  }
  const std::string dir = argv[1], out = argv[2];
  cairo_surface_t* screen = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 800, 600);
  cairo_t* cr = cairo_create(screen);
  cairo_pattern_t* back = cairo_pattern_create_linear(0, 0, 300, 600);
  cairo_pattern_add_color_stop_rgb(back, 0, 0x2B / 255.0, 0x21 / 255.0, 0x60 / 255.0);
  cairo_pattern_add_color_stop_rgb(back, 1, 0x0B / 255.0, 0x0A / 255.0, 0x1F / 255.0);
  cairo_set_source(cr, back);
  cairo_paint(cr);
  try {
    auto graphic = std::make_shared<CairoGraphic>(dir, cr);
    ui::TOrlFontEngine fonts;
    fonts.Graphic = graphic;
    data::TMemoryStream fontStream(data::ReadWholeFile(dir + "/OrlUnicode.xml"));
    fonts.LoadFromStream(fontStream);
    ui::TOrlInterfaceEngine engine;
    engine.Graphic = graphic;
    engine.FontEngine = &fonts;
    data::TMemoryStream stream(data::ReadWholeFile(dir + "/Slider.li"));
    engine.LoadFromStream(stream);
    std::vector<std::string> hints;
    struct THintAt {
      std::string name;
      int x, y;
    };
    std::vector<THintAt> hintsAt;  // placed by a point, as the game places the guardian's hint
    for (int i = 3; i < argc; ++i) {
      const std::string arg = argv[i];
      if (arg == "--overlay" && i + 1 < argc) {
        engine.LoadOverlay(argv[++i]);
      } else if (arg == "--back" && i + 1 < argc) {
        graphic->Draw(argv[++i], "", 0, 0, 255);
      } else if (arg == "--hint" && i + 1 < argc) {
        hints.push_back(argv[++i]);
      } else if (arg == "--hint-at" && i + 3 < argc) {
        hintsAt.push_back({argv[i + 1], std::atoi(argv[i + 2]), std::atoi(argv[i + 3])});
        i += 3;
      } else if (arg == "--set" && i + 3 < argc) {
        engine.SetObjectProperty(argv[i + 1], argv[i + 2], argv[i + 3]);
        i += 3;
      } else {
        engine.ShowModal(arg);
      }
    }
    for (const std::string& h : hints) engine.ShowHint(h);
    for (const THintAt& h : hintsAt) engine.ShowHintAt(h.name, h.x, h.y);
    engine.DrawAll();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "preview: %s\n", e.what());
    return 1;
  }
  cairo_surface_write_to_png(screen, out.c_str());
  cairo_destroy(cr);
  cairo_surface_destroy(screen);
  return 0;
}
