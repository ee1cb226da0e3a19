// content/lng/text_table.cpp — reading the translators' text tables.
#include "content/lng/text_table.hpp"

#include <fstream>
#include <stdexcept>

namespace lng {
namespace {

std::string Trim(const std::string& s) {
  const size_t a = s.find_first_not_of(" \t\r");
  if (a == std::string::npos) return {};
  const size_t b = s.find_last_not_of(" \t\r");
  return s.substr(a, b - a + 1);
}

template <typename Visit>
void ForEachEntry(const std::string& path, Visit visit) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    const std::string t = Trim(line);
    if (t.empty() || t[0] == '#') continue;
    const size_t eq = t.find(" = ");
    if (eq == std::string::npos)
      throw std::runtime_error(path + ":" + std::to_string(number) + ": no \" = \" in the line");
    visit(Trim(t.substr(0, eq)), Trim(t.substr(eq + 3)), number);
  }
}

}  // namespace

std::map<std::string, std::string> ReadTextTable(const std::string& path) {
  std::map<std::string, std::string> table;
  ForEachEntry(path, [&](const std::string& key, const std::string& value, int number) {
    if (!table.emplace(key, value).second)
      throw std::runtime_error(path + ":" + std::to_string(number) + ": " + key + " given twice");
  });
  return table;
}

std::vector<std::string> TextTableKeys(const std::string& path) {
  std::vector<std::string> keys;
  ForEachEntry(path, [&](const std::string& key, const std::string&, int) { keys.push_back(key); });
  return keys;
}

}  // namespace lng
