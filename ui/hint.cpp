// ui/hint.cpp
#include "ui/hint.hpp"

#include "ui/interface_engine.hpp"

namespace ui {

const data::TOrlClass& TOrlHint::StaticClass() {
  using T = TOrlHint;
  static const data::TOrlClass cls = data::TOrlClass::Make<T>(
      "TOrlHint", &TOrlRichLabel::StaticClass(), [](data::TPropBuilder<T>& p) {
        p.Int("ShowTime", &T::ShowTime)
            .Int("BackGroundColor", &T::BackGroundColor)
            .Byte("BackGroundAlpha", &T::BackGroundAlpha);
      });
  return cls;
}

void TOrlHint::Assign(const data::TOrlObject& source) {
  TOrlRichLabel::Assign(source);
  if (auto* s = dynamic_cast<const TOrlHint*>(&source)) {
    static_cast<THintProps&>(*this) = *s;
    StartTime = s->StartTime;
  }
}

void TOrlHint::FitHeight(int32_t height) {
  FHeight = height;
  AlignPicture();
}

void TOrlHint::Paint() {
  const TOrlInterfaceEngine* engine = InterfaceEngine();
  const int64_t now = engine ? engine->TickCount() : 0;
  const int64_t until = int64_t{StartTime} + ShowTime;
  if (until < 0 || until <= now) SetVisible(false);
  if (IOrlGraphic* g = Graphic())
    g->DrawRect(std::string(), TRect{FAbsLeft, FAbsTop, FAbsLeft + FWidth, FAbsTop + FHeight},
                static_cast<uint32_t>(BackGroundColor), BackGroundAlpha, 1);
  TOrlRichLabel::Paint();
}

}  // namespace ui
