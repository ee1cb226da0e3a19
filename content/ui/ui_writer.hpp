// content/ui/ui_writer.hpp — builds the interface file "Slider.li": objects with their properties
// in the order the toolkit needs (geometry before texts), captions from the English text table.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "content/ui/ui_art.hpp"

namespace uigen {

// 0xRRGGBB to the toolkit's colour value (red in the lowest byte), as decimal text.
std::string Color(unsigned rgb);

inline constexpr unsigned kText = 0xEDEBFF, kDim = 0xA9A4CC, kAmber = 0xFFB347, kTeal = 0x3FE0D0,
                          kWhite = 0xFFFFFF, kInk = 0x2B2160;

struct TObject {
  std::string Class;
  std::vector<std::pair<std::string, std::string>> Props;
};

class TInterface {
 public:
  TInterface(std::map<std::string, std::string> texts, uiart::Painter painter)
      : texts(std::move(texts)), art(std::move(painter)) {}

  // A window centred on the screen (or placed, when x >= 0) with a glass picture.
  void Form(const std::string& name, int x, int y, int w, int h, const std::string& picture);
  void TabForm(const std::string& form, const std::string& name, int x, int y, int w, int h,
               int group, bool visible);
  // A picture-only label (plates, logo, rules).
  void Picture(const std::string& form, const std::string& name, int x, int y,
               const std::string& picture);
  // A text label whose caption is the English text of `name`.
  TObject& Label(const std::string& form, const std::string& name, int x, int y, int w, int h,
                 unsigned color, const char* align = "taLeft", const char* layout = "tlTop");
  TObject& Button(const std::string& form, const std::string& name, int x, int y, int w, int h,
                  bool accent, const std::string& script);
  TObject& IconButton(const std::string& form, const std::string& name, int x, int y,
                      const std::string& icon, const std::string& script);
  TObject& CheckBox(const std::string& form, const std::string& name, int x, int y, int w,
                    const std::string& script);
  TObject& Radio(const std::string& form, const std::string& name, int x, int y, int w, int group,
                 bool checked, const std::string& script, bool box = true);
  TObject& Slider(const std::string& form, const std::string& name, int x, int y, int length,
                  bool vertical, int max, const std::string& onChange);
  TObject& Edit(const std::string& form, const std::string& name, int x, int y, int w,
                const std::string& forbidden, int tabOrder);
  TObject& Grid(const std::string& form, const std::string& name, int x, int y, int w, int h,
                const std::string& columns, const std::string& script, int tabOrder);
  TObject& Progress(const std::string& form, const std::string& name, int x, int y, int w, int h,
                    const std::string& bar, int step);
  TObject& RichLabel(const std::string& form, const std::string& name, int x, int y, int w, int h);
  TObject& Hint(const std::string& form, const std::string& name, int x, int y, int w);

  const uiart::Painter& Art() const { return art; }
  std::string Text(const std::string& key) const;  // fails the build on a missing text
  std::string Xml() const;
  std::vector<std::string> Pictures() const;

 private:
  TObject& Add(const std::string& cls, const std::string& form, const std::string& name);
  std::map<std::string, std::string> texts;
  uiart::Painter art;
  std::vector<TObject> objects;
};

void BuildWindows(TInterface& ui, int levelCount);

}  // namespace uigen
