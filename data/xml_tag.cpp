// data/xml_tag.cpp — TOrlXMLTag: one element of a document tree (declared in xml_parser.hpp).
#include <cassert>
#include <utility>

#include "data/text_helpers.hpp"
#include "data/xml_parser.hpp"

namespace data {
namespace {

constexpr std::string_view kTagErrorPrefix = "[TOrlXMLTag.AddTagByString] ";

std::string AttributeError(std::string_view what, std::string_view tagName,
                           std::string_view attributeName) {
  std::string message(kTagErrorPrefix);
  message.append(what);
  message.append(" Tag name: \"").append(tagName);
  message.append("\", Attribute name: \"").append(attributeName).append("\".");
  return message;
}

}  // namespace

TOrlXMLTag::TOrlXMLTag(std::string name, TOrlXMLTag* parent, std::string text)
    : Name(std::move(name)), Text(std::move(text)), Parent(parent) {}

TOrlXMLTag::~TOrlXMLTag() {
  // Children are detached before they die, so each destructor below sees an empty list and the
  // stack depth stays constant however deep the document nests.
  std::vector<std::unique_ptr<TOrlXMLTag>> pending = std::move(Tags);
  while (!pending.empty()) {
    std::unique_ptr<TOrlXMLTag> tag = std::move(pending.back());
    pending.pop_back();
    for (auto& child : tag->Tags) pending.push_back(std::move(child));
    tag->Tags.clear();
  }
}

void TOrlXMLTag::AddAttribute(std::string name, std::string value) {
  Attributes.emplace_back(std::move(name), std::move(value));
}

TOrlXMLTag& TOrlXMLTag::AddTag(std::string name, std::string text) {
  Tags.push_back(std::make_unique<TOrlXMLTag>(std::move(name), this, std::move(text)));
  return *Tags.back();
}

TOrlXMLTag& TOrlXMLTag::AddTagByString(std::string_view s) {
  return AddTagByString(s, nullptr);
}

TOrlXMLTag& TOrlXMLTag::AddTagByString(std::string_view s, std::string* error) {
  TOrlXMLTag& child = AddTag({});
  const size_t blank = s.find(' ');
  if (blank == std::string_view::npos) {
    child.Name = std::string(s);
    return child;
  }
  child.Name = std::string(s.substr(0, blank));
  // A malformed attribute ends attribute parsing of this tag only: the tag keeps what was read
  // before the fault and the load goes on. Files written by hand depend on that tolerance.
  auto report = [error](std::string message) {
    if (error) *error = std::move(message);
  };
  size_t k = blank;
  while (k < s.size()) {
    const size_t eq = s.find('=', k);
    if (eq == std::string_view::npos) {
      report(std::string(kTagErrorPrefix) +
             "Expected Attribute name but found nothing! Tag name: \"" + child.Name + "\".");
      return child;
    }
    std::string name(Trim(s.substr(k, eq - k)));
    const size_t open = s.find('"', eq);
    if (open == std::string_view::npos) {
      report(AttributeError("Expected open \" in Attribute value but found nothing!", child.Name,
                            name));
      return child;
    }
    const size_t close = s.find('"', open + 1);
    if (close == std::string_view::npos) {
      report(AttributeError("Expected closed \" in Attribute value but found nothing!", child.Name,
                            name));
      return child;
    }
    child.AddAttribute(std::move(name), std::string(s.substr(open + 1, close - open - 1)));
    k = close + 1;
  }
  return child;
}

void TOrlXMLTag::Assign(const TOrlXMLTag* source) {
  if (!source || source == this) return;
  // The copy is built detached first, since the source may be one of this tag's descendants,
  // and with an explicit work list rather than recursion.
  TOrlXMLTag copy;
  std::vector<std::pair<const TOrlXMLTag*, TOrlXMLTag*>> work{{source, &copy}};
  while (!work.empty()) {
    const auto [from, to] = work.back();
    work.pop_back();
    to->Name = from->Name;
    to->Text = from->Text;
    to->Attributes = from->Attributes;
    to->Tags.reserve(from->Tags.size());
    for (const auto& child : from->Tags) {
      to->Tags.push_back(std::make_unique<TOrlXMLTag>(std::string{}, to));
      work.emplace_back(child.get(), to->Tags.back().get());
    }
  }
  Name = std::move(copy.Name);
  Text = std::move(copy.Text);
  Attributes = std::move(copy.Attributes);
  Tags = std::move(copy.Tags);
  for (auto& child : Tags) child->Parent = this;
}

TOrlXMLTag* TOrlXMLTag::GetTag(int index) const {
  if (index < 0 || index >= TagCount()) return nullptr;
  return Tags[static_cast<size_t>(index)].get();
}

const TOrlParserAttribute* TOrlXMLTag::GetAttribute(int index) const {
  if (index < 0 || index >= AttributeCount()) return nullptr;
  return &Attributes[static_cast<size_t>(index)];
}

TOrlXMLTag* TOrlXMLTag::TagByName(std::string_view name) const {
  for (const auto& tag : Tags)
    if (tag->Name == name) return tag.get();
  return nullptr;
}

const TOrlParserAttribute* TOrlXMLTag::AttributeByName(std::string_view name) const {
  for (const auto& a : Attributes)
    if (a.Name == name) return &a;
  return nullptr;
}

TOrlXMLTag& TOrlXMLTag::LastTag() const {
  assert(!Tags.empty() && "LastTag on a tag without children");
  return *Tags.back();
}

}  // namespace data
