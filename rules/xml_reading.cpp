// rules/xml_reading.cpp
#include "rules/xml_reading.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

#include "data/error.hpp"
#include "data/file_folder.hpp"
#include "data/number_text.hpp"
#include "data/text_helpers.hpp"

namespace rules {

data::TMemoryStream& EntryStream(TRulesServices& services, TArchiveKind archive,
                                 const std::string& entryName) {
  data::TMemoryStream* stream = services.Archive(archive).GetFileStream(entryName);
  if (!stream) throw data::Error("Cannot load file (wrong file name)");
  return *stream;
}

std::unique_ptr<data::TOrlParser> ReadXmlEntry(TRulesServices& services, TArchiveKind archive,
                                               const std::string& entryName) {
  data::TMemoryStream& stream = EntryStream(services, archive, entryName);
  auto parser = std::make_unique<data::TOrlParser>();
  parser->LoadFromStream(stream);
  if (parser->TagCount() == 0) throw data::Error(entryName + "XML file does not has tags!");
  return parser;
}

const std::string* Attr(const data::TOrlXMLTag& tag, std::string_view name) {
  const data::TOrlParserAttribute* attribute = tag.AttributeByName(name);
  return attribute ? &attribute->Value : nullptr;
}

bool HasAll(const data::TOrlXMLTag& tag, std::initializer_list<std::string_view> names) {
  return std::all_of(names.begin(), names.end(),
                     [&](std::string_view name) { return tag.AttributeByName(name) != nullptr; });
}

int StrToInt(std::string_view text) {
  const std::optional<int32_t> value = data::ParseLenientInt32(text);
  if (!value) throw data::Error("'" + std::string(text) + "' is not a valid integer value");
  return *value;
}

int StrToIntWithin(std::string_view text, int limit) {
  const int value = StrToInt(text);
  if (value < -limit || value > limit)
    throw data::Error("'" + std::string(text) + "' is out of range");
  return value;
}

int StrToIntDef(std::string_view text, int fallback) {
  return data::ParseLenientInt32(text).value_or(fallback);
}

double StrToReal(std::string_view text) {
  text = data::Trim(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  // "inf" and "nan" are no decimal numbers; a chance or a weight must stay comparable.
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return 0;
  return value;
}

std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> words;
  size_t i = 0;
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (i < text.size()) {
    while (i < text.size() && blank(text[i])) ++i;
    const size_t start = i;
    while (i < text.size() && !blank(text[i])) ++i;
    if (i > start) words.emplace_back(text.substr(start, i - start));
  }
  return words;
}

void LoadPictureOnce(TRulesServices& services, TArchiveKind archive, const std::string& name) {
  if (services.HasPicture(name)) return;
  if (data::EndsWithText(name, ".jpg") || data::EndsWithText(name, ".jpeg"))
    services.LoadJpgFromFolder(archive, name, name);
  else
    services.LoadPngFromFolder(archive, name, name);
}

}  // namespace rules
