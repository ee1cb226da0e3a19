// fx/xml_attributes.hpp — attribute reading shared by the effect, morph and particle loaders.
#pragma once

#include <string>
#include <string_view>

#include "data/xml_parser.hpp"

namespace fx {

// The attribute's raw value, or null when the tag has none of that name.
const std::string* Attribute(const data::TOrlXMLTag& tag, std::string_view name);
// The same; raises "<TAG> tag has no \"NAME\" attribute" when it is absent.
const std::string& Required(const data::TOrlXMLTag& tag, std::string_view name,
                            const char* tagName);
// A "Dim" value: 1 to 3 components; anything else raises naming the tag and the text.
int ReadDim(const std::string& text, const char* tagName);

}  // namespace fx
