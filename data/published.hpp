// data/published.hpp — published-property tables: how named objects expose their properties as
// text to interface files, scripts and the game's code.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace data {

class TOrlObject;

enum class TPropKind : uint8_t { Text, WideText, Integer, Byte, Enumeration, Boolean };

// A property's value in its canonical form: ordinals (integers, bytes, enumerations, booleans)
// in Ordinal, 8-bit text in Text, 16-bit text in Wide.
struct TPropValue {
  int64_t Ordinal = 0;
  std::string Text;
  std::u16string Wide;
};

struct TPropInfo {
  std::string Name;
  TPropKind Kind = TPropKind::Text;
  int64_t Min = 0, Max = 0;                                 // accepted ordinal range
  std::vector<std::string> ValueNames;                      // enumerations and booleans, by ordinal
  std::function<TPropValue(const TOrlObject&)> Get;         // empty for write-only properties
  std::function<void(TOrlObject&, const TPropValue&)> Set;  // empty for read-only ones
};

// Collects a class's own properties in declaration order. Field pointers give direct access;
// an optional setter member (void C::*(T)) runs instead of the plain write, for properties whose
// change must update the object.
template <class C>
class TPropBuilder {
 public:
  explicit TPropBuilder(std::vector<TPropInfo>& props) : props(props) {}

  template <class S = std::nullptr_t>
  TPropBuilder& Text(std::string name, std::string C::*field, S setter = nullptr) {
    return Add(
        std::move(name), TPropKind::Text, 0, 0, {},
        [field](const C& o) {
          TPropValue v;
          v.Text = o.*field;
          return v;
        },
        Setter<std::string>(field, setter, [](const TPropValue& v) { return v.Text; }));
  }
  template <class S = std::nullptr_t>
  TPropBuilder& Wide(std::string name, std::u16string C::*field, S setter = nullptr) {
    return Add(
        std::move(name), TPropKind::WideText, 0, 0, {},
        [field](const C& o) {
          TPropValue v;
          v.Wide = o.*field;
          return v;
        },
        Setter<std::u16string>(field, setter, [](const TPropValue& v) { return v.Wide; }));
  }
  template <class S = std::nullptr_t>
  TPropBuilder& Int(std::string name, int32_t C::*field, int64_t min = INT32_MIN,
                    int64_t max = INT32_MAX, S setter = nullptr) {
    return Ordinal(std::move(name), TPropKind::Integer, field, min, max, {}, setter);
  }
  template <class S = std::nullptr_t>
  TPropBuilder& Byte(std::string name, uint8_t C::*field, S setter = nullptr) {
    return Ordinal(std::move(name), TPropKind::Byte, field, 0, 255, {}, setter);
  }
  template <class S = std::nullptr_t>
  TPropBuilder& Bool(std::string name, bool C::*field, S setter = nullptr) {
    return Ordinal(std::move(name), TPropKind::Boolean, field, 0, 1, {"False", "True"}, setter);
  }
  // names[i] is the value name of ordinal i.
  template <class E, class S = std::nullptr_t>
  TPropBuilder& Enum(std::string name, E C::*field, std::vector<std::string> names,
                     S setter = nullptr) {
    const int64_t max = static_cast<int64_t>(names.size()) - 1;
    return Ordinal(std::move(name), TPropKind::Enumeration, field, 0, max, std::move(names),
                   setter);
  }
  // A property with hand-written access; either function may be empty.
  TPropBuilder& Custom(std::string name, TPropKind kind, std::function<TPropValue(const C&)> get,
                       std::function<void(C&, const TPropValue&)> set, int64_t min = INT32_MIN,
                       int64_t max = INT32_MAX, std::vector<std::string> names = {}) {
    return Add(std::move(name), kind, min, max, std::move(names), std::move(get), std::move(set));
  }

 private:
  template <class T, class Conv, class S>
  static std::function<void(C&, const TPropValue&)> Setter(T C::*field, S setter, Conv conv) {
    if constexpr (std::is_same_v<S, std::nullptr_t>) {
      return [field, conv](C& o, const TPropValue& v) { o.*field = conv(v); };
    } else {
      return [setter, conv](C& o, const TPropValue& v) { (o.*setter)(conv(v)); };
    }
  }
  template <class T, class S>
  TPropBuilder& Ordinal(std::string name, TPropKind kind, T C::*field, int64_t min, int64_t max,
                        std::vector<std::string> names, S setter) {
    auto conv = [](const TPropValue& v) { return static_cast<T>(v.Ordinal); };
    return Add(
        std::move(name), kind, min, max, std::move(names),
        [field](const C& o) {
          TPropValue v;
          v.Ordinal = static_cast<int64_t>(o.*field);
          return v;
        },
        Setter<T>(field, setter, conv));
  }
  TPropBuilder& Add(std::string name, TPropKind kind, int64_t min, int64_t max,
                    std::vector<std::string> names, std::function<TPropValue(const C&)> get,
                    std::function<void(C&, const TPropValue&)> set) {
    TPropInfo info;
    info.Name = std::move(name);
    info.Kind = kind;
    info.Min = min;
    info.Max = max;
    info.ValueNames = std::move(names);
    if (get) info.Get = [get](const TOrlObject& o) { return get(static_cast<const C&>(o)); };
    if (set) info.Set = [set](TOrlObject& o, const TPropValue& v) { set(static_cast<C&>(o), v); };
    props.push_back(std::move(info));
    return *this;
  }

  std::vector<TPropInfo>& props;
};

// A registered class: its name, its ancestor, its virtual constructor and its own properties.
class TOrlClass {
 public:
  using Factory = std::function<std::unique_ptr<TOrlObject>()>;

  // declare(builder) lists the class's own properties in declaration order.
  template <class C, class Declare>
  static TOrlClass Make(std::string className, const TOrlClass* parent, Declare declare) {
    TOrlClass cls(std::move(className), parent, [] { return std::make_unique<C>(); });
    TPropBuilder<C> builder(cls.ownProps);
    declare(builder);
    return cls;
  }
  template <class C>
  static TOrlClass Make(std::string className, const TOrlClass* parent) {
    return Make<C>(std::move(className), parent, [](TPropBuilder<C>&) {});
  }

  const std::string& ClassName() const { return className; }
  const TOrlClass* Parent() const { return parent; }
  std::unique_ptr<TOrlObject> Create() const;  // the class's virtual constructor
  bool InheritsFrom(const TOrlClass& other) const;

  // Ancestors' properties first, then each class's own in declaration order.
  const std::vector<const TPropInfo*>& Properties() const;
  // Property names ignore case, as interface files and scripts write them freely.
  const TPropInfo* FindProperty(std::string_view name) const;

 private:
  TOrlClass(std::string className, const TOrlClass* parent, Factory factory)
      : className(std::move(className)), parent(parent), factory(std::move(factory)) {}

  std::string className;
  const TOrlClass* parent;
  Factory factory;
  std::vector<TPropInfo> ownProps;
  mutable std::vector<const TPropInfo*> allProps;  // built on first use
};

// Text conversions of property values. Integers are decimal, enumerations and booleans are read
// by value name ignoring case; bad text raises data::Error naming the property.
TPropValue PropValueFromText(const TPropInfo& prop, std::string_view text);
std::string PropValueToText(const TPropInfo& prop, const TPropValue& value);

}  // namespace data
