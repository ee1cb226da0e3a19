// data/published.cpp
#include "data/published.hpp"

#include <optional>

#include "data/error.hpp"
#include "data/number_text.hpp"
#include "data/orl_object.hpp"
#include "data/text_helpers.hpp"
#include "data/utf8.hpp"

namespace data {
namespace {

std::string Quoted(std::string_view s) {
  return "\"" + std::string(s) + "\"";
}

}  // namespace

std::unique_ptr<TOrlObject> TOrlClass::Create() const {
  return factory();
}

bool TOrlClass::InheritsFrom(const TOrlClass& other) const {
  for (const TOrlClass* c = this; c; c = c->parent)
    if (c == &other) return true;
  return false;
}

const std::vector<const TPropInfo*>& TOrlClass::Properties() const {
  if (allProps.empty()) {
    if (parent) allProps = parent->Properties();
    for (const TPropInfo& p : ownProps) allProps.push_back(&p);
  }
  return allProps;
}

const TPropInfo* TOrlClass::FindProperty(std::string_view name) const {
  for (const TPropInfo* p : Properties())
    if (SameText(p->Name, name)) return p;
  return nullptr;
}

TPropValue PropValueFromText(const TPropInfo& prop, std::string_view text) {
  TPropValue v;
  switch (prop.Kind) {
    case TPropKind::Text:
      v.Text = std::string(text);
      return v;
    case TPropKind::WideText:
      v.Wide = Utf8ToWide(text);
      // Text that is not UTF-8 is taken byte for byte (Latin-1) rather than lost.
      if (v.Wide.empty() && !text.empty()) {
        for (unsigned char c : text) v.Wide.push_back(c);
      }
      return v;
    case TPropKind::Integer:
    case TPropKind::Byte:
      if (const std::optional<int64_t> n = ParseLenientIntegerOrHex(text))
        v.Ordinal = *n;
      else
        throw Error(Quoted(text) + " is not a valid integer value for property " +
                    Quoted(prop.Name));
      if (v.Ordinal < prop.Min || v.Ordinal > prop.Max)
        throw Error(std::string(text) + " is out of range " + std::to_string(prop.Min) + ".." +
                    std::to_string(prop.Max) + " for property " + Quoted(prop.Name));
      return v;
    case TPropKind::Enumeration:
    case TPropKind::Boolean:
      for (size_t i = 0; i < prop.ValueNames.size(); ++i) {
        if (SameText(prop.ValueNames[i], Trim(text))) {
          v.Ordinal = static_cast<int64_t>(i);
          return v;
        }
      }
      throw Error(Quoted(text) + " is not a valid value for property " + Quoted(prop.Name));
  }
  return v;
}

std::string PropValueToText(const TPropInfo& prop, const TPropValue& value) {
  switch (prop.Kind) {
    case TPropKind::Text:
      return value.Text;
    case TPropKind::WideText:
      return WideToUtf8(value.Wide);
    case TPropKind::Integer:
    case TPropKind::Byte:
      return std::to_string(value.Ordinal);
    case TPropKind::Enumeration:
    case TPropKind::Boolean:
      if (value.Ordinal >= 0 && static_cast<size_t>(value.Ordinal) < prop.ValueNames.size())
        return prop.ValueNames[static_cast<size_t>(value.Ordinal)];
      return std::to_string(value.Ordinal);
  }
  return {};
}

}  // namespace data
