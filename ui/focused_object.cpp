// ui/focused_object.cpp
#include "ui/focused_object.hpp"

#include <algorithm>

#include "ui/form.hpp"

namespace ui {

const data::TOrlClass& TOrlFocusedObject::StaticClass() {
  using T = TOrlFocusedObject;
  static const data::TOrlClass cls = data::TOrlClass::Make<T>(
      "TOrlFocusedObject", &TOrlInterfaceObject::StaticClass(), [](data::TPropBuilder<T>& p) {
        p.Bool("Focused", &T::Focused, &T::SetFocused)
            .Int("TabOrder", &T::TabOrder, INT32_MIN, INT32_MAX, &T::SetTabOrder);
      });
  return cls;
}

void TOrlFocusedObject::Assign(const data::TOrlObject& source) {
  TOrlInterfaceObject::Assign(source);
  if (auto* s = dynamic_cast<const TOrlFocusedObject*>(&source))
    static_cast<TFocusedObjectProps&>(*this) = *s;
}

void TOrlFocusedObject::SetTabOrder(int32_t value) {
  TOrlForm* form = ParentForm();
  if (Reading() || !form) {
    TabOrder = value;
    return;
  }
  std::vector<TOrlFocusedObject*>& list = form->TabList();
  const auto it = std::find(list.begin(), list.end(), this);
  if (it == list.end()) {
    TabOrder = value;
    return;
  }
  const int32_t last = static_cast<int32_t>(list.size()) - 1;
  value = std::clamp(value, 0, last);
  if (value == TabOrder) return;
  list.erase(it);
  list.insert(list.begin() + value, this);
  for (size_t i = 0; i < list.size(); ++i)
    if (list[i]) list[i]->TabOrder = static_cast<int32_t>(i);
}

void TOrlFocusedObject::MouseDown(TMouseButton, TShiftState, int x, int y) {
  if (!Contains(x, y)) return;
  hit = true;
  if (TOrlForm* form = ParentForm()) {
    std::vector<TOrlFocusedObject*>& list = form->TabList();
    if (list.size() != 1) {
      for (TOrlFocusedObject* entry : list) {
        if (entry && entry->Focused) {
          entry->Focused = false;
          break;
        }
      }
    }
  }
  Focused = true;
}

}  // namespace ui
