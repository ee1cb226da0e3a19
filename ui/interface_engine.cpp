// ui/interface_engine.cpp — the shown-forms stack, input routing, drawing, hints and removal.
#include "ui/interface_engine.hpp"

#include <algorithm>

#include "ui/form.hpp"
#include "ui/hint.hpp"
#include "ui/interface_classes.hpp"
#include "ui/orl_font.hpp"

namespace ui {

TOrlInterfaceEngine::TOrlInterfaceEngine() {
  RegisterInterfaceClasses();
}

TOrlInterfaceEngine::~TOrlInterfaceEngine() {
  // Objects go first, while the graphic, fonts and queue they may reach still exist.
  shownForms.clear();
  sender = nullptr;
  Clear();
}

int TOrlInterfaceEngine::ShownIndex(std::string_view name) const {
  for (size_t i = 0; i < shownForms.size(); ++i)
    if (shownForms[i]->Name() == name) return static_cast<int>(i);
  return -1;
}

void TOrlInterfaceEngine::Pop() {
  TOrlForm* form = shownForms.back();
  shownForms.pop_back();
  form->SetVisible(false);
}

void TOrlInterfaceEngine::ShowModal(std::string_view name) {
  if (ShownIndex(name) >= 0) return;  // already shown: it does not move to the top
  auto* form = dynamic_cast<TOrlForm*>(FindObject(name));
  if (!form) return;
  form->SetVisible(true);
  shownForms.push_back(form);
}

void TOrlInterfaceEngine::HideModal(std::string_view name) {
  // A form that is not shown leaves the stack alone rather than emptying it.
  if (ShownIndex(name) < 0) return;
  while (shownForms.back()->Name() != name) Pop();
  Pop();
}

void TOrlInterfaceEngine::HideTop() {
  if (!shownForms.empty()) Pop();
}

void TOrlInterfaceEngine::ChangeModal(std::string_view hideName, std::string_view showName) {
  if (ShownIndex(hideName) < 0) return;
  const size_t height = shownForms.size();
  while (shownForms.back()->Name() != hideName) HideTop();
  HideTop();
  if (shownForms.size() < height) ShowModal(showName);
}

void TOrlInterfaceEngine::ChangeTop(std::string_view showName) {
  if (shownForms.empty()) return;
  const std::string top = shownForms.back()->Name();
  ChangeModal(top, showName);
}

void TOrlInterfaceEngine::HideModalList() {
  while (!shownForms.empty()) Pop();
}

TOrlForm* TOrlInterfaceEngine::TopForm() const {
  return shownForms.empty() ? nullptr : shownForms.back();
}

void TOrlInterfaceEngine::DrawAll() {
  for (TOrlForm* form : shownForms)
    if (form->Visible()) form->Paint();
}

void TOrlInterfaceEngine::DrawForms() {
  for (TOrlForm* form : shownForms)
    if (form->Visible()) form->PaintWithoutHints();
}

void TOrlInterfaceEngine::DrawTopHints() {
  TOrlForm* top = TopForm();
  if (top && top->Visible()) top->PaintHints();
}

// Only the top form hears the input: every shown form is modal.
void TOrlInterfaceEngine::KeyDown(uint16_t key, TShiftState shift) {
  if (shownForms.empty()) return;
  shownForms.back()->KeyDown(key, shift);
  RunScripts();
}

void TOrlInterfaceEngine::KeyPress(char16_t key) {
  if (shownForms.empty()) return;
  shownForms.back()->KeyPress(key);
  RunScripts();
}

void TOrlInterfaceEngine::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (shownForms.empty()) return;
  shownForms.back()->MouseDown(button, shift, x, y);
  RunScripts();
}

void TOrlInterfaceEngine::MouseMove(TShiftState shift, int x, int y) {
  if (shownForms.empty()) return;
  shownForms.back()->MouseMove(shift, x, y);
  RunScripts();
}

void TOrlInterfaceEngine::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (shownForms.empty()) return;
  shownForms.back()->MouseUp(button, shift, x, y);
  RunScripts();
}

void TOrlInterfaceEngine::MouseWheel(TShiftState shift, int wheelDelta, int x, int y,
                                     bool& handled) {
  if (shownForms.empty()) return;
  shownForms.back()->MouseWheel(shift, wheelDelta, x, y, handled);
  RunScripts();
}

namespace {

// Pixels from a hint's top to the bottom of its last line; -1 when it has no text.
int HintTextHeight(const TOrlHint& hint) {
  if (hint.Words().empty() || !hint.Font()) return -1;
  return hint.Words().back().Y + hint.TextShiftTop + hint.Font()->Height;
}

}  // namespace

void TOrlInterfaceEngine::ShowHint(std::string_view name) {
  TOrlForm* top = TopForm();
  if (!top) return;
  for (TOrlInterfaceObject* child : top->Children()) {
    if (child->Name() != name) continue;
    auto* hint = dynamic_cast<TOrlHint*>(child);
    const int h = hint ? HintTextHeight(*hint) : -1;
    if (h < 0) return;
    hint->SetVisible(true);
    hint->StartTime = TickCount();
    hint->SetHeight(h);
    return;
  }
}

void TOrlInterfaceEngine::ShowHintAt(std::string_view name, int x, int y) {
  auto* hint = dynamic_cast<TOrlHint*>(FindObject(name));
  const int h = hint ? HintTextHeight(*hint) : -1;
  if (h < 0) return;  // a hint without text has no height to place by
  hint->SetVisible(true);
  hint->StartTime = TickCount();
  hint->FitHeight(h);
  // Above the pointer when there is room above, to its left when there is room on the left.
  const int w = hint->Width();
  if (x < w && h < y) {
    hint->PlaceAt(x, y - h);
  } else if (x < w && y < h) {
    hint->PlaceAt(x, y);
  } else if (w < x && h < y) {
    hint->PlaceAt(x - w, y - h);
  } else if (w < x && y < h) {
    hint->PlaceAt(x - w, y);
  }
}

void TOrlInterfaceEngine::DeleteByName(std::string_view name) {
  const int index = IndexOfObject(name);
  if (index < 0) return;
  const data::TOrlObject* gone = Object(index);
  for (const auto& object : Objects())
    if (auto* o = dynamic_cast<TOrlInterfaceObject*>(object.get())) o->ForgetObject(gone);
  std::erase(shownForms, gone);
  if (sender == gone) sender = nullptr;
  DeleteObject(index);
  ResolveParents();  // children of a removed form lose their parent instead of keeping a stale one
}

}  // namespace ui
