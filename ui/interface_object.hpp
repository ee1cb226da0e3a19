// ui/interface_object.hpp — the base of every interface object: geometry against the parent,
// picture placement, hit testing, event entry points and painting.
#pragma once

#include <cstdint>
#include <string>

#include "data/orl_object.hpp"
#include "ui/input.hpp"
#include "ui/interface_types.hpp"
#include "ui/orl_graphic.hpp"

namespace ui {

class TOrlInterfaceEngine;
class TOrlForm;

// Published fields, in declaration order, plus the geometry derived from them. Kept as one
// record so Assign copies them in one step.
struct TInterfaceObjectProps {
  int32_t Left = 0, Top = 0;  // relative to the parent's top-left corner (screen without parent)
  TAutoSizeType AutoSize = asNone;
  std::string Picture;
  TPictureHAlignType PictureHAlign = phaLeft;
  TPictureVAlignType PictureVAlign = pvaTop;
  uint8_t PictureAlpha = 0;
  int32_t Width = 0, Height = 0;
  THAlignType HAlign = haNone;
  TVAlignType VAlign = vaNone;
  int32_t ShiftLeft = 0, ShiftTop = 0;
  bool Visible = false;  // nothing shows until a file or the game says so
  std::string OnKeyDown, OnKeyPress, OnKeyUp, OnMouseDown, OnMouseMove, OnMouseUp, OnMouseWheel;
  std::string SoundKeyDown, SoundKeyPress, SoundKeyUp, SoundMouseDown, SoundMouseMove, SoundMouseUp,
      SoundMouseWheel;

  int32_t AbsLeft = 0, AbsTop = 0;          // top-left corner on the screen
  int32_t PictureLeft = 0, PictureTop = 0;  // picture offset inside the object
};

class TOrlInterfaceObject : public data::TOrlObject, public TInterfaceObjectProps {
 public:
  const data::TOrlClass& Class() const override { return StaticClass(); }
  static const data::TOrlClass& StaticClass();

  // Copies the published properties (Name excepted) and the derived geometry from an object of
  // the same class.
  void Assign(const data::TOrlObject& source) override;

  void SetLeft(int32_t value);
  void SetTop(int32_t value);
  virtual void SetWidth(int32_t value);
  void SetHeight(int32_t value);
  virtual void SetAutoSize(TAutoSizeType value);
  virtual void SetVisible(bool value);
  void SetPicture(const std::string& value);
  void SetPictureHAlign(TPictureHAlignType value);
  void SetPictureVAlign(TPictureVAlignType value);
  void SetHAlign(THAlignType value);
  void SetVAlign(TVAlignType value);
  void SetShiftLeft(int32_t value);
  void SetShiftTop(int32_t value);

  // The pictures the object may draw, separated by CR LF; empty names are left out.
  virtual std::string GetPictures() const;

  virtual void UpdatePosition();
  void ApplyAlign();
  void ApplyAutoSize();
  void AlignPicture();

  // x, y are screen coordinates. The base versions do nothing.
  virtual void KeyDown(uint16_t key, TShiftState shift);
  virtual void KeyPress(char16_t key);
  virtual void KeyUp(uint16_t key, TShiftState shift);
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseWheel(TShiftState shift, int wheelDelta, int x, int y, bool& handled);
  virtual void Paint();

  // 64-bit sums: a skin may give sizes near the 32-bit limits.
  bool Contains(int x, int y) const {
    return x >= AbsLeft && x < int64_t{AbsLeft} + Width && y >= AbsTop &&
           y < int64_t{AbsTop} + Height;
  }

  // Called by the engine before `gone` is freed: drop every reference to it.
  virtual void ForgetObject(const data::TOrlObject* gone);

  TOrlInterfaceEngine* InterfaceEngine() const;
  IOrlGraphic* Graphic() const;  // null when there is no engine or host
  TOrlInterfaceObject* ParentObject() const;
  TOrlForm* ParentForm() const;
  bool Reading() const;  // the engine is setting the properties of a file being loaded

 protected:
  TSize PictureSize(const std::string& picture) const;
  void DrawPicture(const std::string& picture, int x, int y, uint8_t alpha) const;
  // Queues event script `script`, prefixed by a PlaySound command when `sound` is set.
  void QueueEventScript(const std::string& sound, const std::string& script) const;
};

}  // namespace ui
