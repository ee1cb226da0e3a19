// graphics/image.cpp
#include "graphics/image.hpp"

namespace graphics {

TImage::TImage(int width, int height, bool hasAlpha, uint8_t alpha)
    : Width(width), Height(height), HasAlpha(hasAlpha) {
  const size_t count = static_cast<size_t>(width > 0 ? width : 0) * (height > 0 ? height : 0);
  Pixels.assign(count * Channels(), 0);
  if (hasAlpha)
    for (size_t i = 0; i < count; ++i) Pixels[i * 4 + 3] = alpha;
}

void TImage::SetHasAlpha(bool hasAlpha, uint8_t alpha) {
  if (hasAlpha == HasAlpha) return;
  const size_t count = static_cast<size_t>(Width) * Height;
  std::vector<uint8_t> out(count * (hasAlpha ? 4 : 3));
  const uint8_t* s = Pixels.data();
  uint8_t* d = out.data();
  for (size_t i = 0; i < count; ++i) {
    d[0] = s[0];
    d[1] = s[1];
    d[2] = s[2];
    if (hasAlpha) d[3] = alpha;
    s += HasAlpha ? 4 : 3;
    d += hasAlpha ? 4 : 3;
  }
  Pixels.swap(out);
  HasAlpha = hasAlpha;
}

}  // namespace graphics
