// ui/form.cpp
#include "ui/form.hpp"

#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "ui/hint.hpp"
#include "ui/interface_engine.hpp"

namespace ui {
namespace {

// The objects lying on a circle of parents (A inside B inside A), found by walking up from every
// object once: each object is entered once, so even a chain of thousands costs linear time.
std::unordered_set<const data::TOrlObject*> ObjectsOnParentCircles(const data::TOrlEngine& engine) {
  enum : uint8_t { kOnWalk = 1, kDone = 2 };
  std::unordered_map<const data::TOrlObject*, uint8_t> seen;
  std::unordered_set<const data::TOrlObject*> onCircle;
  std::vector<const data::TOrlObject*> walk;
  for (const auto& start : engine.Objects()) {
    walk.clear();
    const data::TOrlObject* at = start.get();
    while (at && !seen.contains(at)) {
      seen[at] = kOnWalk;
      walk.push_back(at);
      at = at->Parent();
    }
    // Meeting an object of this same walk closes a circle; one finished earlier does not.
    if (at && seen[at] == kOnWalk)
      for (auto it = std::find(walk.begin(), walk.end(), at); it != walk.end(); ++it)
        onCircle.insert(*it);
    for (const data::TOrlObject* object : walk) seen[object] = kDone;
  }
  return onCircle;
}

}  // namespace

const data::TOrlClass& TOrlForm::StaticClass() {
  static const data::TOrlClass cls =
      data::TOrlClass::Make<TOrlForm>("TOrlForm", &TOrlInterfaceObject::StaticClass());
  return cls;
}

void TOrlForm::Assign(const data::TOrlObject& source) {
  TOrlInterfaceObject::Assign(source);
  const auto* form = dynamic_cast<const TOrlForm*>(&source);
  TOrlInterfaceEngine* engine = InterfaceEngine();
  if (!form || !engine || form == this) return;
  std::vector<TOrlInterfaceObject*> copies;
  for (TOrlInterfaceObject* child : std::vector<TOrlInterfaceObject*>(form->children)) {
    const int index =
        engine->CreateObject(Name() + child->Name(), Name(), child->Class().ClassName());
    auto* copy = index < 0 ? nullptr : dynamic_cast<TOrlInterfaceObject*>(engine->Object(index));
    if (!copy) continue;
    copy->Assign(*child);
    copy->ParentName = Name();
    copies.push_back(copy);
  }
  children = std::move(copies);
  engine->ResolveParents();
  BuildTabList();
}

void TOrlForm::SetName(const std::string& newName) {
  const std::string old = Name();
  TOrlInterfaceObject::SetName(newName);
  if (Name() == old) return;
  for (TOrlInterfaceObject* child : children) child->ParentName = Name();
}

void TOrlForm::UpdatePosition() {
  TOrlInterfaceObject::UpdatePosition();
  // While a file is read the children are placed once, after its last property
  // (LayOutLoaded): a chain of nested windows would otherwise be re-placed through its whole
  // depth at every property of every window.
  if (Reading()) return;
  for (TOrlInterfaceObject* child : children) {
    child->ApplyAlign();
    child->UpdatePosition();
  }
}

void TOrlForm::KeyDown(uint16_t key, TShiftState shift) {
  if (key == kKeyTab) {
    MoveFocus((shift & ssShift) == 0);
    return;
  }
  for (TOrlInterfaceObject* child : children) {
    auto* focused = dynamic_cast<TOrlFocusedObject*>(child);
    if (focused && focused->Focused) {
      focused->KeyDown(key, shift);
      return;
    }
  }
}

void TOrlForm::KeyPress(char16_t key) {
  for (size_t i = 0; i < children.size(); ++i) children[i]->KeyPress(key);
}

void TOrlForm::KeyUp(uint16_t key, TShiftState shift) {
  for (size_t i = 0; i < children.size(); ++i) children[i]->KeyUp(key, shift);
}

// Every visible child sees the event; none stops the others, each tests the point itself.
void TOrlForm::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (!Contains(x, y)) return;
  for (size_t i = 0; i < children.size(); ++i)
    if (children[i]->Visible()) children[i]->MouseDown(button, shift, x, y);
}

