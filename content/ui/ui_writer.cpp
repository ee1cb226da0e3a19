// content/ui/ui_writer.cpp — the object builder behind "Slider.li" and its XML text.
#include "content/ui/ui_writer.hpp"

#include <cstdio>
#include <cstdlib>
#include <set>

namespace uigen {
namespace {

std::string N(int v) {
  return std::to_string(v);
}

std::string Escape(const std::string& s) {
  std::string out;
  for (char c : s) {
    if (c == '&')
      out += "&amp;";
    else if (c == '<')
      out += "&lt;";
    else if (c == '>')
      out += "&gt;";
    else
      out += c;
  }
  return out;
}

}  // namespace

std::string Color(unsigned rgb) {
  const unsigned r = (rgb >> 16) & 255, g = (rgb >> 8) & 255, b = rgb & 255;
  return std::to_string(r | (g << 8) | (b << 16));
}

std::string TInterface::Text(const std::string& key) const {
  const auto it = texts.find(key);
  if (it == texts.end()) {
    std::fprintf(stderr, "zerith_ui_gen: no English text for %s\n", key.c_str());
    std::exit(1);
  }
  return it->second;
}

TObject& TInterface::Add(const std::string& cls, const std::string& form, const std::string& name) {
  objects.push_back({cls, {{"Name", name}, {"ParentName", form}}});
  return objects.back();
}

void TInterface::Form(const std::string& name, int x, int y, int w, int h,
                      const std::string& picture) {
  if (x < 0) x = (800 - w) / 2;
  if (y < 0) y = (600 - h) / 2;
  TObject& o = Add("TOrlForm", "Screen", name);
  o.Props.insert(
      o.Props.end(),
      {{"Left", N(x)}, {"Top", N(y)}, {"Width", N(w)}, {"Height", N(h)}, {"PictureAlpha", "255"}});
  if (!picture.empty()) o.Props.push_back({"Picture", picture});
}

void TInterface::TabForm(const std::string& form, const std::string& name, int x, int y, int w,
                         int h, int group, bool visible) {
  TObject& o = Add("TOrlTabForm", form, name);
  o.Props.insert(o.Props.end(), {{"Left", N(x)},
                                 {"Top", N(y)},
                                 {"Width", N(w)},
                                 {"Height", N(h)},
                                 {"TabGroup", N(group)},
                                 {"Visible", visible ? "true" : "false"}});
}

void TInterface::Picture(const std::string& form, const std::string& name, int x, int y,
                         const std::string& picture) {
  TObject& o = Add("TOrlLabel", form, name);
  o.Props.insert(o.Props.end(), {{"Left", N(x)},
                                 {"Top", N(y)},
                                 {"AutoSize", "asPicture"},
                                 {"Picture", picture},
                                 {"Visible", "true"}});
}

TObject& TInterface::Label(const std::string& form, const std::string& name, int x, int y, int w,
                           int h, unsigned color, const char* align, const char* layout) {
  TObject& o = Add("TOrlLabel", form, name);
  o.Props.insert(o.Props.end(), {{"Left", N(x)},
                                 {"Top", N(y)},
                                 {"Width", N(w)},
                                 {"Height", N(h)},
                                 {"FontName", "OrlUnicode"},
                                 {"Color", Color(color)},
                                 {"MouseOverColor", Color(color)},
                                 {"Alpha", "255"},
                                 {"Alignment", align},
                                 {"Layout", layout}});
  o.Props.push_back({"Caption", name.find("Count") == std::string::npos ? Text(name) : "0"});
  o.Props.push_back({"Visible", "true"});
  return o;
}

TObject& TInterface::Button(const std::string& form, const std::string& name, int x, int y, int w,
                            int h, bool accent, const std::string& script) {
  TObject& o = Add("TOrlLabel", form, name);
  o.Props.insert(o.Props.end(), {{"Left", N(x)},
                                 {"Top", N(y)},
                                 {"Width", N(w)},
                                 {"Height", N(h)},
                                 {"Picture", art.Button(w, h, 0, accent)},
                                 {"MouseOverPicture", art.Button(w, h, 1, accent)},
                                 {"MouseDownPicture", art.Button(w, h, 2, accent)},
                                 {"PictureAlpha", "255"},
                                 {"FontName", "OrlUnicode"},
                                 {"Color", Color(accent ? kAmber : kText)},
                                 {"MouseOverColor", Color(kWhite)},
                                 {"Alpha", "255"},
                                 {"Alignment", "taCenter"},
                                 {"Layout", "tlCenter"},
                                 {"TextShiftTop", "1"},
                                 {"TextDownShiftTop", "1"},
                                 {"Caption", Text(name)},
                                 {"SoundMouseDown", "ui_click.ogg"},
                                 {"OnMouseUp", script},
                                 {"Visible", "true"}});
  return o;
}

TObject& TInterface::IconButton(const std::string& form, const std::string& name, int x, int y,
                                const std::string& icon, const std::string& script) {
  TObject& o = Add("TOrlLabel", form, name);
  o.Props.insert(o.Props.end(), {{"Left", N(x)},
                                 {"Top", N(y)},
                                 {"Width", "46"},
                                 {"Height", "44"},
                                 {"Picture", art.IconButton(icon, 0)},
                                 {"MouseOverPicture", art.IconButton(icon, 1)},
                                 {"MouseDownPicture", art.IconButton(icon, 2)},
                                 {"PictureAlpha", "255"},
                                 {"SoundMouseDown", "ui_click.ogg"},
                                 {"OnMouseUp", script},
                                 {"Visible", "true"}});
  return o;
}

TObject& TInterface::CheckBox(const std::string& form, const std::string& name, int x, int y, int w,
                              const std::string& script) {
  TObject& o = Add("TOrlCheckBox", form, name);
  o.Props.insert(o.Props.end(), {{"Left", N(x)},
                                 {"Top", N(y)},
                                 {"Width", N(w)},
                                 {"Height", "22"},
                                 {"Picture", art.Box(false, false)},
                                 {"MouseDownPicture", art.Box(false, true)},
                                 {"PictureAlpha", "255"},
                                 {"BoxPlace", "bpLeft"},
                                 {"FontName", "OrlUnicode"},
                                 {"Color", Color(kText)},
                                 {"MouseOverColor", Color(kTeal)},
                                 {"Alpha", "255"},
                                 {"Layout", "tlCenter"},
                                 {"TextShiftLeft", "8"},
                                 {"Caption", Text(name)},
                                 {"SoundMouseUp", "ui_tick.ogg"},
                                 {"Visible", "true"}});
  if (!script.empty()) o.Props.push_back({"OnMouseUp", script});
  return o;
}

TObject& TInterface::Radio(const std::string& form, const std::string& name, int x, int y, int w,
                           int group, bool checked, const std::string& script, bool box) {
  TObject& o = Add("TOrlRadioButton", form, name);
  o.Props.insert(o.Props.end(), {{"Left", N(x)}, {"Top", N(y)}, {"Width", N(w)}, {"Height", "22"}});
  if (box)
    o.Props.insert(o.Props.end(),
                   {{"Picture", art.Box(true, false)}, {"MouseDownPicture", art.Box(true, true)}});
  o.Props.insert(o.Props.end(), {{"PictureAlpha", "255"},
                                 {"BoxPlace", "bpLeft"},
                                 {"RadioGroup", N(group)},
                                 {"FontName", "OrlUnicode"},
                                 {"Color", Color(box ? kText : kDim)},
                                 {"MouseOverColor", Color(kTeal)},
                                 {"CheckedColor", Color(kAmber)},
                                 {"Alpha", "255"},
                                 {"Layout", "tlCenter"},
                                 {"TextShiftLeft", box ? "8" : "0"}});
  if (w > 30) o.Props.push_back({"Caption", Text(name)});
  o.Props.insert(o.Props.end(), {{"SoundMouseUp", "ui_tick.ogg"},
                                 {"Checked", checked ? "true" : "false"},
                                 {"Visible", "true"}});
  if (!script.empty()) o.Props.push_back({"OnMouseUp", script});
  return o;
}

TObject& TInterface::Slider(const std::string& form, const std::string& name, int x, int y,
                            int length, bool vertical, int max, const std::string& onChange) {
  TObject& o = Add("TOrlSlider", form, name);
  const int thick = vertical ? 18 : 24;
  o.Props.insert(o.Props.end(), {{"Left", N(x)},
                                 {"Top", N(y)},
                                 {"Width", N(vertical ? thick : length)},
                                 {"Height", N(vertical ? length : thick)},
                                 {"Orientation", vertical ? "trVertical" : "trHorizontal"},
                                 {"Picture", art.SliderTrack(length, vertical)},
                                 {"BarPicture", art.SliderThumb(vertical, false)},
                                 {"MouseOverBarPicture", art.SliderThumb(vertical, true)},
                                 {"PictureAlpha", "255"},
                                 {"BarShiftLeft", vertical ? "0" : "2"},
                                 {"BarShiftTop", vertical ? "2" : "0"},
                                 {"Min", "0"},
                                 {"Max", N(max)},
                                 {"Step", "1"},
                                 {"BigStep", N(vertical ? 5 : 10)},
                                 {"Visible", "true"}});
  if (!onChange.empty()) o.Props.push_back({"OnChange", onChange});
  return o;
}

TObject& TInterface::Edit(const std::string& form, const std::string& name, int x, int y, int w,
                          const std::string& forbidden, int tabOrder) {
  TObject& o = Add("TOrlEdit", form, name);
  o.Props.insert(o.Props.end(), {{"Left", N(x)},
                                 {"Top", N(y)},
                                 {"Width", N(w)},
                                 {"Height", "30"},
                                 {"Picture", art.EditField(w, 30)},
                                 {"CursorPicture", art.Caret()},
                                 {"PictureAlpha", "255"},
                                 {"FontName", "OrlUnicode"},
                                 {"Color", Color(kText)},
                                 {"SelectColor", Color(kTeal)},
                                 {"Alpha", "255"},
                                 {"TextShiftLeft", "8"},
                                 {"TextShiftTop", "5"},
                                 {"MaxLength", "24"},
                                 {"MaxWidth", N(w - 10)},
                                 {"ForbiddenChars", forbidden},
                                 {"TabOrder", N(tabOrder)},
                                 {"Visible", "true"}});
  return o;
}

TObject& TInterface::Grid(const std::string& form, const std::string& name, int x, int y, int w,
                          int h, const std::string& columns, const std::string& script,
                          int tabOrder) {
  TObject& o = Add("TOrlGrid", form, name);
  const int border = 6, rowHeight = 22;
  o.Props.insert(o.Props.end(), {{"Left", N(x)},
                                 {"Top", N(y)},
                                 {"Width", N(w)},
                                 {"Height", N(h)},
                                 {"Picture", art.GridBack(w, h)},
                                 {"CursorPicture", art.GridCursor(w - 2 * border, rowHeight)},
                                 {"PictureAlpha", "255"},
                                 {"NotActiveCursorAlpha", "110"},
                                 {"RowsHeight", N(rowHeight)},
                                 {"BorderWidth", N(border)},
                                 {"DivisorHeight", "0"},
                                 {"FixedRow", "false"},
                                 {"RowMouseOverColor", Color(0x5B3FC0)},
                                 {"FixedColor", Color(kInk)},
                                 {"AddColumns", columns},
                                 {"TabOrder", N(tabOrder)},
                                 {"Visible", "true"}});
  if (!script.empty()) o.Props.push_back({"OnMouseDown", script});
  return o;
}

TObject& TInterface::Progress(const std::string& form, const std::string& name, int x, int y, int w,
                              int h, const std::string& bar, int step) {
  TObject& o = Add("TOrlProgressBar", form, name);
  o.Props.insert(o.Props.end(), {{"Left", N(x)},
                                 {"Top", N(y)},
                                 {"Width", N(w)},
                                 {"Height", N(h)},
                                 {"Picture", art.BarFrame(w, h)},
                                 {"BarPicture", bar},
                                 {"PictureAlpha", "255"},
                                 {"BarShiftLeft", "4"},
                                 {"BarShiftTop", N((h - 10) / 2)},
                                 {"StepWidth", N(step)},
                                 {"Min", "0"},
                                 {"Max", "100"},
                                 {"Position", "0"},
                                 {"Visible", "true"}});
  return o;
}

TObject& TInterface::RichLabel(const std::string& form, const std::string& name, int x, int y,
                               int w, int h) {
  TObject& o = Add("TOrlRichLabel", form, name);
  o.Props.insert(o.Props.end(), {{"Left", N(x)},
                                 {"Top", N(y)},
                                 {"Width", N(w)},
                                 {"Height", N(h)},
                                 {"FontName", "OrlUnicode"},
                                 {"Color", Color(kText)},
                                 {"Alpha", "255"},
                                 {"LinkColor", Color(kTeal)},
                                 {"LinkMouseOverColor", Color(kWhite)},
                                 {"Caption", Text(name)},
                                 {"Visible", "true"}});
  return o;
}

TObject& TInterface::Hint(const std::string& form, const std::string& name, int x, int y, int w) {
  TObject& o = Add("TOrlHint", form, name);
  o.Props.insert(o.Props.end(), {{"Left", N(x)},
                                 {"Top", N(y)},
                                 {"Width", N(w)},
                                 {"Height", "120"},
                                 {"FontName", "OrlUnicode"},
                                 {"Color", Color(kText)},
                                 {"Alpha", "255"},
                                 {"TextShiftLeft", "12"},
                                 {"TextShiftTop", "9"},
                                 {"BackGroundColor", Color(0x15122E)},
                                 {"BackGroundAlpha", "230"},
                                 {"ShowTime", "9000"},
                                 {"LinkColor", Color(kTeal)},
                                 {"LinkMouseOverColor", Color(kWhite)},
                                 {"Caption", Text(name)},
                                 {"Visible", "false"}});
  return o;
}

std::string TInterface::Xml() const {
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<OrlInterface>\n";
  // The first object only carries defaults: the loader never sets properties on it.
  out +=
      "  <o c=\"TOrlDefaults\">\n"
      "    <p n=\"DefLine\">TOrlLabel;PictureAlpha;255</p>\n"
      "  </o>\n";
  for (const TObject& o : objects) {
    out += "  <o c=\"" + o.Class + "\">\n";
    for (const auto& [n, v] : o.Props) out += "    <p n=\"" + n + "\">" + Escape(v) + "</p>\n";
    out += "  </o>\n";
  }
  out += "</OrlInterface>\n";
  return out;
}

std::vector<std::string> TInterface::Pictures() const {
  std::set<std::string> names;
  for (const TObject& o : objects)
    for (const auto& [n, v] : o.Props)
      if (n.find("Picture") != std::string::npos && !v.empty() && n != "PictureAlpha" &&
          n != "PictureHAlign" && n != "PictureVAlign")
        names.insert(v);
  return {names.begin(), names.end()};
}

}  // namespace uigen
