// data/orl_object.cpp
#include "data/orl_object.hpp"

#include <algorithm>

#include "data/error.hpp"

namespace data {

const TOrlClass& TOrlObject::StaticClass() {
  static const TOrlClass cls =
      TOrlClass::Make<TOrlObject>("TOrlObject", nullptr, [](TPropBuilder<TOrlObject>& p) {
        p.Text("ParentName", &TOrlObject::ParentName)
            .Text("Name", &TOrlObject::name, &TOrlObject::SetName)
            .Int("Tag", &TOrlObject::Tag);
      });
  return cls;
}

void TOrlObject::Assign(const TOrlObject& source) {
  Tag = source.Tag;
  engine = source.engine;
}

void TOrlObject::SetName(const std::string& newName) {
  if (newName == name) return;
  // A taken name is refused without an error reaching the caller: interface files with a
  // duplicate name still load, the second object simply stays nameless.
  if (engine && engine->FindObject(newName)) return;
  const std::string oldName = std::move(name);
  name = newName;
  if (owner) owner->Renamed(*this, oldName);
}

void TOrlObject::ResolveParent() {
  parent = engine ? engine->FindObject(ParentName) : nullptr;
}

TOrlEngine::~TOrlEngine() {
  Clear();
}

int TOrlEngine::Add(std::unique_ptr<TOrlObject> object) {
  TOrlObject& added = *object;
  added.owner = this;
  added.ownerIndex = objects.size();
  added.ownerOrder = nextOrder++;
  objects.push_back(std::move(object));
  byName.insert({added.name, added.ownerOrder, &added});
  return Count() - 1;
}

void TOrlEngine::Renamed(TOrlObject& object, const std::string& oldName) {
  byName.erase(TNameEntry{oldName, object.ownerOrder, nullptr});
  byName.insert({object.name, object.ownerOrder, &object});
}

int TOrlEngine::CreateObject(const std::string& name, const std::string& parentName,
                             std::string_view className) {
  const TOrlClass* cls = TOrlClassReg::Global().FindClass(className);
  if (!cls) return -1;
  const int index = Add(cls->Create());
  TOrlObject& object = *objects.back();
  object.SetEngine(this);
  object.ParentName = parentName;
  object.SetName(name);
  return index;
}

int TOrlEngine::IndexOfObject(std::string_view name) const {
  const auto it = byName.lower_bound(name);
  if (it == byName.end() || it->Name != name) return -1;
  return static_cast<int>(it->Object->ownerIndex);
}

TOrlObject* TOrlEngine::FindObject(std::string_view name) const {
  const int i = IndexOfObject(name);
  return i < 0 ? nullptr : objects[static_cast<size_t>(i)].get();
}

void TOrlEngine::DeleteObject(int index) {
  if (index < 0 || index >= Count()) return;
  // Children resolved to this object would keep a dangling pointer; they lose their parent
  // until the next ResolveParents instead.
  const TOrlObject* doomed = objects[static_cast<size_t>(index)].get();
  for (auto& object : objects)
    if (object->Parent() == doomed) object->ForgetParent();
  byName.erase(TNameEntry{doomed->name, doomed->ownerOrder, nullptr});
  objects.erase(objects.begin() + index);
  for (size_t i = static_cast<size_t>(index); i < objects.size(); ++i) objects[i]->ownerIndex = i;
}

void TOrlEngine::DeleteByName(std::string_view name) {
  DeleteObject(IndexOfObject(name));
}

void TOrlEngine::ResolveParents() {
  for (auto& object : objects) object->ResolveParent();
}

void TOrlEngine::Clear() {
  // Objects are freed last-first so a destructor may still look up objects created before it.
  while (!objects.empty()) {
    std::unique_ptr<TOrlObject> doomed = std::move(objects.back());
    objects.pop_back();
    byName.erase(TNameEntry{doomed->name, doomed->ownerOrder, nullptr});
    doomed.reset();
  }
}

bool TOrlEngine::SetObjectProperty(std::string_view objectName, std::string_view propName,
                                   std::string_view value) {
  TOrlObject* object = FindObject(objectName);
  if (!object) return false;
  SetPropertyText(*object, propName, value);
  return true;
}

std::optional<std::string> TOrlEngine::GetObjectProperty(std::string_view objectName,
                                                         std::string_view propName) const {
  const TOrlObject* object = FindObject(objectName);
  if (!object) return std::nullopt;
  return GetPropertyText(*object, propName);
}

namespace {

const TPropInfo& PropertyOf(const TOrlObject& object, std::string_view propName) {
  const TPropInfo* prop = object.Class().FindProperty(propName);
  if (!prop)
    throw Error("Unknown property \"" + std::string(propName) + "\" of class " +
                object.Class().ClassName());
  return *prop;
}

}  // namespace

void SetPropertyText(TOrlObject& object, std::string_view propName, std::string_view value) {
  const TPropInfo& prop = PropertyOf(object, propName);
  if (!prop.Set) throw Error("Property \"" + prop.Name + "\" is read-only");
  prop.Set(object, PropValueFromText(prop, value));
}

std::string GetPropertyText(const TOrlObject& object, std::string_view propName) {
  const TPropInfo& prop = PropertyOf(object, propName);
  if (!prop.Get) return {};  // write-only properties (commands such as AddCells) read as empty
  return PropValueToText(prop, prop.Get(object));
}

TOrlClassReg::TOrlClassReg() {
  RegisterClass(TOrlObject::StaticClass());
}

TOrlClassReg& TOrlClassReg::Global() {
  static TOrlClassReg reg;
  return reg;
}

void TOrlClassReg::RegisterClass(const TOrlClass& cls) {
  if (std::find(classes.begin(), classes.end(), &cls) == classes.end()) classes.push_back(&cls);
}

const TOrlClass* TOrlClassReg::FindClass(std::string_view className) const {
  for (const TOrlClass* cls : classes)
    if (cls->ClassName() == className) return cls;
  return nullptr;
}

}  // namespace data
