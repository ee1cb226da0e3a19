// rules/xml_reading.hpp — reading the catalogue and level files: documents from an archive,
// attributes, numbers and word lists as the game's files write them.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "data/xml_parser.hpp"
#include "rules/services.hpp"

namespace rules {

// Raises "Cannot load file (wrong file name)" for a missing entry.
data::TMemoryStream& EntryStream(TRulesServices& services, TArchiveKind archive,
                                 const std::string& entryName);

// The parsed entry; raises entryName + "XML file does not has tags!" for a document without
// any element. The level is the parser's first tag.
std::unique_ptr<data::TOrlParser> ReadXmlEntry(TRulesServices& services, TArchiveKind archive,
                                               const std::string& entryName);

// The attribute's raw value, or null.
const std::string* Attr(const data::TOrlXMLTag& tag, std::string_view name);
bool HasAll(const data::TOrlXMLTag& tag, std::initializer_list<std::string_view> names);

// A decimal integer (optional sign, surrounding blanks allowed); anything else raises
// "'TEXT' is not a valid integer value".
int StrToInt(std::string_view text);
// Positions, sizes and scores of the game's files: a decimal integer of at most limit either
// way, so that board arithmetic never overflows; beyond it raises "'TEXT' is out of range".
constexpr int kFileNumberLimit = 1000000;
int StrToIntWithin(std::string_view text, int limit = kFileNumberLimit);
// The same, but text that is not an integer reads as fallback.
int StrToIntDef(std::string_view text, int fallback);
// A decimal number with a point; text that is not a number, or empty text, reads as 0.
double StrToReal(std::string_view text);
// Words of the text split at blanks and tabs (line breaks count as blanks too).
std::vector<std::string> Words(std::string_view text);

// Loads the picture under its own name unless the store already has it; a ".jpg" or ".jpeg"
// entry goes to the JPEG decoder, everything else to the PNG decoder.
void LoadPictureOnce(TRulesServices& services, TArchiveKind archive, const std::string& name);

}  // namespace rules
