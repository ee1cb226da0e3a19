// tests/ui/ui_test_support.hpp — a host that records what the toolkit draws and plays, and a
// small world (fonts, engine, clock, handlers, clipboard) to load interface texts into.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "data/memory_stream.hpp"
#include "ui/interface_engine.hpp"
#include "ui/null_graphic.hpp"
#include "ui/orl_font_engine.hpp"

namespace ui_test {

struct TCall {
  std::string Op;    // Draw, ExtDraw, DrawRect, DrawColoredAlpha, PlaySound
  std::string Name;  // picture, font picture or sound
  int X = 0, Y = 0;
  uint32_t Color = 0;
  uint8_t Alpha = 0;
  ui::TRect Rect;
  std::vector<ui::TOrlGlyphDraw> Glyphs;
};

inline std::ostream& operator<<(std::ostream& os, const TCall& c) {
  return os << c.Op << "(" << c.Name << " " << c.X << "," << c.Y << " color " << c.Color
            << " alpha " << int{c.Alpha} << " glyphs " << c.Glyphs.size() << ")";
}

class TRecordingGraphic : public ui::TOrlNullGraphic {
 public:
  void Draw(const std::string& picture, const std::string&, int x, int y, uint8_t alpha) override {
    Calls.push_back({"Draw", picture, x, y, 0, alpha, {}, {}});
  }
  void ExtDraw(const std::string& picture, std::span<const ui::TOrlGlyphDraw> glyphs) override {
    TCall c;
    c.Op = "ExtDraw";
    c.Name = picture;
    c.Glyphs.assign(glyphs.begin(), glyphs.end());
    if (!glyphs.empty())
      c.X = glyphs[0].X, c.Y = glyphs[0].Y, c.Color = glyphs[0].Color, c.Alpha = glyphs[0].Alpha;
    Calls.push_back(std::move(c));
  }
  void DrawRect(const std::string&, const ui::TRect& rect, uint32_t color, uint8_t alpha,
                uint8_t mode) override {
    Calls.push_back(
        {"DrawRect", std::to_string(mode), rect.Left, rect.Top, color, alpha, rect, {}});
  }
  void DrawColoredAlpha(const std::string& picture, const std::string&, int x, int y,
                        uint32_t color, uint8_t alpha) override {
    Calls.push_back({"DrawColoredAlpha", picture, x, y, color, alpha, {}, {}});
  }
  void PlaySound(const std::string& sound) override {
    TCall c;
    c.Op = "PlaySound";
    c.Name = sound;
    Calls.push_back(std::move(c));
  }

  std::vector<TCall> Of(const std::string& op) const {
    std::vector<TCall> out;
    for (const TCall& c : Calls)
      if (c.Op == op) out.push_back(c);
    return out;
  }

  std::vector<TCall> Calls;
};

// <o c="CLASS"><p n="..">..</p>...</o>
inline std::string Obj(const std::string& cls,
                       std::initializer_list<std::pair<std::string, std::string>> props) {
  std::string s = "<o c=\"" + cls + "\">";
  for (const auto& [n, v] : props) s += "<p n=\"" + n + "\">" + v + "</p>";
  return s + "</o>\n";
}

// An interface file: an empty defaults object first (the property pass skips the first
// element), then the given objects.
inline std::string Interface(const std::string& objects, const std::string& defaults = {}) {
  return "<OrlInterface>\n<o c=\"TOrlDefaults\">" +
         (defaults.empty() ? std::string("<p n=\"DefLine\">TOrlNothing;Tag;0</p>") : defaults) +
         "</o>\n" + objects + "</OrlInterface>\n";
}

struct TWorld {
  TWorld() {
    graphic = std::make_shared<TRecordingGraphic>();
    fonts.Graphic = graphic;
    engine.Graphic = graphic;
    engine.FontEngine = &fonts;
    engine.Host = &host;
    engine.Clipboard = &clipboard;
    engine.Clock = [this] { return now; };
    // "F": every character advances 6 pixels (5 drawn, 1 after), lines 10 high.
    AddFont("F", 10, "32:0:0:0:5:1");
  }

  ui::TOrlFont& AddFont(const std::string& name, int height, const std::string& metrics) {
    data::TMemoryStream s("<Font><Name>" + name + "</Name><Height>" + std::to_string(height) +
                          "</Height><Picture>" + name + ".png</Picture><Metrics>" + metrics +
                          "</Metrics></Font>");
    return fonts.LoadFromStream(s);
  }

  void Load(const std::string& text) {
    data::TMemoryStream s(text);
    engine.LoadFromStream(s);
  }

  template <class T>
  T& Get(const std::string& name) {
    auto* object = dynamic_cast<T*>(engine.FindObject(name));
    if (!object) throw std::runtime_error("no object " + name + " of that class");
    return *object;
  }

  std::string Prop(const std::string& object, const std::string& prop) {
    return engine.GetObjectProperty(object, prop).value_or("<none>");
  }

  std::shared_ptr<TRecordingGraphic> graphic;
  ui::TOrlFontEngine fonts;
  ui::TOrlInterfaceEngine engine;
  ui::TOrlMethodTable host;
  ui::TOrlMemoryClipboard clipboard;
  uint32_t now = 0;
};

}  // namespace ui_test
