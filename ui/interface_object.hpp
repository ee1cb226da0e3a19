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
// record so Assign copies them in one step; only the object and its descendants write them, so
// the derived geometry always follows the published one.
struct TInterfaceObjectProps {
  int32_t FLeft = 0, FTop = 0;  // relative to the parent's top-left corner (screen without parent)
  TAutoSizeType FAutoSize = asNone;
  std::string FPicture;
  TPictureHAlignType FPictureHAlign = phaLeft;
  TPictureVAlignType FPictureVAlign = pvaTop;
  uint8_t FPictureAlpha = 0;
  int32_t FWidth = 0, FHeight = 0;
  THAlignType FHAlign = haNone;
  TVAlignType FVAlign = vaNone;
  int32_t FShiftLeft = 0, FShiftTop = 0;
  bool FVisible = false;  // nothing shows until a file or the game says so
  std::string FOnKeyDown, FOnKeyPress, FOnKeyUp, FOnMouseDown, FOnMouseMove, FOnMouseUp,
      FOnMouseWheel;
  std::string FSoundKeyDown, FSoundKeyPress, FSoundKeyUp, FSoundMouseDown, FSoundMouseMove,
      FSoundMouseUp, FSoundMouseWheel;

  int32_t FAbsLeft = 0, FAbsTop = 0;          // top-left corner on the screen
  int32_t FPictureLeft = 0, FPictureTop = 0;  // picture offset inside the object
};

class TOrlInterfaceObject : public data::TOrlObject, protected TInterfaceObjectProps {
 public:
  const data::TOrlClass& Class() const override { return StaticClass(); }
  static const data::TOrlClass& StaticClass();

  // Copies the published properties (Name excepted) and the derived geometry from an object of
  // the same class.
  void Assign(const data::TOrlObject& source) override;

  int32_t Left() const { return FLeft; }
  int32_t Top() const { return FTop; }
  TAutoSizeType AutoSize() const { return FAutoSize; }
  const std::string& Picture() const { return FPicture; }
  TPictureHAlignType PictureHAlign() const { return FPictureHAlign; }
  TPictureVAlignType PictureVAlign() const { return FPictureVAlign; }
  uint8_t PictureAlpha() const { return FPictureAlpha; }
  int32_t Width() const { return FWidth; }
  int32_t Height() const { return FHeight; }
  THAlignType HAlign() const { return FHAlign; }
  TVAlignType VAlign() const { return FVAlign; }
  int32_t ShiftLeft() const { return FShiftLeft; }
  int32_t ShiftTop() const { return FShiftTop; }
  bool Visible() const { return FVisible; }
  int32_t AbsLeft() const { return FAbsLeft; }
  int32_t AbsTop() const { return FAbsTop; }
  int32_t PictureLeft() const { return FPictureLeft; }
  int32_t PictureTop() const { return FPictureTop; }
  // The scripts the events queue (the shell lists the methods they call).
  const std::string& OnKeyDown() const { return FOnKeyDown; }
  const std::string& OnKeyPress() const { return FOnKeyPress; }
  const std::string& OnKeyUp() const { return FOnKeyUp; }
  const std::string& OnMouseDown() const { return FOnMouseDown; }
  const std::string& OnMouseMove() const { return FOnMouseMove; }
  const std::string& OnMouseUp() const { return FOnMouseUp; }
  const std::string& OnMouseWheel() const { return FOnMouseWheel; }

  void SetLeft(int32_t value);
  void SetTop(int32_t value);
  virtual void SetWidth(int32_t value);
  void SetHeight(int32_t value);
  virtual void SetAutoSize(TAutoSizeType value);
  virtual void SetVisible(bool value);
  void SetPicture(const std::string& value);
  void SetPictureHAlign(TPictureHAlignType value);
  void SetPictureVAlign(TPictureVAlignType value);
  void SetPictureAlpha(uint8_t value) { FPictureAlpha = value; }
  void SetHAlign(THAlignType value);
  void SetVAlign(TVAlignType value);
  void SetShiftLeft(int32_t value);
  void SetShiftTop(int32_t value);
  void SetOnMouseDown(const std::string& value) { FOnMouseDown = value; }
  void SetSoundMouseDown(const std::string& value) { FSoundMouseDown = value; }
  // Puts the top-left corner at a screen position, whatever the alignment says, by moving the
  // object against its parent; children follow.
  void PlaceAt(int32_t absLeft, int32_t absTop);

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
    return x >= FAbsLeft && x < int64_t{FAbsLeft} + FWidth && y >= FAbsTop &&
           y < int64_t{FAbsTop} + FHeight;
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
