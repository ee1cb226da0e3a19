// graphics/png_codec.hpp — PNG pictures to and from decoded images (libpng).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "graphics/image.hpp"

namespace graphics {

// Decodes any PNG into 8-bit RGB, or RGBA when the file stores an alpha channel (colour types
// 4 and 6). Palette, grey and 16-bit pictures are widened to 8-bit RGB; a transparent-colour
// chunk gives no alpha. Raises data::Error "Cannot decode PNG picture \"NAME\": REASON".
TImage DecodePng(std::string_view bytes, std::string_view name);

// True when the bytes start with the PNG signature.
bool LooksLikePng(std::string_view bytes);

// 8-bit RGB or RGBA PNG of the image. Raises data::Error for an empty image.
std::string EncodePng(const TImage& image);
// 8-bit greyscale PNG; samples holds width × height bytes, row-major.
std::string EncodeGrayPng(const std::vector<uint8_t>& samples, int width, int height);

}  // namespace graphics
