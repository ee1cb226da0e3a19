// graphics/jpeg_codec.hpp — JPEG pictures to and from decoded images (the IJG library).
#pragma once

#include <string>
#include <string_view>

#include "graphics/image.hpp"

namespace graphics {

// Decodes a baseline, progressive or arithmetic-coded 8-bit JPEG into RGB (greyscale widened).
// A file that ends early is refused rather than shown half grey. Raises data::Error
// "Cannot decode JPEG picture \"NAME\": REASON".
TImage DecodeJpeg(std::string_view bytes, std::string_view name);

bool LooksLikeJpeg(std::string_view bytes);

// JPEG of the image's colour (alpha ignored); quality 0..100. Raises data::Error on failure.
std::string EncodeJpeg(const TImage& image, int quality);

}  // namespace graphics
