// fx/orl_object.cpp
#include "fx/orl_object.hpp"

#include "data/text_helpers.hpp"
#include "fx/error_log.hpp"
#include "fx/text_utils.hpp"

namespace fx {

TOrlObject::TOrlObject(const char* className) {
  const std::string_view cls(className);
  name = CutName(std::string(cls.substr(cls.empty() ? 0 : 1)) + "_Default");
}

void TOrlObject::SetName(std::string_view newName) {
  name = CutName(newName);
  if (owner) owner->namesIndexed = false;
}

std::unique_ptr<TOrlObject> TOrlObject::NewInstance() const {
  return std::make_unique<TOrlObject>();
}

bool TOrlObject::Assign(const TOrlObject* source) {
  if (!source) return false;
  name = source->name;
  if (owner) owner->namesIndexed = false;
  return true;
}

std::unique_ptr<TOrlObject> TOrlStaticCollection::NewInstance() const {
  return std::make_unique<TOrlStaticCollection>();
}

TOrlObject* TOrlStaticCollection::Item(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return items[static_cast<size_t>(index)].get();
}

namespace {

// Names are keyed as data::SameText compares them.
std::string Folded(std::string_view name) {
  return data::AsciiLower(name);
}

}  // namespace

void TOrlStaticCollection::Adopt(TOrlObject* item) {
  if (!item) return;
  item->owner = this;
  // An earlier item of the same name keeps its place: emplace never replaces.
  if (namesIndexed) nameIndex.emplace(Folded(item->Name()), Count() - 1);
}

int TOrlStaticCollection::Add(std::unique_ptr<TOrlObject> item) {
  items.push_back(std::move(item));
  Adopt(items.back().get());
  return Count() - 1;
}

void TOrlStaticCollection::Clear() {
  items.clear();
  nameIndex.clear();
  namesIndexed = false;
}

void TOrlStaticCollection::IndexNames() const {
  nameIndex.clear();
  for (int i = 0; i < Count(); ++i)
    if (const TOrlObject* item = items[static_cast<size_t>(i)].get())
      nameIndex.emplace(Folded(item->Name()), i);
  namesIndexed = true;
}

int TOrlStaticCollection::IndexOf(std::string_view itemName) const {
  if (!namesIndexed) IndexNames();
  const auto it = nameIndex.find(Folded(itemName));
  return it == nameIndex.end() ? -1 : it->second;
}

bool TOrlStaticCollection::Assign(const TOrlObject* source) {
  const auto* other = dynamic_cast<const TOrlStaticCollection*>(source);
  if (!other || other == this || !TOrlObject::Assign(source)) return other == this;
  Clear();
  for (const auto& item : other->items) {
    if (!item) {
      items.push_back(nullptr);
      continue;
    }
    std::unique_ptr<TOrlObject> copy = item->NewInstance();
    if (!copy->Assign(item.get())) {
      Clear();
      return false;
    }
    items.push_back(std::move(copy));
    Adopt(items.back().get());
  }
  return true;
}

bool TOrlStaticCollection::Init() {
  for (const auto& item : items) {
    if (!item || item->Init()) continue;
    if (!errorLog) return false;
    errorLog->Report(
        kErrorFailCode,
        "\"" + std::string(item->ClassName()) + "." + item->Name() + "\" initialization failed",
        true, true);
    return false;
  }
  return true;
}

}  // namespace fx
