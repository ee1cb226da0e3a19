// graphics/surf_draw.cpp — copying, filling and blending pictures onto surfaces.
#include <algorithm>
#include <cstring>

#include "graphics/blend_kernels.hpp"
#include "graphics/surf_engine.hpp"

namespace graphics {

void TSurfEngine::Clear(std::string_view name, uint8_t value) {
  TSurface* s = Find(name);
  if (s == nullptr) return;
  if (!s->Pixels32.empty()) std::memset(s->Pixels32.data(), value, s->Pixels32.size() * 4);
  if (!s->Pixels16.empty()) std::memset(s->Pixels16.data(), value, s->Pixels16.size() * 2);
}

bool TSurfEngine::CopyPicture(std::string_view source, std::string_view dest, int x, int y,
                              const TRect* sourceRect) {
  const TSurface* src = Find(source);
  TSurface* dst = Find(dest);
  if (src == nullptr || dst == nullptr || !Ready(*src) || !Ready(*dst)) return false;
  const TRect r = sourceRect ? *sourceRect : TRect{0, 0, src->Width - 1, src->Height - 1};
  // Like a hardware blit: a copy that does not fit is refused whole, never cut. The checks
  // are ordered so that no sum can pass the int range.
  if (r.Left < 0 || r.Top < 0 || r.Right < r.Left || r.Bottom < r.Top || r.Right >= src->Width ||
      r.Bottom >= src->Height)
    return false;
  const int w = r.Width(), h = r.Height();
  if (x < 0 || y < 0 || x > dst->Width - w || y > dst->Height - h) return false;
  const size_t bpp = format.BitCount / 8;
  const auto* sBase = format.BitCount == 32
                          ? reinterpret_cast<const uint8_t*>(src->Pixels32.data())
                          : reinterpret_cast<const uint8_t*>(src->Pixels16.data());
  auto* dBase = format.BitCount == 32 ? reinterpret_cast<uint8_t*>(dst->Pixels32.data())
                                      : reinterpret_cast<uint8_t*>(dst->Pixels16.data());
  const size_t sPitch = src->Width * bpp, dPitch = dst->Width * bpp;
  // Rows go bottom-up when a surface is copied onto itself further down, so no row is
  // overwritten before it was read.
  const bool upwards = src == dst && y > r.Top;
  for (int k = 0; k < h; ++k) {
    const int row = upwards ? h - 1 - k : k;
    std::memmove(dBase + (y + row) * dPitch + x * bpp,
                 sBase + (r.Top + row) * sPitch + r.Left * bpp, w * bpp);
  }
  return true;
}

void TSurfEngine::FillRect(std::string_view dest, TRect rect, uint32_t color, uint8_t alpha) {
  TSurface* dst = Find(dest);
  if (dst == nullptr || !Ready(*dst)) return;
  rect.Left = std::max(rect.Left, 0);
  rect.Top = std::max(rect.Top, 0);
  rect.Right = std::min(rect.Right, dst->Width - 1);
  rect.Bottom = std::min(rect.Bottom, dst->Height - 1);
  if (rect.Right < rect.Left || rect.Bottom < rect.Top) return;
  for (int y = rect.Top; y <= rect.Bottom; ++y) {
    const size_t at = static_cast<size_t>(y) * dst->Width + rect.Left;
    if (format.BitCount == 32)
      FillRow32(dst->Pixels32.data() + at, rect.Width(), color, alpha);
    else
      FillRow16(dst->Pixels16.data() + at, rect.Width(), alpha);
  }
}

// Draws rectangle r of src at (x, y), clipped to the source, the destination and the screen.
void TSurfEngine::DrawClipped(const TSurface& src, TSurface& dst, int x, int y, TRect r, int alpha,
                              int mix, uint32_t color) {
  if (&src == &dst) {
    // Drawn onto itself: blend from a copy, so no pixel is read after it was written.
    const TSurface copy = src;
    return DrawClipped(copy, dst, x, y, r, alpha, mix, color);
  }
  // Clipped in 64 bits: positions and rectangles anywhere in the int range must not wrap.
  int64_t left = r.Left, top = r.Top, right = r.Right, bottom = r.Bottom, atX = x, atY = y;
  // A rectangle reaching outside the picture keeps the part inside, where it would have been.
  if (left < 0) {
    atX -= left;
    left = 0;
  }
  if (top < 0) {
    atY -= top;
    top = 0;
  }
  right = std::min<int64_t>(right, src.Width - 1);
  bottom = std::min<int64_t>(bottom, src.Height - 1);
  if (atX < 0) {
    left -= atX;
    atX = 0;
  }
  if (atY < 0) {
    top -= atY;
    atY = 0;
  }
  const int64_t lastCol = std::min(ScreenWidth, dst.Width) - 1;
  const int64_t lastRow = std::min(ScreenHeight, dst.Height) - 1;
  right = std::min(right, left + (lastCol - atX));
  bottom = std::min(bottom, top + (lastRow - atY));
  if (right < left || bottom < top) return;
  // From here on every value lies inside both surfaces.
  const int cols = static_cast<int>(right - left + 1), rows = static_cast<int>(bottom - top + 1);
  const TBlendParams p{alpha, mix, color};
  const size_t s = static_cast<size_t>(top) * src.Width + static_cast<size_t>(left);
  const size_t d = static_cast<size_t>(atY) * dst.Width + static_cast<size_t>(atX);
  if (format.BitCount == 32)
    BlendRows32(dst.Pixels32.data() + d, dst.Width, src.Pixels32.data() + s, src.Alpha.data() + s,
                src.Width, cols, rows, p);
  else
    BlendRows16(dst.Pixels16.data() + d, dst.Width, src.Pixels16.data() + s, src.Alpha.data() + s,
                src.Width, cols, rows, p);
}

void TSurfEngine::DrawPicture(std::string_view source, std::string_view dest, int x, int y,
                              uint8_t alpha, const TRect* sourceRect, uint32_t color, uint8_t mix) {
  const TSurface* src = Find(source);
  if (src == nullptr || !Ready(*src)) return;
  if (!src->HasAlpha()) {
    CopyPicture(source, dest, x, y, sourceRect);
    return;
  }
  TSurface* dst = Find(dest);
  if (dst == nullptr || !Ready(*dst)) return;
  const TRect r = sourceRect ? *sourceRect : TRect{0, 0, src->Width - 1, src->Height - 1};
  DrawClipped(*src, *dst, x, y, r, alpha, mix, color);
}

void TSurfEngine::DrawGlyphs(std::string_view source, std::string_view dest, int count,
                             std::span<const TOrlGlyphDraw> batch) {
  const TSurface* src = Find(source);
  TSurface* dst = Find(dest);
  if (src == nullptr || dst == nullptr || !Ready(*src) || !Ready(*dst) || !src->HasAlpha()) return;
  const size_t n = std::min(batch.size(), static_cast<size_t>(std::max(count, 0)));
  for (size_t i = 0; i < n; ++i) {
    const TOrlGlyphDraw& g = batch[i];
    DrawClipped(*src, *dst, g.X, g.Y, g.Source, g.Alpha, 1, g.Color);
  }
}

}  // namespace graphics