void TOrlForm::MouseMove(TShiftState shift, int x, int y) {
  if (!Contains(x, y)) return;
  for (size_t i = 0; i < children.size(); ++i)
    if (children[i]->Visible()) children[i]->MouseMove(shift, x, y);
}

void TOrlForm::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (!Contains(x, y)) return;
  for (size_t i = 0; i < children.size(); ++i)
    if (children[i]->Visible()) children[i]->MouseUp(button, shift, x, y);
}

void TOrlForm::MouseWheel(TShiftState shift, int wheelDelta, int x, int y, bool& handled) {
  if (!Contains(x, y)) return;
  for (size_t i = 0; i < children.size(); ++i)
    if (children[i]->Visible()) children[i]->MouseWheel(shift, wheelDelta, x, y, handled);
}

void TOrlForm::Paint() {
  TOrlInterfaceObject::Paint();
  for (TOrlInterfaceObject* child : children)
    if (child->Visible()) child->Paint();
}

void TOrlForm::PaintWithoutHints() {
  TOrlInterfaceObject::Paint();
  for (TOrlInterfaceObject* child : children)
    if (child->Visible() && !dynamic_cast<TOrlHint*>(child)) child->Paint();
}

void TOrlForm::PaintHints() {
  for (TOrlInterfaceObject* child : children)
    if (child->Visible() && dynamic_cast<TOrlHint*>(child)) child->Paint();
}

void TOrlForm::ForgetObject(const data::TOrlObject* gone) {
  std::erase(children, gone);
  for (TOrlFocusedObject*& entry : tabList)
    if (entry == gone) entry = nullptr;
}

void TOrlForm::CollectChildren() {
  children.clear();
  const data::TOrlEngine* engine = Engine();
  if (!engine || Name().empty()) return;
  for (const auto& object : engine->Objects()) {
    auto* child = dynamic_cast<TOrlInterfaceObject*>(object.get());
    if (!child || child == this || child->ParentName != Name()) continue;
    if (dynamic_cast<TOrlForm*>(child) && IsAncestor(child)) continue;
    children.push_back(child);
  }
}

void TOrlForm::CollectChildrenOfAll(const data::TOrlEngine& engine) {
  std::unordered_map<std::string_view, std::vector<TOrlInterfaceObject*>> byParent;
  for (const auto& object : engine.Objects())
    if (auto* child = dynamic_cast<TOrlInterfaceObject*>(object.get());
        child && !child->ParentName.empty())
      byParent[child->ParentName].push_back(child);
  const std::unordered_set<const data::TOrlObject*> onCircle = ObjectsOnParentCircles(engine);
  for (const auto& object : engine.Objects()) {
    auto* form = dynamic_cast<TOrlForm*>(object.get());
    if (!form) continue;
    if (form->Engine() != &engine) {  // a form that looks its children up elsewhere
      form->CollectChildren();
      continue;
    }
    form->children.clear();
    if (form->Name().empty()) continue;
    const auto found = byParent.find(form->Name());
    if (found == byParent.end()) continue;
    for (TOrlInterfaceObject* child : found->second) {
      if (child == form) continue;
      // A child form whose parent is this form is also above it exactly when both lie on one
      // circle of parents.
      if (dynamic_cast<TOrlForm*>(child) &&
          (child->Parent() == form ? onCircle.contains(child) : form->IsAncestor(child)))
        continue;
      form->children.push_back(child);
    }
  }
}

