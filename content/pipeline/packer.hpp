// content/pipeline/packer.hpp — turns generated content files into a shipped archive: pictures
// packed as colour JPEG plus greyscale alpha PNG, AutoImage texts as NAME._aim.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "data/memory_stream.hpp"

namespace content {

struct TPackedEntry {
  std::string Name;  // as stored, at most 32 bytes
  uint16_t Kind = 1;
  data::TMemoryStream Bytes;
};

// JPEG quality of packed picture colour; the alpha stays lossless.
constexpr int kPackQuality = 92;

// The entries one content file becomes: NAME.png (RGB or RGBA) → NAME._JPG + NAME._PNG;
// NAME.jpg → itself after a decode check; NAME.aim → NAME._aim; anything else as it is.
// Raises data::Error for an undecodable picture or a name the archive or the first-start
// conversion cannot hold (longer than 32 bytes, a second dot in a picture or text name).
std::vector<TPackedEntry> PackFile(const std::string& path, int quality = kPackQuality);

// Packs every file into a new archive at outPath, entries sorted by name so the bytes depend
// only on the files' contents. Raises data::Error for clashing names (compared without case).
void PackArchive(const std::vector<std::string>& files, const std::string& outPath,
                 int quality = kPackQuality);

// Colours of fully transparent pixels are taken from their opaque neighbours (repeatedly, up to
// `passes` pixels out), so JPEG blocks at a picture's edge do not smear dark fringes into it.
// RGBA pixels, row-major; alpha is left as it is.
void BleedTransparentColours(std::vector<uint8_t>& rgba, int width, int height, int passes);

}  // namespace content
