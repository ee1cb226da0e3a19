// tests/graphics/test_support.hpp — small pictures built inside the tests.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "graphics/image.hpp"

namespace graphics_test {

// A picture whose every sample is a simple function of its position, so any misplaced pixel
// shows. Alpha (when asked for) runs through 0, partial values and 255.
inline graphics::TImage Pattern(int width, int height, bool alpha) {
  graphics::TImage img(width, height, alpha);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      uint8_t* p = img.At(x, y);
      p[0] = static_cast<uint8_t>(x * 7 + y * 3);
      p[1] = static_cast<uint8_t>(x * 2 + y * 11 + 5);
      p[2] = static_cast<uint8_t>(200 - x - y);
      if (alpha) p[3] = static_cast<uint8_t>((x + y) % 3 == 0 ? 255 : (x * 37 + y * 5) % 256);
    }
  return img;
}

}  // namespace graphics_test
