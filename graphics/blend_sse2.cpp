// graphics/blend_sse2.cpp — 4- and 8-pixel SSE2 loops (the x86-64 baseline).
#include "graphics/blend_kernels.hpp"

#if defined(__x86_64__)
#include <emmintrin.h>

#include <cstring>

#include "graphics/blend_prefetch.hpp"

#define ZERITH_INLINE __attribute__((always_inline))

namespace graphics::kernels {
namespace {

// All products below stay within 16 unsigned bits: s*w + d*(255-w) <= 255*255 and
// s*mix + k*(256-mix) <= 255*256, so 16-bit lanes with a logical shift give exact results.

struct TConsts32 {
  __m128i alpha;  // Alpha in every 16-bit lane
  __m128i mix;    // Mix in every lane
  __m128i kMix;   // k * (256 - Mix) per channel lane, pattern blue, green, red, 0
  __m128i top;    // the unused byte of each pixel
  bool tint;
  bool copyOpaque;
};

TConsts32 MakeConsts32(const TBlendParams& p) {
  TConsts32 c;
  c.alpha = _mm_set1_epi16(static_cast<short>(p.Alpha));
  c.mix = _mm_set1_epi16(static_cast<short>(p.Mix));
  const int m = 256 - p.Mix;
  const short kb = static_cast<short>(((p.Color >> 16) & 255u) * m);
  const short kg = static_cast<short>(((p.Color >> 8) & 255u) * m);
  const short kr = static_cast<short>((p.Color & 255u) * m);
  c.kMix = _mm_setr_epi16(kb, kg, kr, 0, kb, kg, kr, 0);
  c.top = _mm_set1_epi32(static_cast<int>(0xFF000000u));
  c.tint = p.Mix != 0;
  c.copyOpaque = p.Alpha == 255 && p.Mix == 0;
  return c;
}

inline __m128i Select(__m128i mask, __m128i ifSet, __m128i ifClear) {
  return _mm_or_si128(_mm_and_si128(mask, ifSet), _mm_andnot_si128(mask, ifClear));
}

// Two pixels as 16-bit lanes: blend source over destination with per-lane weights.
inline __m128i Blend2(__m128i s, __m128i d, __m128i v, const TConsts32& c) {
  const __m128i w = _mm_srli_epi16(_mm_mullo_epi16(v, c.alpha), 8);
  if (c.tint) s = _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(s, c.mix), c.kMix), 8);
  const __m128i iw = _mm_sub_epi16(_mm_set1_epi16(255), w);
  return _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(s, w), _mm_mullo_epi16(d, iw)), 8);
}

}  // namespace

ZERITH_BLEND_ROWS(BlendRows32Sse2, uint32_t) {
  if (cols < 4) return BlendRows32Plain(dst, dstStride, src, alpha, srcStride, cols, rows, p);
  const TConsts32 c = MakeConsts32(p);
  const __m128i zero = _mm_setzero_si128();
  const __m128i ones = _mm_set1_epi8(-1);
  auto chunk = [&](int i, __m128i d) ZERITH_INLINE {
    uint32_t a4;
    std::memcpy(&a4, alpha + i, 4);
    if (a4 == 0) return;
    __m128i* dp = reinterpret_cast<__m128i*>(dst + i);
    const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
    if (a4 == 0xFFFFFFFFu && c.copyOpaque) {
      _mm_storeu_si128(dp, Select(c.top, d, s));
      return;
    }
    __m128i vb = _mm_cvtsi32_si128(static_cast<int>(a4));
    vb = _mm_unpacklo_epi8(vb, vb);
    vb = _mm_unpacklo_epi16(vb, vb);  // each pixel's alpha in all four of its bytes
    const __m128i lo = Blend2(_mm_unpacklo_epi8(s, zero), _mm_unpacklo_epi8(d, zero),
                              _mm_unpacklo_epi8(vb, zero), c);
    const __m128i hi = Blend2(_mm_unpackhi_epi8(s, zero), _mm_unpackhi_epi8(d, zero),
                              _mm_unpackhi_epi8(vb, zero), c);
    __m128i out = _mm_packus_epi16(lo, hi);
    if (c.copyOpaque) out = Select(_mm_cmpeq_epi8(vb, ones), s, out);
    const __m128i keep = _mm_or_si128(_mm_cmpeq_epi8(vb, zero), c.top);
    _mm_storeu_si128(dp, Select(keep, d, out));
  };
  // The last chunk of a row overlaps the one before; it is blended from the destination as
  // it was before the row was drawn, so the overlap gets the same values twice.
  const int last = cols - 4;
  for (int r = 0; r < rows; ++r, dst += dstStride, src += srcStride, alpha += srcStride) {
    PrefetchRow(dst, dstStride, cols, r, rows);
    const __m128i lastD = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst + last));
    for (int i = 0; i < last; i += 4)
      chunk(i, _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst + i)));
    chunk(last, lastD);
  }
}

