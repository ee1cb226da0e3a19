// graphics/attr_text.hpp — reading the name="value" lines of AutoImage texts and job lists.
// Their numbers are read with data::StrictInt32: the texts are written by programs.
#pragma once

#include <string>
#include <string_view>

namespace graphics {

// The text after the first `name="` anywhere in the line, up to the next double quote; empty
// when either is missing. NOTE: a plain substring search, so "name" also matches the end of
// "filename".
std::string AttrValue(std::string_view line, std::string_view name);

// The n-th word (from 1) of a text whose words are separated by runs of blanks and tabs;
// "%&" when there are fewer than n words.
std::string Token(std::string_view text, int n);

}  // namespace graphics
