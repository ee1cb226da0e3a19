// graphics/frame_presenter.hpp — where a finished back buffer goes: the display of the shell,
// a screenshot, or a test.
#pragma once

#include <cstdint>

namespace graphics {

// A read-only view of a surface's pixels, valid until the next drawing call.
struct TFrameView {
  const void* Pixels = nullptr;
  int Width = 0;
  int Height = 0;
  int PitchBytes = 0;  // bytes from one row to the next
  int BitCount = 0;    // 32: bytes blue, green, red, unused; 16: 5-6-5
};

class IFramePresenter {
 public:
  virtual ~IFramePresenter() = default;
  virtual void PresentFrame(const TFrameView& frame) = 0;
};

}  // namespace graphics
