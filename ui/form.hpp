// ui/form.hpp — windows: a form holds its child controls, passes events to them, keeps their
// tab order and paints them over its own picture. Tab forms are pages sharing one place.
#pragma once

#include <vector>

#include "ui/focused_object.hpp"
#include "ui/interface_object.hpp"

namespace ui {

class TOrlForm : public TOrlInterfaceObject {
 public:
  const data::TOrlClass& Class() const override { return StaticClass(); }
  static const data::TOrlClass& StaticClass();

  // Also clones the source form's children into new objects named Name + child's name.
  void Assign(const data::TOrlObject& source) override;
  // A successful rename carries the children along (their ParentName follows).
  void SetName(const std::string& name) override;

  void UpdatePosition() override;
  void KeyDown(uint16_t key, TShiftState shift) override;
  void KeyPress(char16_t key) override;
  void KeyUp(uint16_t key, TShiftState shift) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseWheel(TShiftState shift, int wheelDelta, int x, int y, bool& handled) override;
  void Paint() override;
  void PaintWithoutHints();  // the game screen draws the hints later, above the board
  void PaintHints();
  void ForgetObject(const data::TOrlObject* gone) override;

  // The engine's objects whose ParentName is this form's Name, in engine order.
  void CollectChildren();
  // CollectChildren for every form of the engine at once, in time linear in the objects: an
  // interface file of thousands of nested windows loads as fast as a flat one.
  // NOTE: parents must be resolved (TOrlEngine::ResolveParents) first.
  static void CollectChildrenOfAll(const data::TOrlEngine& engine);
  // After a file's properties are read: every window that is no other window's child places
  // its children, and they theirs, as each property would have placed them.
  static void LayOutLoaded(const data::TOrlEngine& engine);
  // Every focusable child at the index of its TabOrder.
  void BuildTabList();
  void MoveFocus(bool forward);

  const std::vector<TOrlInterfaceObject*>& Children() const { return children; }
  // NOTE: may hold null entries where a file leaves gaps in the TabOrder values.
  std::vector<TOrlFocusedObject*>& TabList() { return tabList; }

 private:
  bool IsAncestor(const data::TOrlObject* object) const;

  std::vector<TOrlInterfaceObject*> children;  // not owned
  std::vector<TOrlFocusedObject*> tabList;     // not owned
};

struct TTabFormProps {
  int32_t TabGroup = 0;
};

class TOrlTabForm : public TOrlForm, public TTabFormProps {
 public:
  const data::TOrlClass& Class() const override { return StaticClass(); }
  static const data::TOrlClass& StaticClass();
  void Assign(const data::TOrlObject& source) override;
  // Showing a page hides the other pages of its group on the same parent form.
  void SetVisible(bool value) override;
};

}  // namespace ui
