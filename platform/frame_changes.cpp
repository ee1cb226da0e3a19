// platform/frame_changes.cpp — finding the changed rows of a frame and the changed span of each,
// a machine word at a time.
#include "platform/frame_changes.hpp"

#include <algorithm>
#include <bit>
#include <cstring>

#include "platform/display.hpp"

namespace platform {
namespace {

// Changed rows closer than this are sent as one rectangle: each rectangle costs the display
// server a request of its own.
constexpr int kJoinRows = 16;

uint64_t Word(const uint8_t* p) {
  uint64_t w;
  std::memcpy(&w, p, sizeof w);
  return w;
}

// Index of the first byte where a and b differ; n when they are equal.
size_t FirstDifference(const uint8_t* a, const uint8_t* b, size_t n) {
  size_t i = 0;
  for (; i + 8 <= n; i += 8)
    if (const uint64_t x = Word(a + i) ^ Word(b + i); x != 0)
      return i + static_cast<size_t>(std::countr_zero(x)) / 8;  // bytes are little-endian
  for (; i < n; ++i)
    if (a[i] != b[i]) return i;
  return n;
}

// Index of the last byte where a and b differ; they are known to differ somewhere.
size_t LastDifference(const uint8_t* a, const uint8_t* b, size_t n) {
  size_t i = n;
  for (; i >= 8; i -= 8)
    if (const uint64_t x = Word(a + i - 8) ^ Word(b + i - 8); x != 0)
      return i - 1 - static_cast<size_t>(std::countl_zero(x)) / 8;
  while (i > 0 && a[i - 1] == b[i - 1]) --i;
  return i - 1;
}

}  // namespace

const std::vector<TChangedRect>& TFrameChanges::Update(const TPixelsView& frame) {
  rects.clear();
  const int bytesPerPixel = frame.BitCount / 8;
  if (!frame.Pixels || frame.Width <= 0 || frame.Height <= 0 || bytesPerPixel <= 0) return rects;
  const size_t rowBytes = static_cast<size_t>(frame.Width) * static_cast<size_t>(bytesPerPixel);
  const auto* source = static_cast<const uint8_t*>(frame.Pixels);
  if (!known || frame.Width != width || frame.Height != height || frame.BitCount != bitCount) {
    width = frame.Width, height = frame.Height, bitCount = frame.BitCount;
    previous.resize(rowBytes * static_cast<size_t>(height));
    for (int y = 0; y < height; ++y)
      std::memcpy(&previous[rowBytes * static_cast<size_t>(y)],
                  source + static_cast<ptrdiff_t>(y) * frame.PitchBytes, rowBytes);
    known = true;
    rects.push_back({0, 0, width, height});
    return rects;
  }
  for (int y = 0; y < height; ++y) {
    const uint8_t* row = source + static_cast<ptrdiff_t>(y) * frame.PitchBytes;
    uint8_t* old = &previous[rowBytes * static_cast<size_t>(y)];
    // Most rows are unchanged; the C library compares them faster than a word loop.
    if (std::memcmp(row, old, rowBytes) == 0) continue;
    const size_t first = FirstDifference(row, old, rowBytes);
    const size_t last = LastDifference(row, old, rowBytes);
    std::memcpy(old + first, row + first, last - first + 1);
    Add(y, static_cast<int>(first) / bytesPerPixel, static_cast<int>(last) / bytesPerPixel);
  }
  return rects;
}

void TFrameChanges::Add(int y, int left, int right) {
  if (!rects.empty()) {
    TChangedRect& r = rects.back();
    if (y - (r.Y + r.Height) < kJoinRows || static_cast<int>(rects.size()) == kMaxRects) {
      const int newLeft = std::min(r.X, left);
      const int newRight = std::max(r.X + r.Width - 1, right);
      r = {newLeft, r.Y, newRight - newLeft + 1, y - r.Y + 1};
      return;
    }
  }
  rects.push_back({left, y, right - left + 1, 1});
}

}  // namespace platform
