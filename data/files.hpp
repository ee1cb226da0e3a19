// data/files.hpp — whole-file reading and crash-safe writing.
#pragma once

#include <string>
#include <string_view>

namespace data {

// The file's bytes; raises data::Error "Cannot open file \"PATH\": REASON" when it cannot be read.
std::string ReadWholeFile(const std::string& path);

// Writes to a temporary file beside PATH, flushes it to disk and renames it over PATH, so a
// crash or a full disk leaves either the old file or the new one, never a half-written file.
// Raises data::Error naming PATH on failure; the old file is then untouched.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace data