ZERITH_BLEND_ROWS(BlendRows16Sse2, uint16_t) {
  if (cols < 8) return BlendRows16Plain(dst, dstStride, src, alpha, srcStride, cols, rows, p);
  const bool copyOpaque = p.Alpha == 255 && p.Mix == 0;
  const bool tint = p.Mix != 0 && p.Mix != 255;
  const int m = 256 - p.Mix;
  const __m128i alpha16 = _mm_set1_epi16(static_cast<short>(p.Alpha));
  const __m128i mix = _mm_set1_epi16(static_cast<short>(p.Mix));
  const __m128i kr = _mm_set1_epi16(static_cast<short>(((p.Color & 255u) >> 3) * m));
  const __m128i kg = _mm_set1_epi16(static_cast<short>(((p.Color >> 10) & 63u) * m));
  const __m128i kb = _mm_set1_epi16(static_cast<short>(((p.Color >> 19) & 31u) * m));
  const __m128i m5 = _mm_set1_epi16(31), m6 = _mm_set1_epi16(63), c255 = _mm_set1_epi16(255);
  const __m128i zero = _mm_setzero_si128();
  auto chunk = [&](int i, __m128i d) ZERITH_INLINE {
    uint64_t a8;
    std::memcpy(&a8, alpha + i, 8);
    if (a8 == 0) return;
    __m128i* dp = reinterpret_cast<__m128i*>(dst + i);
    const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
    if (a8 == ~uint64_t{0} && copyOpaque) {
      _mm_storeu_si128(dp, s);
      return;
    }
    const __m128i v =
        _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(alpha + i)), zero);
    const __m128i w = _mm_srli_epi16(_mm_mullo_epi16(v, alpha16), 8);
    const __m128i iw = _mm_sub_epi16(c255, w);
    __m128i sr = _mm_srli_epi16(s, 11), sg = _mm_and_si128(_mm_srli_epi16(s, 5), m6),
            sb = _mm_and_si128(s, m5);
    if (tint) {
      sr = _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(sr, mix), kr), 8);
      sg = _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(sg, mix), kg), 8);
      sb = _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(sb, mix), kb), 8);
    }
    const __m128i dr = _mm_srli_epi16(d, 11), dg = _mm_and_si128(_mm_srli_epi16(d, 5), m6),
                  db = _mm_and_si128(d, m5);
    const __m128i r =
        _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(sr, w), _mm_mullo_epi16(dr, iw)), 8);
    const __m128i g =
        _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(sg, w), _mm_mullo_epi16(dg, iw)), 8);
    const __m128i b =
        _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(sb, w), _mm_mullo_epi16(db, iw)), 8);
    __m128i out = _mm_or_si128(_mm_or_si128(_mm_slli_epi16(r, 11), _mm_slli_epi16(g, 5)), b);
    out = Select(_mm_cmpeq_epi16(w, zero), d, out);
    if (copyOpaque) out = Select(_mm_cmpeq_epi16(v, c255), s, out);
    _mm_storeu_si128(dp, out);
  };
  const int last = cols - 8;  // overlapping last chunk, as in the 32-bit loop
  for (int r = 0; r < rows; ++r, dst += dstStride, src += srcStride, alpha += srcStride) {
    PrefetchRow(dst, dstStride, cols, r, rows);
    const __m128i lastD = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst + last));
    for (int i = 0; i < last; i += 8)
      chunk(i, _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst + i)));
    chunk(last, lastD);
  }
}

void FillRow32Sse2(uint32_t* dst, int count, uint32_t color, int alpha) {
  const short a = static_cast<short>(alpha);
  const short kb = static_cast<short>(((color >> 16) & 255u) * alpha);
  const short kg = static_cast<short>(((color >> 8) & 255u) * alpha);
  const short kr = static_cast<short>((color & 255u) * alpha);
  const __m128i kA = _mm_setr_epi16(kb, kg, kr, 0, kb, kg, kr, 0);
  const __m128i ia = _mm_set1_epi16(static_cast<short>(255 - a));
  const __m128i top = _mm_set1_epi32(static_cast<int>(0xFF000000u));
  const __m128i zero = _mm_setzero_si128();
  int i = 0;
  for (; i + 4 <= count; i += 4) {
    __m128i* dp = reinterpret_cast<__m128i*>(dst + i);
    const __m128i d = _mm_loadu_si128(dp);
    const __m128i lo =
        _mm_srli_epi16(_mm_add_epi16(kA, _mm_mullo_epi16(_mm_unpacklo_epi8(d, zero), ia)), 8);
    const __m128i hi =
        _mm_srli_epi16(_mm_add_epi16(kA, _mm_mullo_epi16(_mm_unpackhi_epi8(d, zero), ia)), 8);
    _mm_storeu_si128(dp, Select(top, d, _mm_packus_epi16(lo, hi)));
  }
  FillRow32Plain(dst + i, count - i, color, alpha);
}

void FillRow16Sse2(uint16_t* dst, int count, int alpha) {
  const __m128i a = _mm_set1_epi16(static_cast<short>(alpha));
  const __m128i m5 = _mm_set1_epi16(31), m6 = _mm_set1_epi16(63);
  int i = 0;
  for (; i + 8 <= count; i += 8) {
    __m128i* dp = reinterpret_cast<__m128i*>(dst + i);
    const __m128i d = _mm_loadu_si128(dp);
    const __m128i r = _mm_srli_epi16(_mm_mullo_epi16(_mm_srli_epi16(d, 11), a), 8);
    const __m128i g =
        _mm_srli_epi16(_mm_mullo_epi16(_mm_and_si128(_mm_srli_epi16(d, 5), m6), a), 8);
    const __m128i b = _mm_srli_epi16(_mm_mullo_epi16(_mm_and_si128(d, m5), a), 8);
    _mm_storeu_si128(dp,
                     _mm_or_si128(_mm_or_si128(_mm_slli_epi16(r, 11), _mm_slli_epi16(g, 5)), b));
  }
  FillRow16Plain(dst + i, count - i, alpha);
}

}  // namespace graphics::kernels

#endif
