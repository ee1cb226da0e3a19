// data/text_helpers.hpp — byte-text helpers shared by the XML reader, the interface and effects.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace data {

// NOTE: positions are 1-based, 0 means "not found", as in the loaders that use them.
// First occurrence of sub in text at or after start; 0 if none, if either is empty, or if fewer
// bytes than sub's length remain from start.
int PosFrom(std::string_view sub, std::string_view text, int start);

// The bytes between the first `open` at or after start and the first `close` after it; empty if
// either is missing. The search for `close` starts just after the first byte of `open`.
std::string TextBetween(std::string_view text, std::string_view open, std::string_view close,
                        int start);

// CR LF pairs become one blank, then tabs become blanks; lone CR or LF stay.
std::string FlattenLineBreaks(std::string_view text);

// The five XML entities, decoded in one left-to-right pass; unknown "&" sequences stay.
std::string DecodeEntities(std::string_view text);
std::string EncodeEntities(std::string_view text);

// Equal ignoring the case of ASCII letters, as names of objects, properties, values, effect
// parts and archive entries are matched everywhere; other bytes compare exactly (no locale).
bool SameText(std::string_view a, std::string_view b);
// The text with ASCII letters in lower case; other bytes unchanged.
std::string AsciiLower(std::string_view text);
// True when text ends with suffix, ignoring the case of ASCII letters.
bool EndsWithText(std::string_view text, std::string_view suffix);

// Removes every byte with code 32 or below from both ends.
std::string_view Trim(std::string_view text);

// The lines of a text file: CR LF, lone CR and lone LF each end a line; a final line break does
// not start another (empty) line. The views point into text.
std::vector<std::string_view> SplitLines(std::string_view text);

}  // namespace data
