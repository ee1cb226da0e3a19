// ui/hint.hpp — a rich label on a coloured box that shows for a while and hides itself.
#pragma once

#include "ui/rich_label.hpp"

namespace ui {

struct THintProps {
  int32_t ShowTime = 0;  // ms the hint stays after it is shown
  int32_t BackGroundColor = 0;
  uint8_t BackGroundAlpha = 0;
};

class TOrlHint : public TOrlRichLabel, public THintProps {
 public:
  const data::TOrlClass& Class() const override { return StaticClass(); }
  static const data::TOrlClass& StaticClass();
  void Assign(const data::TOrlObject& source) override;

  // Makes the box as tall as the text, whatever AutoSize says: the engine places the hint by
  // that height.
  void FitHeight(int32_t height);
  // The frame after ShowTime has run out the hint is hidden; this frame still draws it.
  void Paint() override;

  uint32_t StartTime = 0;  // tick count (ms) when it was last shown
};

}  // namespace ui
