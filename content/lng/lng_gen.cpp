// content/lng/lng_gen.cpp — writes the language packs: each is an overlay of the interface file
// that replaces the caption of every visible text.
//
// Usage: zerith_lng_gen OUT_DIR ENGLISH.txt TEXTS.txt=PACK.lng...
// Every pack must translate exactly the English keys: a missing or unknown key stops the build
// with the file and key, so no window is ever left half translated.
#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <stdexcept>
#include <string>

#include "content/lng/text_table.hpp"

namespace {

std::string Escape(const std::string& s) {
  std::string out;
  for (char c : s) {
    if (c == '&')
      out += "&amp;";
    else if (c == '<')
      out += "&lt;";
    else if (c == '>')
      out += "&gt;";
    else
      out += c;
  }
  return out;
}

void WritePack(const std::string& english, const std::string& source, const std::string& path) {
  const std::map<std::string, std::string> base = lng::ReadTextTable(english);
  const std::map<std::string, std::string> texts = lng::ReadTextTable(source);
  for (const auto& [key, text] : base)
    if (!texts.count(key)) throw std::runtime_error(source + ": no text for " + key);
  for (const auto& [key, text] : texts)
    if (!base.count(key)) throw std::runtime_error(source + ": " + key + " is no interface text");
  std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<OrlInterface>\n";
  for (const std::string& key : lng::TextTableKeys(english)) {
    xml += "  <o c=\"TOrlLabel\">\n    <p n=\"Name\">" + key + "</p>\n    <p n=\"Caption\">" +
           Escape(texts.at(key)) + "</p>\n  </o>\n";
  }
  xml += "</OrlInterface>\n";
  std::ofstream out(path, std::ios::binary);
  out << xml;
  if (!out) throw std::runtime_error("cannot write " + path);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: zerith_lng_gen OUT_DIR ENGLISH.txt TEXTS.txt=PACK.lng...\n");
    return 1;
  }
  const std::string dir = argv[1];
  mkdir(dir.c_str(), 0755);
  try {
    for (int i = 3; i < argc; ++i) {
      const std::string arg = argv[i];
      const size_t eq = arg.find('=');
      if (eq == std::string::npos) throw std::runtime_error("expected TEXTS.txt=PACK.lng: " + arg);
      WritePack(argv[2], arg.substr(0, eq), dir + "/" + arg.substr(eq + 1));
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "zerith_lng_gen: %s\n", e.what());
    return 1;
  }
  return 0;
}
