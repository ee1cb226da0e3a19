// graphics/jpeg_png.hpp — the stream conversions between PNG and JPEG that pack and unpack the
// game's archives: colour as JPEG, transparency as a separate greyscale PNG.
#pragma once

#include "data/memory_stream.hpp"

namespace graphics {

// Each function reads its input streams from the start, fills a fresh output stream and
// returns false (output unspecified) when decoding or encoding fails; none of them throws.

// The PNG's colour as a JPEG of the given quality (0..100; 255 stands for 90).
bool PngToJpeg(const data::TMemoryStream& png, int quality, data::TMemoryStream& jpeg);
// The JPEG as a 24-bit RGB PNG without alpha.
bool JpegToPng(const data::TMemoryStream& jpeg, data::TMemoryStream& png);
// An 8-bit greyscale PNG of the picture's alpha values (255 where the PNG has no alpha).
bool AlphaToGray(const data::TMemoryStream& png, data::TMemoryStream& gray);
// The colour PNG with an alpha channel taken from the grey PNG's samples; false when the
// two pictures differ in size.
bool GrayToAlpha(const data::TMemoryStream& colorPng, const data::TMemoryStream& grayPng,
                 data::TMemoryStream& out);
// PngToJpeg and AlphaToGray of the same PNG; true only when both succeed.
bool SplitPng(const data::TMemoryStream& png, int quality, data::TMemoryStream& jpeg,
              data::TMemoryStream& gray);

}  // namespace graphics
