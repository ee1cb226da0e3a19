// tests/platform/frame_changes_test.cpp — only the parts of a frame that changed reach the
// screen, and nothing that changed is ever missed.
#include "platform/frame_changes.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/display.hpp"

namespace {

using platform::TChangedRect;

struct TFrame32 {
  TFrame32(int w, int h, int padding = 0) : width(w), height(h), pitch(w + padding) {
    pixels.assign(static_cast<size_t>(pitch) * h, 0x00102030);
  }
  uint32_t& At(int x, int y) { return pixels[static_cast<size_t>(y) * pitch + x]; }
  platform::TPixelsView View() const { return {pixels.data(), width, height, pitch * 4, 32}; }
  int width, height, pitch;  // pitch in pixels
  std::vector<uint32_t> pixels;
};

TEST(FrameChanges, TheFirstFrameIsWholeAndAnEqualFrameIsNothing) {
  TFrame32 frame(800, 600);
  platform::TFrameChanges changes;
  EXPECT_EQ(changes.Update(frame.View()), std::vector<TChangedRect>({{0, 0, 800, 600}}));
  EXPECT_TRUE(changes.Update(frame.View()).empty());
  changes.Forget();  // the window was covered: everything again
  EXPECT_EQ(changes.Update(frame.View()).size(), 1u);
  EXPECT_EQ(changes.Update(frame.View()).size(), 0u);
}

TEST(FrameChanges, ChangedPixelsAreBoundedTightlyAndFarApartOnesSeparately) {
  TFrame32 frame(800, 600, 16);  // padding past the width is never looked at
  platform::TFrameChanges changes;
  changes.Update(frame.View());
  frame.At(0, 0) = 1;             // the very first pixel
  frame.At(799, 599) = 1;         // the very last
  frame.At(803, 300) = 99;        // padding
  frame.At(401, 300) ^= 1 << 24;  // only the unused byte of a pixel
  const std::vector<TChangedRect> expected = {{0, 0, 1, 1}, {401, 300, 1, 1}, {799, 599, 1, 1}};
  EXPECT_EQ(changes.Update(frame.View()), expected);
  EXPECT_TRUE(changes.Update(frame.View()).empty());

  // Rows a few apart are one rectangle spanning both rows' changes.
  frame.At(10, 100) = 7;
  frame.At(30, 104) = 7;
  EXPECT_EQ(changes.Update(frame.View()), std::vector<TChangedRect>({{10, 100, 21, 5}}));
}

TEST(FrameChanges, ManyScatteredChangesStayUnderTheLimitAndAreAllCovered) {
  TFrame32 frame(64, 600);
  platform::TFrameChanges changes;
  changes.Update(frame.View());
  for (int y = 0; y < 600; y += 40) frame.At(y % 64, y) = 5;
  const std::vector<TChangedRect> rects = changes.Update(frame.View());
  EXPECT_LE(rects.size(), static_cast<size_t>(platform::TFrameChanges::kMaxRects));
  for (int y = 0; y < 600; y += 40) {
    bool covered = false;
    for (const TChangedRect& r : rects)
      covered |= y % 64 >= r.X && y % 64 < r.X + r.Width && y >= r.Y && y < r.Y + r.Height;
    EXPECT_TRUE(covered) << y;
  }
}

TEST(FrameChanges, SixteenBitFramesAndOtherSizesAndDepths) {
  std::vector<uint16_t> pixels(33 * 5, 0);
  platform::TPixelsView view{pixels.data(), 33, 5, 33 * 2, 16};
  platform::TFrameChanges changes;
  changes.Update(view);
  pixels[2 * 33 + 32] = 0xF800;  // the last pixel of an odd-width row
  pixels[2 * 33 + 9] = 1;
  EXPECT_EQ(changes.Update(view), std::vector<TChangedRect>({{9, 2, 24, 1}}));

  view.Width = 32;  // another size: all of it
  EXPECT_EQ(changes.Update(view), std::vector<TChangedRect>({{0, 0, 32, 5}}));
  view.BitCount = 32, view.Width = 16;  // another depth: all of it
  EXPECT_EQ(changes.Update(view), std::vector<TChangedRect>({{0, 0, 16, 5}}));
  view.Pixels = nullptr;
  EXPECT_TRUE(changes.Update(view).empty());
}

}  // namespace
