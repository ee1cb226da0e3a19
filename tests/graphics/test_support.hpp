// tests/graphics/test_support.hpp — small pictures and scratch folders built inside the tests.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "graphics/image.hpp"

namespace graphics::testing {

// A picture whose every sample is a simple function of its position, so any misplaced pixel
// shows. Alpha (when asked for) runs through 0, partial values and 255.
inline TImage Pattern(int width, int height, bool alpha) {
  TImage img(width, height, alpha);
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

// A fresh, empty folder for the current test, removed again by the caller's scope.
class TScratchDir {
 public:
  TScratchDir() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    path = std::filesystem::temp_directory_path() /
           ("zerith_graphics_" + std::string(info->test_suite_name()) + "_" + info->name() + "_" +
            std::to_string(::getpid()));
    std::filesystem::remove_all(path);
    std::filesystem::create_directories(path);
  }
  ~TScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
  }
  std::string operator/(const std::string& name) const { return (path / name).string(); }

 private:
  std::filesystem::path path;
};

}  // namespace graphics::testing