void TOrlForm::LayOutLoaded(const data::TOrlEngine& engine) {
  std::unordered_set<const TOrlInterfaceObject*> contained;
  for (const auto& object : engine.Objects())
    if (const auto* form = dynamic_cast<const TOrlForm*>(object.get()))
      contained.insert(form->children.begin(), form->children.end());
  for (const auto& object : engine.Objects())
    if (auto* form = dynamic_cast<TOrlForm*>(object.get()); form && !contained.contains(form))
      form->UpdatePosition();
}

// Forms naming each other as parents would pass every event, position and paint round the
// circle forever; a form above this one is never also its child.
bool TOrlForm::IsAncestor(const data::TOrlObject* object) const {
  const data::TOrlEngine* engine = Engine();
  const int limit = engine ? engine->Count() : 0;
  int steps = 0;
  for (const data::TOrlObject* up = Parent(); up && steps <= limit; up = up->Parent(), ++steps)
    if (up == object) return true;
  return false;
}

void TOrlForm::BuildTabList() {
  tabList.clear();
  std::vector<TOrlFocusedObject*> focusable;
  for (TOrlInterfaceObject* child : children)
    if (auto* focused = dynamic_cast<TOrlFocusedObject*>(child)) focusable.push_back(focused);
  auto place = [this](TOrlFocusedObject* focused, size_t index) {
    // Two children claiming one TabOrder both stay reachable: the later takes the next free slot.
    while (index < tabList.size() && tabList[index]) ++index;
    if (index >= tabList.size()) tabList.resize(index + 1, nullptr);
    tabList[index] = focused;
  };
  const auto inRange = [&](const TOrlFocusedObject* f) {
    return f->TabOrder >= 0 && static_cast<size_t>(f->TabOrder) < focusable.size();
  };
  for (TOrlFocusedObject* focused : focusable)
    if (inRange(focused)) place(focused, static_cast<size_t>(focused->TabOrder));
  // A TabOrder outside 0..n-1 (a skin's stray 2000000000 or -5) goes after the others rather
  // than asking for a list of that size.
  for (TOrlFocusedObject* focused : focusable)
    if (!inRange(focused)) place(focused, tabList.size());
}

void TOrlForm::MoveFocus(bool forward) {
  const int n = static_cast<int>(tabList.size());
  if (n == 0) return;
  int current = 0;
  for (int i = 0; i < n; ++i) {
    if (tabList[static_cast<size_t>(i)] && tabList[static_cast<size_t>(i)]->Focused) {
      current = i;
      break;
    }
  }
  int next = current;
  for (int tries = 0; tries < n; ++tries) {  // gaps in the tab order are stepped over
    next = forward ? (next + 1) % n : (next + n - 1) % n;
    if (tabList[static_cast<size_t>(next)]) break;
  }
  if (next == current || !tabList[static_cast<size_t>(next)]) return;
  tabList[static_cast<size_t>(next)]->SetFocused(true);
  if (TOrlFocusedObject* old = tabList[static_cast<size_t>(current)]) old->SetFocused(false);
}

const data::TOrlClass& TOrlTabForm::StaticClass() {
  static const data::TOrlClass cls = data::TOrlClass::Make<TOrlTabForm>(
      "TOrlTabForm", &TOrlForm::StaticClass(),
      [](data::TPropBuilder<TOrlTabForm>& p) { p.Int("TabGroup", &TOrlTabForm::TabGroup); });
  return cls;
}

void TOrlTabForm::Assign(const data::TOrlObject& source) {
  TOrlForm::Assign(source);
  if (auto* s = dynamic_cast<const TOrlTabForm*>(&source)) static_cast<TTabFormProps&>(*this) = *s;
}

void TOrlTabForm::SetVisible(bool value) {
  if (value) {
    if (TOrlForm* parent = ParentForm()) {
      for (TOrlInterfaceObject* sibling : parent->Children()) {
        auto* page = dynamic_cast<TOrlTabForm*>(sibling);
        if (page && page->TabGroup == TabGroup) page->SetVisible(false);
      }
    }
  }
  FVisible = value;
}

}  // namespace ui
