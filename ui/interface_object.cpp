// ui/interface_object.cpp
#include "ui/interface_object.hpp"

#include "ui/form.hpp"
#include "ui/interface_engine.hpp"

namespace ui {

const data::TOrlClass& TOrlInterfaceObject::StaticClass() {
  using T = TOrlInterfaceObject;
  static const data::TOrlClass cls = data::TOrlClass::Make<T>(
      "TOrlInterfaceObject", &data::TOrlObject::StaticClass(), [](data::TPropBuilder<T>& p) {
        p.Int("Left", &T::FLeft, INT32_MIN, INT32_MAX, &T::SetLeft)
            .Int("Top", &T::FTop, INT32_MIN, INT32_MAX, &T::SetTop)
            .Enum<TAutoSizeType>("AutoSize", &T::FAutoSize, kAutoSizeNames, &T::SetAutoSize)
            .Text("Picture", &T::FPicture, &T::SetPicture)
            .Enum<TPictureHAlignType>("PictureHAlign", &T::FPictureHAlign, kPictureHAlignNames,
                                      &T::SetPictureHAlign)
            .Enum<TPictureVAlignType>("PictureVAlign", &T::FPictureVAlign, kPictureVAlignNames,
                                      &T::SetPictureVAlign)
            .Byte("PictureAlpha", &T::FPictureAlpha)
            .Int("Width", &T::FWidth, INT32_MIN, INT32_MAX, &T::SetWidth)
            .Int("Height", &T::FHeight, INT32_MIN, INT32_MAX, &T::SetHeight)
            .Enum<THAlignType>("HAlign", &T::FHAlign, kHAlignNames, &T::SetHAlign)
            .Enum<TVAlignType>("VAlign", &T::FVAlign, kVAlignNames, &T::SetVAlign)
            .Int("ShiftLeft", &T::FShiftLeft, INT32_MIN, INT32_MAX, &T::SetShiftLeft)
            .Int("ShiftTop", &T::FShiftTop, INT32_MIN, INT32_MAX, &T::SetShiftTop)
            .Bool("Visible", &T::FVisible, &T::SetVisible)
            .Text("OnKeyDown", &T::FOnKeyDown)
            .Text("OnKeyPress", &T::FOnKeyPress)
            .Text("OnKeyUp", &T::FOnKeyUp)
            .Text("OnMouseDown", &T::FOnMouseDown)
            .Text("OnMouseMove", &T::FOnMouseMove)
            .Text("OnMouseUp", &T::FOnMouseUp)
            .Text("OnMouseWheel", &T::FOnMouseWheel)
            .Text("SoundKeyDown", &T::FSoundKeyDown)
            .Text("SoundKeyPress", &T::FSoundKeyPress)
            .Text("SoundKeyUp", &T::FSoundKeyUp)
            .Text("SoundMouseDown", &T::FSoundMouseDown)
            .Text("SoundMouseMove", &T::FSoundMouseMove)
            .Text("SoundMouseUp", &T::FSoundMouseUp)
            .Text("SoundMouseWheel", &T::FSoundMouseWheel);
      });
  return cls;
}

void TOrlInterfaceObject::Assign(const data::TOrlObject& source) {
  data::TOrlObject::Assign(source);
  ParentName = source.ParentName;
  if (auto* s = dynamic_cast<const TOrlInterfaceObject*>(&source))
    static_cast<TInterfaceObjectProps&>(*this) = static_cast<const TInterfaceObjectProps&>(*s);
}

void TOrlInterfaceObject::SetLeft(int32_t value) {
  if (FHAlign != haNone) return;  // the alignment owns Left
  FLeft = value;
  UpdatePosition();
}

void TOrlInterfaceObject::SetTop(int32_t value) {
  if (FVAlign != vaNone) return;
  FTop = value;
  UpdatePosition();
}

void TOrlInterfaceObject::SetWidth(int32_t value) {
  if (FAutoSize != asNone) return;  // the picture or caption owns the size
  FWidth = value;
  ApplyAlign();
  UpdatePosition();
  AlignPicture();
}

void TOrlInterfaceObject::SetHeight(int32_t value) {
  if (FAutoSize != asNone) return;
  FHeight = value;
  ApplyAlign();
  UpdatePosition();
  AlignPicture();
}

void TOrlInterfaceObject::SetAutoSize(TAutoSizeType value) {
  FAutoSize = value;
  ApplyAutoSize();
  if (FAutoSize == asNone || FAutoSize == asPicture) {
    ApplyAlign();
    UpdatePosition();
  }
}

void TOrlInterfaceObject::SetVisible(bool value) {
  FVisible = value;
}

void TOrlInterfaceObject::SetPicture(const std::string& value) {
  FPicture = value;
  if (FAutoSize == asNone || FAutoSize == asPicture) {
    ApplyAutoSize();
    ApplyAlign();
    UpdatePosition();
    AlignPicture();
  }
}

void TOrlInterfaceObject::SetPictureHAlign(TPictureHAlignType value) {
  FPictureHAlign = value;
  AlignPicture();
}

void TOrlInterfaceObject::SetPictureVAlign(TPictureVAlignType value) {
  FPictureVAlign = value;
  AlignPicture();
}

void TOrlInterfaceObject::SetHAlign(THAlignType value) {
  FHAlign = value;
  ApplyAlign();
  UpdatePosition();
}

void TOrlInterfaceObject::SetVAlign(TVAlignType value) {
  FVAlign = value;
  ApplyAlign();
  UpdatePosition();
}

void TOrlInterfaceObject::SetShiftLeft(int32_t value) {
  FShiftLeft = value;
  ApplyAlign();
  UpdatePosition();
}

void TOrlInterfaceObject::SetShiftTop(int32_t value) {
  FShiftTop = value;
  ApplyAlign();
  UpdatePosition();
}

void TOrlInterfaceObject::PlaceAt(int32_t absLeft, int32_t absTop) {
  int32_t parentLeft = 0, parentTop = 0;
  if (const TOrlInterfaceObject* parent = ParentObject()) {
    parentLeft = parent->FAbsLeft;
    parentTop = parent->FAbsTop;
  }
  // Position sums wrap at 32 bits, so the offset does too and the corner lands exactly there.
  FLeft = static_cast<int32_t>(static_cast<uint32_t>(absLeft) - static_cast<uint32_t>(parentLeft));
  FTop = static_cast<int32_t>(static_cast<uint32_t>(absTop) - static_cast<uint32_t>(parentTop));
  UpdatePosition();
}

std::string TOrlInterfaceObject::GetPictures() const {
  return FPicture;
}

void TOrlInterfaceObject::UpdatePosition() {
  if (const TOrlInterfaceObject* parent = ParentObject()) {
    FAbsLeft = parent->FAbsLeft + FLeft;
    FAbsTop = parent->FAbsTop + FTop;
  } else {
    FAbsLeft = FLeft;
    FAbsTop = FTop;
  }
}

void TOrlInterfaceObject::ApplyAlign() {
  TSize ref;
  if (const TOrlInterfaceObject* parent = ParentObject()) {
    ref = {parent->FWidth, parent->FHeight};
  } else if (IOrlGraphic* g = Graphic()) {
    ref = g->GetScreenSize();
  }
  switch (FHAlign) {
    case haNone:
      break;
    case haLeft:
      FLeft = FShiftLeft;
      break;
    case haCenter:
      FLeft = FShiftLeft + ref.Width / 2 - FWidth / 2;
      break;
    case haRight:
      FLeft = FShiftLeft + ref.Width - FWidth;
      break;
    case haJustify:
      if (FAutoSize == asNone) {
        FLeft = 0;
        FWidth = ref.Width;
      }
      break;
  }
  switch (FVAlign) {
    case vaNone:
      break;
    case vaTop:
      FTop = FShiftTop;
      break;
    case vaCenter:
      FTop = FShiftTop + ref.Height / 2 - FHeight / 2;
      break;
    case vaBottom:
      FTop = FShiftTop + ref.Height - FHeight;
      break;
    case vaJustify:
      if (FAutoSize == asNone) {
        FTop = 0;
        FHeight = ref.Height;
      }
      break;
  }
}

void TOrlInterfaceObject::ApplyAutoSize() {
  if (FAutoSize != asPicture) return;
  const TSize size = PictureSize(FPicture);
  if (size.Width > 0 && size.Height > 0) {
    FWidth = size.Width;
    FHeight = size.Height;
  }
}

void TOrlInterfaceObject::AlignPicture() {
  const TSize size = PictureSize(FPicture);
  if (size.Width < 1 || size.Height < 1) return;
  switch (FPictureHAlign) {
    case phaLeft:
      FPictureLeft = 0;
      break;
    case phaCenter:
      FPictureLeft = FWidth / 2 - size.Width / 2;
      break;
    case phaRight:
      FPictureLeft = FWidth - size.Width;
      break;
  }
  switch (FPictureVAlign) {
    case pvaTop:
      FPictureTop = 0;
      break;
    case pvaCenter:
      FPictureTop = FHeight / 2 - size.Height / 2;
      break;
    case pvaBottom:
      FPictureTop = FHeight - size.Height;
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
  DrawPicture(FPicture, FAbsLeft + FPictureLeft, FAbsTop + FPictureTop, FPictureAlpha);
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
