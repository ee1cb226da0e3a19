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
  const int w = r.Width(), h = r.Height();
  // Like a hardware blit: a copy that does not fit is refused whole, never cut.
  if (w <= 0 || h <= 0 || r.Left < 0 || r.Top < 0 || r.Right >= src->Width ||
      r.Bottom >= src->Height)
    return false;
  if (x < 0 || y < 0 || x + w > dst->Width || y + h > dst->Height) return false;
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
  if (rect.Width() <= 0 || rect.Height() <= 0) return;
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
  // A rectangle reaching outside the picture keeps the part inside, where it would have been.
  if (r.Left < 0) {
    x -= r.Left;
    r.Left = 0;
  }
  if (r.Top < 0) {
    y -= r.Top;
    r.Top = 0;
  }
  r.Right = std::min(r.Right, src.Width - 1);
  r.Bottom = std::min(r.Bottom, src.Height - 1);
  if (x < 0) {
    r.Left -= x;
    x = 0;
  }
  if (y < 0) {
    r.Top -= y;
    y = 0;
  }
  const int lastCol = std::min(ScreenWidth, dst.Width) - 1;
  const int lastRow = std::min(ScreenHeight, dst.Height) - 1;
  r.Right = std::min(r.Right, r.Left + (lastCol - x));
  r.Bottom = std::min(r.Bottom, r.Top + (lastRow - y));
  const int cols = r.Width(), rows = r.Height();
  if (cols <= 0 || rows <= 0) return;
  const TBlendParams p{alpha, mix, color};
  const size_t s = static_cast<size_t>(r.Top) * src.Width + r.Left;
  const size_t d = static_cast<size_t>(y) * dst.Width + x;
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
