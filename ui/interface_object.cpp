// ui/interface_object.cpp
#include "ui/interface_object.hpp"

#include "ui/form.hpp"
#include "ui/interface_engine.hpp"

namespace ui {

const data::TOrlClass& TOrlInterfaceObject::StaticClass() {
  using T = TOrlInterfaceObject;
  static const data::TOrlClass cls = data::TOrlClass::Make<T>(
      "TOrlInterfaceObject", &data::TOrlObject::StaticClass(), [](data::TPropBuilder<T>& p) {
        p.Int("Left", &T::Left, INT32_MIN, INT32_MAX, &T::SetLeft)
            .Int("Top", &T::Top, INT32_MIN, INT32_MAX, &T::SetTop)
            .Enum<TAutoSizeType>("AutoSize", &T::AutoSize, kAutoSizeNames, &T::SetAutoSize)
            .Text("Picture", &T::Picture, &T::SetPicture)
            .Enum<TPictureHAlignType>("PictureHAlign", &T::PictureHAlign, kPictureHAlignNames,
                                      &T::SetPictureHAlign)
            .Enum<TPictureVAlignType>("PictureVAlign", &T::PictureVAlign, kPictureVAlignNames,
                                      &T::SetPictureVAlign)
            .Byte("PictureAlpha", &T::PictureAlpha)
            .Int("Width", &T::Width, INT32_MIN, INT32_MAX, &T::SetWidth)
            .Int("Height", &T::Height, INT32_MIN, INT32_MAX, &T::SetHeight)
            .Enum<THAlignType>("HAlign", &T::HAlign, kHAlignNames, &T::SetHAlign)
            .Enum<TVAlignType>("VAlign", &T::VAlign, kVAlignNames, &T::SetVAlign)
            .Int("ShiftLeft", &T::ShiftLeft, INT32_MIN, INT32_MAX, &T::SetShiftLeft)
            .Int("ShiftTop", &T::ShiftTop, INT32_MIN, INT32_MAX, &T::SetShiftTop)
            .Bool("Visible", &T::Visible, &T::SetVisible)
            .Text("OnKeyDown", &T::OnKeyDown)
            .Text("OnKeyPress", &T::OnKeyPress)
            .Text("OnKeyUp", &T::OnKeyUp)
            .Text("OnMouseDown", &T::OnMouseDown)
            .Text("OnMouseMove", &T::OnMouseMove)
            .Text("OnMouseUp", &T::OnMouseUp)
            .Text("OnMouseWheel", &T::OnMouseWheel)
            .Text("SoundKeyDown", &T::SoundKeyDown)
            .Text("SoundKeyPress", &T::SoundKeyPress)
            .Text("SoundKeyUp", &T::SoundKeyUp)
            .Text("SoundMouseDown", &T::SoundMouseDown)
            .Text("SoundMouseMove", &T::SoundMouseMove)
            .Text("SoundMouseUp", &T::SoundMouseUp)
            .Text("SoundMouseWheel", &T::SoundMouseWheel);
      });
  return cls;
}

void TOrlInterfaceObject::Assign(const data::TOrlObject& source) {
  data::TOrlObject::Assign(source);
  ParentName = source.ParentName;
  if (auto* s = dynamic_cast<const TOrlInterfaceObject*>(&source))
    static_cast<TInterfaceObjectProps&>(*this) = *s;
}

void TOrlInterfaceObject::SetLeft(int32_t value) {
  if (HAlign != haNone) return;  // the alignment owns Left
  Left = value;
  UpdatePosition();
}

void TOrlInterfaceObject::SetTop(int32_t value) {
  if (VAlign != vaNone) return;
  Top = value;
  UpdatePosition();
}

void TOrlInterfaceObject::SetWidth(int32_t value) {
  if (AutoSize != asNone) return;  // the picture or caption owns the size
  Width = value;
  ApplyAlign();
  UpdatePosition();
  AlignPicture();
}

void TOrlInterfaceObject::SetHeight(int32_t value) {
  if (AutoSize != asNone) return;
  Height = value;
  ApplyAlign();
  UpdatePosition();
  AlignPicture();
}

void TOrlInterfaceObject::SetAutoSize(TAutoSizeType value) {
  AutoSize = value;
  ApplyAutoSize();
  if (AutoSize == asNone || AutoSize == asPicture) {
    ApplyAlign();
    UpdatePosition();
  }
}

void TOrlInterfaceObject::SetVisible(bool value) {
  Visible = value;
}

void TOrlInterfaceObject::SetPicture(const std::string& value) {
  Picture = value;
  if (AutoSize == asNone || AutoSize == asPicture) {
    ApplyAutoSize();
    ApplyAlign();
    UpdatePosition();
    AlignPicture();
  }
}

void TOrlInterfaceObject::SetPictureHAlign(TPictureHAlignType value) {
  PictureHAlign = value;
  AlignPicture();
}

void TOrlInterfaceObject::SetPictureVAlign(TPictureVAlignType value) {
  PictureVAlign = value;
  AlignPicture();
}

void TOrlInterfaceObject::SetHAlign(THAlignType value) {
  HAlign = value;
  ApplyAlign();
  UpdatePosition();
}

void TOrlInterfaceObject::SetVAlign(TVAlignType value) {
  VAlign = value;
  ApplyAlign();
  UpdatePosition();
}

void TOrlInterfaceObject::SetShiftLeft(int32_t value) {
  ShiftLeft = value;
  ApplyAlign();
  UpdatePosition();
}

void TOrlInterfaceObject::SetShiftTop(int32_t value) {
  ShiftTop = value;
  ApplyAlign();
  UpdatePosition();
}

std::string TOrlInterfaceObject::GetPictures() const {
  return Picture;
}

void TOrlInterfaceObject::UpdatePosition() {
  if (const TOrlInterfaceObject* parent = ParentObject()) {
    AbsLeft = parent->AbsLeft + Left;
    AbsTop = parent->AbsTop + Top;
  } else {
    AbsLeft = Left;
    AbsTop = Top;
  }
}

void TOrlInterfaceObject::ApplyAlign() {
  TSize ref;
  if (const TOrlInterfaceObject* parent = ParentObject()) {
    ref = {parent->Width, parent->Height};
  } else if (IOrlGraphic* g = Graphic()) {
    ref = g->GetScreenSize();
  }
  switch (HAlign) {
    case haNone:
      break;
    case haLeft:
      Left = ShiftLeft;
      break;
    case haCenter:
      Left = ShiftLeft + ref.Width / 2 - Width / 2;
      break;
    case haRight:
      Left = ShiftLeft + ref.Width - Width;
      break;
    case haJustify:
      if (AutoSize == asNone) {
        Left = 0;
        Width = ref.Width;
      }
      break;
  }
  switch (VAlign) {
    case vaNone:
      break;
    case vaTop:
      Top = ShiftTop;
      break;
    case vaCenter:
      Top = ShiftTop + ref.Height / 2 - Height / 2;
      break;
    case vaBottom:
      Top = ShiftTop + ref.Height - Height;
      break;
    case vaJustify:
      if (AutoSize == asNone) {
        Top = 0;
        Height = ref.Height;
      }
      break;
  }
}

void TOrlInterfaceObject::ApplyAutoSize() {
  if (AutoSize != asPicture) return;
  const TSize size = PictureSize(Picture);
  if (size.Width > 0 && size.Height > 0) {
    Width = size.Width;
    Height = size.Height;
  }
}

void TOrlInterfaceObject::AlignPicture() {
  const TSize size = PictureSize(Picture);
  if (size.Width < 1 || size.Height < 1) return;
  switch (PictureHAlign) {
    case phaLeft:
      PictureLeft = 0;
      break;
    case phaCenter:
      PictureLeft = Width / 2 - size.Width / 2;
      break;
    case phaRight:
      PictureLeft = Width - size.Width;
      break;
  }
  switch (PictureVAlign) {
    case pvaTop:
      PictureTop = 0;
      break;
    case pvaCenter:
      PictureTop = Height / 2 - size.Height / 2;
      break;
    case pvaBottom:
      PictureTop = Height - size.Height;
      break;
  }
}

void TOrlInterfaceObject::KeyDown(uint16_t, TShiftState) {}
void TOrlInterfaceObject::KeyPress(char16_t) {}
void TOrlInterfaceObject::KeyUp(uint16_t, TShiftState) {}
void TOrlInterfaceObject::MouseDown(TMouseButton, TShiftState, int, int) {}
void TOrlInterfaceObject::MouseMove(TShiftState, int, int) {}
void TOrlInterfaceObject::MouseUp(TMouseButton, TShiftState, int, int) {}
void TOrlInterfaceObject::MouseWheel(TShiftState, int, int, int, bool&) {}

void TOrlInterfaceObject::Paint() {
  DrawPicture(Picture, AbsLeft + PictureLeft, AbsTop + PictureTop, PictureAlpha);
}

void TOrlInterfaceObject::ForgetObject(const data::TOrlObject*) {}

TOrlInterfaceEngine* TOrlInterfaceObject::InterfaceEngine() const {
  return dynamic_cast<TOrlInterfaceEngine*>(Engine());
}

IOrlGraphic* TOrlInterfaceObject::Graphic() const {
  const TOrlInterfaceEngine* engine = InterfaceEngine();
  return engine ? engine->Graphic.get() : nullptr;
}

TOrlInterfaceObject* TOrlInterfaceObject::ParentObject() const {
  return dynamic_cast<TOrlInterfaceObject*>(Parent());
}

TOrlForm* TOrlInterfaceObject::ParentForm() const {
  return dynamic_cast<TOrlForm*>(Parent());
}

bool TOrlInterfaceObject::Reading() const {
  const TOrlInterfaceEngine* engine = InterfaceEngine();
  return engine && engine->Reading();
}

TSize TOrlInterfaceObject::PictureSize(const std::string& picture) const {
  IOrlGraphic* g = Graphic();
  if (!g || picture.empty()) return {};
  return g->GetPictureSize(picture);
}

void TOrlInterfaceObject::DrawPicture(const std::string& picture, int x, int y,
                                      uint8_t alpha) const {
  if (picture.empty()) return;
  if (IOrlGraphic* g = Graphic()) g->Draw(picture, std::string(), x, y, alpha);
}

void TOrlInterfaceObject::QueueEventScript(const std::string& sound,
                                           const std::string& script) const {
  TOrlInterfaceEngine* engine = InterfaceEngine();
  if (!engine) return;
  if (sound.empty())
    engine->QueueScript(Name(), script);
  else
    engine->QueueScript(Name(), "PlaySound Sound=\"" + sound + "\";" + script);
}

}  // namespace ui
