// ui/rich_label.hpp — a label whose caption carries mark-up in braces: colours, fonts, links
// that run scripts, line breaks, spaces, paragraph alignment and simple tables.
#pragma once

#include <memory>
#include <vector>

#include "ui/label.hpp"

namespace ui {

struct TRichLabelProps {
  int32_t LinkColor = 0, LinkMouseOverColor = 0;
};

class TOrlRichLabel : public TOrlLabel, public TRichLabelProps {
 public:
  TOrlRichLabel();
  ~TOrlRichLabel() override;
  const data::TOrlClass& Class() const override { return StaticClass(); }
  static const data::TOrlClass& StaticClass();
  void Assign(const data::TOrlObject& source) override;

  void SetCaption(const std::u16string& value) override;  // line breaks and tabs become blanks
  void SetAlpha(uint8_t value) override;
  void SetLinkColor(int32_t value);
  void SetLinkMouseOverColor(int32_t value);

  // Lays the mark-up out into Words and LinkLabels.
  void WrapText() override;
  void UpdatePosition() override;  // the link labels move with the label

  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void Paint() override;

  // Words are positioned inside the label, before TextShiftLeft and TextShiftTop.
  const std::vector<TOrlTextLine>& Words() const { return words; }
  const std::vector<std::unique_ptr<TOrlLabel>>& LinkLabels() const { return linkLabels; }

 private:
  friend class TRichLayout;
  void PlaceLinkLabels();

  std::vector<TOrlTextLine> words;
  std::vector<std::unique_ptr<TOrlLabel>> linkLabels;  // not in the engine's list
  std::vector<std::pair<size_t, size_t>> linkWords;    // (word, link label)
};

}  // namespace ui
