// content/lng/text_table.hpp — the translators' text tables: one "ObjectName = caption" line per
// visible text, "#" starts a comment line, UTF-8.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace lng {

// Raises std::runtime_error naming the file and line on a line without " = " or a repeated key.
std::map<std::string, std::string> ReadTextTable(const std::string& path);

// Keys in file order (the order the overlay is written in).
std::vector<std::string> TextTableKeys(const std::string& path);

}  // namespace lng
