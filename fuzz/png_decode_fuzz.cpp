// fuzz/png_decode_fuzz.cpp — any bytes as a PNG picture: decoding, the encoder's round trip and
// the split into colour and transparency the archive packing does.
#include <cstddef>
#include <cstdint>

#include "data/error.hpp"
#include "data/memory_stream.hpp"
#include "fuzz/fuzz_support.hpp"
#include "graphics/jpeg_png.hpp"
#include "graphics/png_codec.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  const std::string_view text = fuzz::Text(bytes, size);
  graphics::TImage image;
  try {
    image = graphics::DecodePng(text, "fuzz.png");
  } catch (const data::Error&) {
    return 0;
  }
  if (image.Empty() || image.Pixels.size() != static_cast<size_t>(image.Width) * image.Height *
                                                  static_cast<size_t>(image.Channels()))
    __builtin_trap();
  // What the encoder writes must read back as the same picture.
  const graphics::TImage again = graphics::DecodePng(graphics::EncodePng(image), "again.png");
  if (again.Width != image.Width || again.Height != image.Height ||
      again.HasAlpha != image.HasAlpha || again.Pixels != image.Pixels)
    __builtin_trap();
  const data::TMemoryStream png(text);
  data::TMemoryStream jpeg, gray, merged;
  if (!graphics::SplitPng(png, 80, jpeg, gray)) __builtin_trap();
  // The unpacking side: the colour back from JPEG, the transparency from the grey picture.
  data::TMemoryStream color;
  if (!graphics::JpegToPng(jpeg, color) || !graphics::GrayToAlpha(color, gray, merged))
    __builtin_trap();
  return 0;
}
