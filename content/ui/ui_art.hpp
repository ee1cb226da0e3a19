// content/ui/ui_art.hpp — the interface pictures (window glass, buttons, boxes, sliders, fields,
// bars, game panel icons), drawn with Cairo in the cavern palette.
#pragma once

#include <string>

namespace uiart {

// Every function writes DIR/NAME (a PNG with an alpha plane) and returns NAME.
struct Painter {
  std::string dir;

  std::string Panel(int w, int h) const;                           // dark glass window
  std::string Plate(int w, int h) const;                           // lighter inner plate
  std::string Button(int w, int h, int state, bool accent) const;  // 0 normal, 1 hover, 2 down
  std::string IconButton(const std::string& icon, int state) const;
  std::string Box(bool radio, bool checked) const;
  std::string SliderTrack(int length, bool vertical) const;
  std::string SliderThumb(bool vertical, bool hover) const;
  std::string EditField(int w, int h) const;
  std::string Caret() const;
  std::string GridBack(int w, int h) const;
  std::string GridCursor(int w, int h) const;
  std::string BarFrame(int w, int h) const;
  std::string BarSegment(const std::string& name, unsigned rgb, int w, int h) const;
  std::string Veil() const;
  std::string Badge() const;
  std::string Rule(int w) const;
};

}  // namespace uiart
