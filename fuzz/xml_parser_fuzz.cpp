// fuzz/xml_parser_fuzz.cpp — any bytes through the XML reader, the tree rebuild and the writer.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "data/xml_parser.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(bytes), size);
  data::TOrlParser parser;
  parser.LoadFromText(text);
  data::TOrlParser rebuilt;
  rebuilt.LoadFromText(text);
  rebuilt.MakeTree();
  const std::string written = parser.SaveToString();
  if (rebuilt.SaveToString() != written) __builtin_trap();  // MakeTree must be repeatable
  data::TOrlParser again;
  again.LoadFromText(written);
  (void)again.SaveToString();
  data::TOrlXMLTag tag;
  tag.AddTagByString(text);
  return 0;
}
