// fx/xml_attributes.cpp
#include "fx/xml_attributes.hpp"

#include "data/error.hpp"
#include "data/number_text.hpp"
#include "fx/text_utils.hpp"

namespace fx {

const std::string* Attribute(const data::TOrlXMLTag& tag, std::string_view name) {
  const data::TOrlParserAttribute* a = tag.AttributeByName(name);
  return a ? &a->Value : nullptr;
}

const std::string& Required(const data::TOrlXMLTag& tag, std::string_view name,
                            const char* tagName) {
  const std::string* value = Attribute(tag, name);
  if (!value)
    throw data::Error("<" + std::string(tagName) + "> tag has no \"" + std::string(name) +
                      "\" attribute");
  return *value;
}

int ReadDim(const std::string& text, const char* tagName) {
  const int dim = data::LenientInt32(text);
  if (dim < 1 || dim > 3)
    throw data::Error("<" + std::string(tagName) + "> tag \"Dim\" attribute has invalid value \"" +
                      text + "\"");
  return dim;
}

}  // namespace fx
