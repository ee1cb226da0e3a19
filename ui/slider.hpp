// ui/slider.hpp — a track with a draggable thumb and two step buttons; it can scroll a grid.
#pragma once

#include <memory>
#include <string>

#include "ui/interface_object.hpp"
#include "ui/label.hpp"

namespace ui {

class TOrlGrid;

struct TSliderProps {
  std::string LinkedObjectName;  // a grid scrolled by this slider
  std::string BarPicture;        // the thumb; Picture is the track
  int32_t BarShiftLeft = 0, BarShiftTop = 0;
  std::string MouseOverBarPicture;
  int32_t Max = 0, Min = 0;
  int32_t Step = 0, BigStep = 0;  // buttons and dragging move by Step, track clicks by BigStep
  TTrackBarOrientation Orientation = trHorizontal;
  int32_t Position = 0;
  std::string ButtonsSound;  // played when a step button is pressed
  std::string OnChange;      // script queued whenever Position changes
};

class TOrlSlider : public TOrlInterfaceObject, public TSliderProps {
 public:
  TOrlSlider();
  ~TOrlSlider() override;
  const data::TOrlClass& Class() const override { return StaticClass(); }
  static const data::TOrlClass& StaticClass();
  void Assign(const data::TOrlObject& source) override;

  void SetPosition(int32_t value);  // clamped into Min..Max
  void SetMax(int32_t value);       // a linked grid decides Max by its rows
  void SetLinkedObjectName(const std::string& value);
  void SetOrientation(TTrackBarOrientation value);
  void SetButtonsSound(const std::string& value);
  void SetWidth(int32_t value) override;
  void SetButtonPicture(TOrlLabel& button, const std::string& picture);
  void UpdatePosition() override;
  void PlaceButtons();

  std::string GetPictures() const override;
  int ThumbOffset() const;  // r: pixels from the track picture's start to the thumb
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void Paint() override;
  void ForgetObject(const data::TOrlObject* gone) override;

  TOrlLabel& UpButton() const { return *upButton; }
  TOrlLabel& DownButton() const { return *downButton; }
  TOrlGrid* LinkedGrid() const { return linkedGrid; }
  void LinkGrid(TOrlGrid* grid) { linkedGrid = grid; }

  bool Dragging = false;
  bool Hover = false;

 private:
  bool Vertical() const { return Orientation == trVertical; }
  int TrackLength() const;

  std::unique_ptr<TOrlLabel> upButton, downButton;  // not in the engine's list
  TOrlGrid* linkedGrid = nullptr;                   // not owned
};

}  // namespace ui
