// ui/progress_bar.hpp — a bar filled with copies of a piece picture, such as the danger bar.
#pragma once

#include "ui/interface_object.hpp"

namespace ui {

struct TProgressBarProps {
  std::string BarPicture;
  int32_t BarShiftLeft = 0, BarShiftTop = 0;
  int32_t Min = 0, Max = 0, Position = 0;  // Position is not clamped: beyond Max draws more
  int32_t StepWidth = 0;                   // pixels from one piece to the next
};

class TOrlProgressBar : public TOrlInterfaceObject, public TProgressBarProps {
 public:
  const data::TOrlClass& Class() const override { return StaticClass(); }
  static const data::TOrlClass& StaticClass();
  void Assign(const data::TOrlObject& source) override;

  int PieceCount() const;  // pieces drawn for the current Position
  void Paint() override;
};

}  // namespace ui
