// ui/progress_bar.cpp
#include "ui/progress_bar.hpp"

#include <algorithm>
#include <cmath>

#include "data/rounding.hpp"

namespace ui {
namespace {

constexpr int kMaxPieces = 10000;  // a runaway Position must not stall the frame

}  // namespace

const data::TOrlClass& TOrlProgressBar::StaticClass() {
  using T = TOrlProgressBar;
  static const data::TOrlClass cls = data::TOrlClass::Make<T>(
      "TOrlProgressBar", &TOrlInterfaceObject::StaticClass(), [](data::TPropBuilder<T>& p) {
        p.Text("BarPicture", &T::BarPicture)
            .Int("BarShiftLeft", &T::BarShiftLeft)
            .Int("BarShiftTop", &T::BarShiftTop)
            .Int("Min", &T::Min)
            .Int("Max", &T::Max)
            .Int("Position", &T::Position)
            .Int("StepWidth", &T::StepWidth);
      });
  return cls;
}

void TOrlProgressBar::Assign(const data::TOrlObject& source) {
  TOrlInterfaceObject::Assign(source);
  if (auto* s = dynamic_cast<const TOrlProgressBar*>(&source))
    static_cast<TProgressBarProps&>(*this) = *s;
}

int TOrlProgressBar::PieceCount() const {
  if (StepWidth == 0 || Max == Min) return 0;
  const double pieces = static_cast<double>(FWidth - 2 * BarShiftLeft) / StepWidth *
                        (static_cast<double>(Position) - Min) / (static_cast<double>(Max) - Min);
  if (!(pieces > 0)) return 0;
  return std::min(data::RoundHalfEven(pieces), kMaxPieces);
}

void TOrlProgressBar::Paint() {
  TOrlInterfaceObject::Paint();
  const int n = PieceCount();
  for (int k = 0; k < n; ++k)
    DrawPicture(BarPicture, FAbsLeft + BarShiftLeft + k * StepWidth, FAbsTop + BarShiftTop,
                FPictureAlpha);
}

}  // namespace ui
