// fuzz/jpeg_decode_fuzz.cpp — any bytes as a JPEG picture: decoding and the conversion to PNG
// the archive unpacking does.
#include <cstddef>
#include <cstdint>

#include "data/error.hpp"
#include "data/memory_stream.hpp"
#include "fuzz/fuzz_support.hpp"
#include "graphics/jpeg_codec.hpp"
#include "graphics/jpeg_png.hpp"
#include "graphics/png_codec.hpp"

namespace {

// A few hundred bytes may declare millions of grey pixels. Above this size the conversion only
// repeats the same rows, and zeroing its buffers under the sanitizers outlasts the time limit
// for one input, so such pictures are decoded but not converted.
constexpr int64_t kMaxConvertedPixels = int64_t{1} << 20;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  const std::string_view text = fuzz::Text(bytes, size);
  bool decoded = false;
  try {
    const graphics::TImage image = graphics::DecodeJpeg(text, "fuzz.jpg");
    if (image.Empty() || image.HasAlpha ||
        image.Pixels.size() != static_cast<size_t>(image.Width) * image.Height * 3)
      __builtin_trap();
    if (int64_t{image.Width} * image.Height > kMaxConvertedPixels) return 0;
    decoded = true;
  } catch (const data::Error&) {
  }
  data::TMemoryStream png;
  if (graphics::JpegToPng(data::TMemoryStream(text), png) != decoded) __builtin_trap();
  if (decoded) (void)graphics::DecodePng(png.View(), "converted.png");
  return 0;
}
