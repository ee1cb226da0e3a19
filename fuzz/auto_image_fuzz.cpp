// fuzz/auto_image_fuzz.cpp — any text as an AutoImage description drawing from a small archive
// of pictures: "a.png" (RGBA 7×5), "b.png" (RGB 4×6) and "c.jpg" (RGB 8×8).
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "data/error.hpp"
#include "data/file_folder.hpp"
#include "fuzz/fuzz_support.hpp"
#include "graphics/auto_image.hpp"
#include "graphics/jpeg_codec.hpp"
#include "graphics/png_codec.hpp"

namespace {

graphics::TImage Pattern(int width, int height, bool alpha) {
  graphics::TImage img(width, height, alpha);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      uint8_t* p = img.At(x, y);
      p[0] = static_cast<uint8_t>(x * 37 + y * 3);
      p[1] = static_cast<uint8_t>(x * 2 + y * 51);
      p[2] = static_cast<uint8_t>(200 - x * 9 - y);
      if (alpha) p[3] = static_cast<uint8_t>((x + y) % 3 == 0 ? 255 : x * 40 + y);
    }
  return img;
}

std::unique_ptr<data::TFileFolder> Sources() {
  auto archive = data::TFileFolder::CreateNew("sources.zxc");
  archive->AddFile("a.png", 2, data::TMemoryStream(graphics::EncodePng(Pattern(7, 5, true))));
  archive->AddFile("b.png", 2, data::TMemoryStream(graphics::EncodePng(Pattern(4, 6, false))));
  archive->AddFile("c.jpg", 2, data::TMemoryStream(graphics::EncodeJpeg(Pattern(8, 8, false), 90)));
  return archive;
}

// Sizes are the text's to choose up to 16384 × 2048; a picture that large is correct but takes
// seconds per operation, which would only teach the fuzzer to wait. Texts holding a number
// between 256 and a million are skipped; the huge values near the limits of int still run.
bool DrawsTooMuch(std::string_view text) {
  int lines = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && ++lines > 64) return true;
    if (text[i] < '0' || text[i] > '9' || (i > 0 && text[i - 1] >= '0' && text[i - 1] <= '9'))
      continue;
    int64_t value = 0;
    std::from_chars(text.data() + i, text.data() + text.size(), value);
    if (value > 256 && value < 1000000) return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  const std::string_view text = fuzz::Text(bytes, size);
  if (DrawsTooMuch(text)) return 0;
  static const std::unique_ptr<data::TFileFolder> pristine = Sources();
  auto archive = data::TFileFolder::CreateNew("sources.zxc");
  for (int i = 0; i < pristine->Count(); ++i)
    archive->AddFile(pristine->Dir()[static_cast<size_t>(i)].Name(), 2, pristine->EntryStream(i));
  data::TMemoryStream work;
  try {
    graphics::RenderAutoImageText(text, *archive, work);
  } catch (const data::Error&) {
    return 0;
  }
  // Whatever was drawn is a readable picture.
  if (work.Size() > 0) (void)graphics::DecodePng(work.View(), "result.png");
  return 0;
}
