// data/orl_object.hpp — named objects, the engines that own them and the class registry: the
// object model of the interface toolkit and the font engine.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "data/published.hpp"

namespace data {

class TOrlEngine;

class TOrlObject {
 public:
  TOrlObject() = default;
  virtual ~TOrlObject() = default;
  TOrlObject(const TOrlObject&) = delete;
  TOrlObject& operator=(const TOrlObject&) = delete;

  // Every class overrides this with its own registered class (see TOrlClass::Make).
  virtual const TOrlClass& Class() const { return StaticClass(); }
  static const TOrlClass& StaticClass();

  // Copies Tag and Engine only; descendants copy their own fields.
  virtual void Assign(const TOrlObject& source);
  // Renames unless another object of the engine has the name; a refused rename is silent.
  virtual void SetName(const std::string& name);
  void ResolveParent();

  TOrlEngine* Engine() const { return engine; }
  void SetEngine(TOrlEngine* e) { engine = e; }
  const std::string& Name() const { return name; }
  TOrlObject* Parent() const { return parent; }  // set by ResolveParent; not owned
  void ForgetParent() { parent = nullptr; }      // the engine calls this when it is deleted

  std::string ParentName;
  int32_t Tag = 0;

 protected:
  std::string name;

 private:
  friend class TOrlEngine;
  TOrlEngine* engine = nullptr;
  TOrlObject* parent = nullptr;
  TOrlEngine* owner = nullptr;  // the engine whose list holds the object; told of renames
  size_t ownerIndex = 0;        // position in that list
  uint64_t ownerOrder = 0;      // rises with every Add, so it sorts like the list
};

// Owns its objects, in creation order; names are unique among them (empty names aside).
class TOrlEngine {
 public:
  TOrlEngine() = default;
  virtual ~TOrlEngine();
  TOrlEngine(const TOrlEngine&) = delete;
  TOrlEngine& operator=(const TOrlEngine&) = delete;

  int Add(std::unique_ptr<TOrlObject> object);  // appends without a name check
  // Creates an object of a registered class (exact class name); -1 and nothing created when
  // the class is unknown. A duplicate name leaves the new object with an empty name.
  int CreateObject(const std::string& name, const std::string& parentName,
                   std::string_view className);
  // The first object with the name, case-sensitive; -1 if none. Logarithmic: interface files
  // of thousands of objects find every parent by name.
  int IndexOfObject(std::string_view name) const;
  TOrlObject* FindObject(std::string_view name) const;
  void DeleteObject(int index);  // keeps order; an index out of range does nothing
  virtual void DeleteByName(std::string_view name);
  void ResolveParents();
  void Clear();

  // False when no object has the name. Unknown properties and unconvertible values raise
  // data::Error.
  bool SetObjectProperty(std::string_view objectName, std::string_view propName,
                         std::string_view value);
  // Null when no object has the name; raises data::Error for an unknown property.
  std::optional<std::string> GetObjectProperty(std::string_view objectName,
                                               std::string_view propName) const;

  int Count() const { return static_cast<int>(objects.size()); }
  TOrlObject* Object(int index) const { return objects[static_cast<size_t>(index)].get(); }
  const std::vector<std::unique_ptr<TOrlObject>>& Objects() const { return objects; }

 private:
  friend class TOrlObject;
  struct TNameEntry {
    std::string Name;
    uint64_t Order = 0;
    TOrlObject* Object = nullptr;
  };
  // By name, then by list order; also compares with a bare name (meaning its first entry).
  struct TNameLess {
    using is_transparent = void;
    bool operator()(const TNameEntry& a, const TNameEntry& b) const {
      const int c = a.Name.compare(b.Name);
      return c != 0 ? c < 0 : a.Order < b.Order;
    }
    bool operator()(const TNameEntry& a, std::string_view b) const { return a.Name < b; }
    bool operator()(std::string_view a, const TNameEntry& b) const { return a < b.Name; }
  };
  void Renamed(TOrlObject& object, const std::string& oldName);

  std::vector<std::unique_ptr<TOrlObject>> objects;
  std::set<TNameEntry, TNameLess> byName;  // every object of the list
  uint64_t nextOrder = 0;
};

// The game-wide list of classes that interface files may name. TOrlObject is registered from
// the start; the toolkit and the font engine register theirs during start-up.
class TOrlClassReg {
 public:
  static TOrlClassReg& Global();

  void RegisterClass(const TOrlClass& cls);  // registering a class twice keeps one entry
  const TOrlClass* FindClass(std::string_view className) const;  // case-sensitive
  const std::vector<const TOrlClass*>& Classes() const { return classes; }

 private:
  TOrlClassReg();
  std::vector<const TOrlClass*> classes;
};

// Property access on one object, by (case-insensitive) property name, as text.
void SetPropertyText(TOrlObject& object, std::string_view propName, std::string_view value);
std::string GetPropertyText(const TOrlObject& object, std::string_view propName);

}  // namespace data
