// ui/slider.cpp
#include "ui/slider.hpp"

#include <algorithm>
#include <cmath>

#include "data/rounding.hpp"
#include "ui/grid.hpp"
#include "ui/interface_engine.hpp"

namespace ui {
namespace {

// The button pictures are stored in the button labels themselves; part 0 is the picture,
// 1 the mouse-over one, 2 the pressed one.
const std::string& ButtonField(const TOrlLabel& button, int part) {
  return part == 0   ? button.Picture()
         : part == 1 ? button.MouseOverPicture
                     : button.MouseDownPicture;
}

void DeclareButtonPicture(data::TPropBuilder<TOrlSlider>& p, const char* name, bool up, int part) {
  p.Custom(
      name, data::TPropKind::Text,
      [up, part](const TOrlSlider& s) {
        data::TPropValue v;
        v.Text = ButtonField(up ? s.UpButton() : s.DownButton(), part);
        return v;
      },
      [up, part](TOrlSlider& s, const data::TPropValue& v) {
        TOrlLabel& button = up ? s.UpButton() : s.DownButton();
        if (part == 0)
          s.SetButtonPicture(button, v.Text);
        else if (part == 1)
          button.MouseOverPicture = v.Text;
        else
          button.MouseDownPicture = v.Text;
      });
}

int32_t ClampToInt(int64_t v) {
  return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

}  // namespace

TOrlSlider::TOrlSlider()
    : upButton(std::make_unique<TOrlLabel>()), downButton(std::make_unique<TOrlLabel>()) {}

TOrlSlider::~TOrlSlider() = default;

const data::TOrlClass& TOrlSlider::StaticClass() {
  using T = TOrlSlider;
  static const data::TOrlClass cls = data::TOrlClass::Make<T>(
      "TOrlSlider", &TOrlInterfaceObject::StaticClass(), [](data::TPropBuilder<T>& p) {
        p.Text("LinkedObjectName", &T::LinkedObjectName, &T::SetLinkedObjectName)
            .Text("BarPicture", &T::BarPicture)
            .Int("BarShiftLeft", &T::BarShiftLeft)
            .Int("BarShiftTop", &T::BarShiftTop)
            .Text("MouseOverBarPicture", &T::MouseOverBarPicture)
            .Int("Max", &T::Max, INT32_MIN, INT32_MAX, &T::SetMax)
            .Int("Min", &T::Min)
            .Int("Step", &T::Step)
            .Int("BigStep", &T::BigStep)
            .Enum<TTrackBarOrientation>("Orientation", &T::Orientation, kOrientationNames,
                                        &T::SetOrientation)
            .Int("Position", &T::Position, INT32_MIN, INT32_MAX, &T::SetPosition);
        DeclareButtonPicture(p, "UpPicture", true, 0);
        DeclareButtonPicture(p, "UpMouseOverPicture", true, 1);
        DeclareButtonPicture(p, "UpMouseDownPicture", true, 2);
        DeclareButtonPicture(p, "DownPicture", false, 0);
        DeclareButtonPicture(p, "DownMouseOverPicture", false, 1);
        DeclareButtonPicture(p, "DownMouseDownPicture", false, 2);
        p.Text("ButtonsSound", &T::ButtonsSound, &T::SetButtonsSound)
            .Text("OnChange", &T::OnChange);
      });
  return cls;
}

void TOrlSlider::Assign(const data::TOrlObject& source) {
  TOrlInterfaceObject::Assign(source);
  if (auto* s = dynamic_cast<const TOrlSlider*>(&source)) {
    static_cast<TSliderProps&>(*this) = *s;
    upButton->Assign(*s->upButton);
    downButton->Assign(*s->downButton);
    linkedGrid = s->linkedGrid;
  }
}

void TOrlSlider::SetPosition(int32_t value) {
  value = std::max(Min, std::min(Max, value));
  if (value != Position) {
    Position = value;
    // Values read from the interface file are not changes the game should hear about.
    if (!Reading()) QueueEventScript(std::string(), OnChange);
  }
  if (linkedGrid && linkedGrid->Position != Position) linkedGrid->SetPosition(Position);
}

void TOrlSlider::SetMax(int32_t value) {
  Max = linkedGrid ? linkedGrid->RowCount - 1 - (linkedGrid->FixedRow ? 1 : 0) : value;
}

void TOrlSlider::SetLinkedObjectName(const std::string& value) {
  LinkedObjectName = value;
  const data::TOrlEngine* engine = Engine();
  linkedGrid =
      engine && !value.empty() ? dynamic_cast<TOrlGrid*>(engine->FindObject(value)) : nullptr;
  if (!linkedGrid) return;
  linkedGrid->LinkedObjectName = Name();
  linkedGrid->LinkSlider(this);
  SetMax(linkedGrid->RowCount - 1);
}

void TOrlSlider::SetOrientation(TTrackBarOrientation value) {
  Orientation = value;
  PlaceButtons();
}

void TOrlSlider::SetButtonsSound(const std::string& value) {
  ButtonsSound = value;
  upButton->SetSoundMouseDown(value);
  downButton->SetSoundMouseDown(value);
}

void TOrlSlider::SetWidth(int32_t value) {
  TOrlInterfaceObject::SetWidth(value);
  PlaceButtons();
}

void TOrlSlider::SetButtonPicture(TOrlLabel& button, const std::string& picture) {
  button.SetPicture(picture);
  PlaceButtons();
}

// The buttons are not children of the form, so they follow the slider whenever it moves.
void TOrlSlider::UpdatePosition() {
  TOrlInterfaceObject::UpdatePosition();
  PlaceButtons();
}

void TOrlSlider::PlaceButtons() {
  for (TOrlLabel* b : {upButton.get(), downButton.get()}) {
    b->SetEngine(Engine());
    b->SetPictureAlpha(FPictureAlpha);
    const TSize size = PictureSize(b->Picture());
    b->SetWidth(size.Width);
    b->SetHeight(size.Height);
  }
  // The buttons have no parent: their place is a screen position.
  TOrlLabel& up = *upButton;
  TOrlLabel& down = *downButton;
  if (Vertical()) {
    up.PlaceAt((FWidth - up.Width()) / 2 + FAbsLeft, FAbsTop);
    down.PlaceAt((FWidth - down.Width()) / 2 + FAbsLeft, FAbsTop + FHeight - down.Height());
  } else {
    up.PlaceAt(FAbsLeft, (FHeight - up.Height()) / 2 + FAbsTop);
    down.PlaceAt(FAbsLeft + FWidth - down.Width(), (FHeight - down.Height()) / 2 + FAbsTop);
  }
}

std::string TOrlSlider::GetPictures() const {
  std::string out;
  for (const std::string* name : {&FPicture, &BarPicture, &MouseOverBarPicture}) {
    if (name->empty()) continue;
    if (!out.empty()) out += "\r\n";
    out += *name;
  }
  return out;
}

int TOrlSlider::TrackLength() const {
  const TSize track = PictureSize(FPicture);
  const TSize thumb = PictureSize(BarPicture);
  return Vertical() ? track.Height - 2 * BarShiftTop - thumb.Height
                    : track.Width - 2 * BarShiftLeft - thumb.Width;
}

int TOrlSlider::ThumbOffset() const {
  if (Max == Min) return 0;
  const double share = (static_cast<double>(Position) - Min) / (static_cast<double>(Max) - Min);
  // A position far outside Min..Max (Min or Max changed after it was set) saturates.
  return data::RoundHalfEven(share * TrackLength()) + (Vertical() ? BarShiftTop : BarShiftLeft);
}

void TOrlSlider::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  Dragging = false;
  upButton->Pressed = downButton->Pressed = false;
  if (!Contains(x, y) || !(shift & ssLeft)) return;
  upButton->MouseDown(button, shift, x, y);
  downButton->MouseDown(button, shift, x, y);
  const bool vertical = Vertical();
  const TSize track = PictureSize(FPicture);
  const TSize thumb = PictureSize(BarPicture);
  const int c = vertical ? y : x;
  const int o = vertical ? FAbsTop + FPictureTop : FAbsLeft + FPictureLeft;
  const int thumbLength = vertical ? thumb.Height : thumb.Width;
  const int r = ThumbOffset();
  if (o + r <= c && c <= o + r + thumbLength) {
    Dragging = true;
    return;
  }
  const int shiftAlong = vertical ? BarShiftTop : BarShiftLeft;
  const bool pageBack = vertical ? (o + BarShiftTop <= c && c < o + r)
                                 : (o + BarShiftLeft <= c && c < o + BarShiftLeft + r);
  const bool pageForward =
      o + r + thumbLength < c && c <= o + (vertical ? track.Height : track.Width) - shiftAlong;
  const int start = vertical ? FAbsTop : FAbsLeft;
  const int end = start + (vertical ? FHeight : FWidth);
  const int upLength = vertical ? upButton->Height() : upButton->Width();
  const int downLength = vertical ? downButton->Height() : downButton->Width();
  const bool stepBack = upLength > 0 && start <= c && c <= start + upLength;
  const bool stepForward = downLength > 0 && end - downLength < c && c < end;
  if (pageBack) SetPosition(ClampToInt(int64_t{Position} - BigStep));
  if (pageForward) SetPosition(ClampToInt(int64_t{Position} + BigStep));
  if (stepBack) SetPosition(ClampToInt(int64_t{Position} - Step));
  if (stepForward) SetPosition(ClampToInt(int64_t{Position} + Step));
}

void TOrlSlider::MouseMove(TShiftState shift, int x, int y) {
  Hover = false;
  upButton->Hover = downButton->Hover = false;
  if (!Dragging && !Contains(x, y)) return;
  Hover = true;
  upButton->MouseMove(shift, x, y);
  downButton->MouseMove(shift, x, y);
  const int length = TrackLength();
  // Dragging with no Step or no room for the thumb to travel has no position to go to.
  if (!(shift & ssLeft) || !Dragging || Max == Min || Step == 0 || length <= 0) return;
  const bool vertical = Vertical();
  const TSize thumb = PictureSize(BarPicture);
  const int c = vertical ? y : x;
  const int start = vertical ? FAbsTop : FAbsLeft;
  const int offset = vertical ? FPictureTop : FPictureLeft;
  const int thumbLength = vertical ? thumb.Height : thumb.Width;
  const int shiftAlong = vertical ? BarShiftTop : BarShiftLeft;
  const double pixelsPerUnit = static_cast<double>(length) / (static_cast<double>(Max) - Min);
  const double along = static_cast<double>(c) - start - offset - thumbLength / 2 - shiftAlong;
  const double v = data::RoundHalfEvenReal(along / pixelsPerUnit) + Min;
  SetPosition(data::RoundHalfEven(data::RoundHalfEvenReal(v / Step) * Step));
}

void TOrlSlider::MouseUp(TMouseButton, TShiftState, int, int) {
  Dragging = false;
  upButton->Pressed = downButton->Pressed = false;
}

void TOrlSlider::Paint() {
  TOrlInterfaceObject::Paint();
  const TSize thumb = PictureSize(BarPicture);
  const std::string& picture = Hover ? MouseOverBarPicture : BarPicture;
  const int r = ThumbOffset();
  if (Vertical()) {
    DrawPicture(picture, (FWidth - thumb.Width) / 2 + FAbsLeft + BarShiftLeft,
                FAbsTop + FPictureTop + r, FPictureAlpha);
  } else {
    DrawPicture(picture, FAbsLeft + FPictureLeft + r,
                FAbsTop + (FHeight - thumb.Height) / 2 + BarShiftTop, FPictureAlpha);
  }
  for (TOrlLabel* b : {upButton.get(), downButton.get()}) {
    b->SetPictureAlpha(FPictureAlpha);  // the buttons fade with the slider whenever it was set
    if (!b->Picture().empty()) b->Paint();
  }
}

void TOrlSlider::ForgetObject(const data::TOrlObject* gone) {
  if (linkedGrid == gone) linkedGrid = nullptr;
}

}  // namespace ui
