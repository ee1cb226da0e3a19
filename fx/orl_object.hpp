// fx/orl_object.hpp — the effects' base object (a name, cloning by class, Assign, Init) and the
// owning collection that function, morph, template and system libraries are built on. Separate
// from the interface toolkit's persistent objects: no engine, no persistence.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace fx {

class TErrorLog;
class TOrlStaticCollection;

class TOrlObject {
 public:
  // A new object is named after its class without the leading "T", plus "_Default".
  explicit TOrlObject(const char* className = "TOrlObject");
  virtual ~TOrlObject() = default;
  TOrlObject(const TOrlObject&) = delete;
  TOrlObject& operator=(const TOrlObject&) = delete;

  const std::string& Name() const { return name; }
  virtual void SetName(std::string_view newName);  // cut to 32 bytes
  virtual const char* ClassName() const { return "TOrlObject"; }
  // The virtual constructor: a default object of the same class.
  virtual std::unique_ptr<TOrlObject> NewInstance() const;
  // Copies the name; false when source is null or of another class (subclasses check).
  virtual bool Assign(const TOrlObject* source);
  // Called after loading; true when the object is ready to run.
  virtual bool Init() { return true; }

 private:
  friend class TOrlStaticCollection;
  std::string name;
  TOrlStaticCollection* owner = nullptr;  // the collection holding this object, told of renames
};

// An ordered array of owned objects; slots may be empty.
class TOrlStaticCollection : public TOrlObject {
 public:
  TOrlStaticCollection() : TOrlObject("TOrlStaticCollection") {}
  explicit TOrlStaticCollection(const char* className) : TOrlObject(className) {}

  const char* ClassName() const override { return "TOrlStaticCollection"; }
  std::unique_ptr<TOrlObject> NewInstance() const override;

  int Count() const { return static_cast<int>(items.size()); }
  TOrlObject* Item(int index) const;          // null when out of range or an empty slot
  int Add(std::unique_ptr<TOrlObject> item);  // returns the new index; null adds an empty slot
  // The first item with the name, ignoring case; −1 when absent. Logarithmic at worst: effect
  // files name hundreds of functions and morphs that refer to one another by name.
  int IndexOf(std::string_view itemName) const;
  void Clear();

  // Deep copy through each item's virtual constructor and Assign; on the first failure the
  // collection is left empty and the result is false.
  bool Assign(const TOrlObject* source) override;
  // Init of every item in order; the first failure is reported to the error log (when there is
  // one) and ends the walk.
  bool Init() override;
  // NOTE: the log must outlive the collection; null (the default) drops the reports. Copying a
  // collection's items keeps its own log.
  void SetErrorLog(TErrorLog* log) { errorLog = log; }

 private:
  friend class TOrlObject;
  void Adopt(TOrlObject* item);
  void IndexNames() const;

  std::vector<std::unique_ptr<TOrlObject>> items;
  TErrorLog* errorLog = nullptr;
  // Lower-case name → index of its first item; rebuilt on the first look-up after a rename.
  mutable std::unordered_map<std::string, int> nameIndex;
  mutable bool namesIndexed = false;
};

// A collection whose items are all of one class, with typed access.
template <class T>
class TOrlTypedCollection : public TOrlStaticCollection {
 public:
  explicit TOrlTypedCollection(const char* className) : TOrlStaticCollection(className) {}
  T* Get(int index) const { return dynamic_cast<T*>(Item(index)); }
  T* Find(std::string_view itemName) const { return Get(IndexOf(itemName)); }
};

}  // namespace fx
