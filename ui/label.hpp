// ui/label.hpp — a text with a background picture that reacts to the mouse: the buttons and
// captions of every window. Check boxes, radio buttons and rich labels build on it.
#pragma once

#include <string>
#include <vector>

#include "ui/interface_object.hpp"
#include "ui/text_line.hpp"

namespace ui {

class TOrlFont;

struct TLabelProps {
  std::string MouseOverPicture, MouseDownPicture;
  std::string FontName;
  std::u16string Caption;  // written as UTF-8 in files and scripts
  uint8_t Alpha = 0;
  int32_t Color = 0, MouseOverColor = 0;
  TTextAlignment Alignment = taLeft;
  TTextLayout Layout = tlTop;
  int32_t TextShiftLeft = 0, TextShiftTop = 0;
  int32_t LineSpace = 0;                                // pixels between lines
  int32_t TextDownShiftLeft = 0, TextDownShiftTop = 0;  // text offset while pressed
};

class TOrlLabel : public TOrlInterfaceObject, public TLabelProps {
 public:
  const data::TOrlClass& Class() const override { return StaticClass(); }
  static const data::TOrlClass& StaticClass();
  void Assign(const data::TOrlObject& source) override;

  void SetWidth(int32_t value) override;  // also lays the text out again
  virtual void SetCaption(const std::u16string& value);
  virtual void SetAlpha(uint8_t value);
  virtual void SetFontName(const std::string& value);
  void SetAlignment(TTextAlignment value);
  void SetLayout(TTextLayout value);
  void SetTextShiftLeft(int32_t value);
  void SetTextShiftTop(int32_t value);
  void SetLineSpace(int32_t value);

  std::string GetPictures() const override;

  // Breaks the caption into TextLines no wider than TextWidth; PlaceLines positions them.
  virtual void WrapText();
  void PlaceLines();
  // Copies the label's colours, alpha and font name into its lines.
  void ApplyLineStyle();
  // Pixels available to text: the width less anything beside the text (a check box's box).
  virtual int TextWidth() const { return FWidth; }
  // The colour the text is drawn in, hovered or not.
  virtual uint32_t TextColor(bool hover) const;

  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void Paint() override;

  TOrlFont* Font() const { return font; }
  const std::vector<TOrlTextLine>& TextLines() const { return textLines; }

  bool Pressed = false;
  bool Hover = false;

 protected:
  void Relayout() {
    WrapText();
    PlaceLines();
  }
  TOrlFont* LookUpFont() const;
  // Draws the text lines at (AbsLeft + shiftX, AbsTop + shiftY) plus each line's offset.
  void PaintLines(int shiftX, int shiftY, uint32_t color) const;
  // Check boxes and radio buttons: the box picture on one side, the text beside it.
  void PaintWithBox(const std::string& box, TBoxPlace place) const;

  TOrlFont* font = nullptr;  // looked up by FontName; owned by the font engine
  std::vector<TOrlTextLine> textLines;
};

// Line breaks and tabs become blanks: a caption is one paragraph.
std::u16string FlattenCaption(std::u16string_view text);

}  // namespace ui
