// shell/options_ini.hpp — INI text as players edit it: sections, key=value lines, comments;
// changing a value keeps every other line as it was.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace shell {

// Section and key names match without regard to ASCII letter case; the first of duplicate
// keys counts. Lines before the first "[section]" belong to the section "". Lines starting
// with ";" or "#" and lines without "=" are kept and otherwise ignored.
class TIniFile {
 public:
  TIniFile() = default;
  explicit TIniFile(std::string_view text);

  // The value with blanks around it removed, and one pair of enclosing double quotes.
  std::optional<std::string> Read(std::string_view section, std::string_view key) const;
  // Replaces the value in its line, or adds the key at the end of its section (the section is
  // appended, after a blank line, when it is missing). `Read` gives `value` back unchanged.
  void Write(std::string_view section, std::string_view key, std::string_view value);

  std::string Text() const;  // every line ended by "\n"

 private:
  int FindSection(std::string_view section) const;  // index of the header line; -1 if none
  int FindKey(int header, std::string_view key) const;
  int SectionEnd(int header) const;  // one after the section's last key or value line

  std::vector<std::string> lines;
};

}  // namespace shell
