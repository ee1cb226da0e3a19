// platform/frame_changes.hpp — which parts of a frame differ from the frame shown before it, so
// that only those are copied to the screen.
#pragma once

#include <cstdint>
#include <vector>

namespace platform {

struct TPixelsView;

struct TChangedRect {
  int X = 0;  // px, within the frame
  int Y = 0;
  int Width = 0;
  int Height = 0;
  bool operator==(const TChangedRect&) const = default;
};

// Remembers the last frame handed to it.
class TFrameChanges {
 public:
  // At most this many rectangles; nearby changes are joined to stay under it.
  static constexpr int kMaxRects = 8;

  // The rectangles where `frame` differs from the previous frame (none when they are equal),
  // then remembers `frame`. The whole frame after Forget(), and when the size or depth changed.
  const std::vector<TChangedRect>& Update(const TPixelsView& frame);
  // The screen lost what was shown: the next frame counts as wholly new.
  void Forget() { known = false; }

 private:
  void Add(int y, int left, int right);

  std::vector<uint8_t> previous;
  int width = 0, height = 0, bitCount = 0;
  bool known = false;
  std::vector<TChangedRect> rects;
};

}  // namespace platform
