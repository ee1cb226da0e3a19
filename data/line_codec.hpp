// data/line_codec.hpp — the byte shift that keeps saved games and score tables from casual edits.
#pragma once

#include <string>
#include <string_view>

namespace data {

// Plain 32..204 → 83..255, 205..255 → 32..82, control bytes unchanged; so a stored printable
// byte is never a line break and the file stays line-based.
std::string EncodeLine(std::string_view line);
std::string DecodeLine(std::string_view line);

// A whole file's text, line by line (CR LF, CR or LF end a line), each line written back with
// CR LF: how saved games and score tables are stored and read.
std::string EncodeLines(std::string_view text);
std::string DecodeLines(std::string_view text);

}  // namespace data
