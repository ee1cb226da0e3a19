// shell/file_names.cpp — refusing typed save names that would reach outside the saves folder.
#include "shell/file_names.hpp"

#include "data/error.hpp"

namespace shell {

namespace {

std::string Refused(std::string_view name, const char* why) {
  return "Cannot use \"" + std::string(name) + "\" as the name of a saved game: " + why;
}

// The name as it may be shown: control bytes would garble the message box and the log.
std::string Shown(std::string_view name) {
  std::string out;
  for (const char c : name) out += static_cast<unsigned char>(c) < 32 || c == 127 ? '?' : c;
  return out;
}

}  // namespace

std::string SaveNameProblem(std::string_view name) {
  if (name.empty()) return "Type a name for the saved game.";
  const std::string shown = Shown(name);
  if (name.size() > kMaxSaveNameBytes)
    return Refused(shown.substr(0, kMaxSaveNameBytes) + "...",
                   "a name may be at most 64 bytes long.");
  for (const char c : name) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 32 || b == 127) return Refused(shown, "it contains control characters.");
    // The load list hands names to its grid between quotation marks.
    if (c == '"') return Refused(shown, "a name may not contain a quotation mark.");
    if (c == '/' || c == '\\')
      return Refused(shown,
                     "a name may not contain \"/\" or \"\\\"; it names a file, not a folder.");
  }
  if (name.front() == '.') return Refused(shown, "a name may not begin with \".\".");
  if (name.find("..") != std::string_view::npos)
    return Refused(shown, "a name may not contain \"..\".");
  return {};
}

void CheckSaveName(std::string_view name) {
  const std::string problem = SaveNameProblem(name);
  if (!problem.empty()) throw data::Error(problem);
}

}  // namespace shell
