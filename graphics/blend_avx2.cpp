// graphics/blend_avx2.cpp — 8- and 16-pixel AVX2 loops, chosen at run time when the processor
// has AVX2. Built without -mavx2: only these functions carry the target attribute.
#include "graphics/blend_kernels.hpp"

#if defined(__x86_64__)
#include <immintrin.h>

#include <cstring>

#include "graphics/blend_prefetch.hpp"

#define ZERITH_AVX2 __attribute__((target("avx2")))
#define ZERITH_AVX2_INLINE __attribute__((target("avx2"), always_inline))

namespace graphics::kernels {
namespace {

struct TConsts32x8 {
  __m256i alpha, mix, kMix, top;
  bool tint, copyOpaque;
};

ZERITH_AVX2 inline __m256i Select(__m256i mask, __m256i ifSet, __m256i ifClear) {
  return _mm256_blendv_epi8(ifClear, ifSet, mask);
}

// Same arithmetic as the SSE2 loop: every intermediate fits 16 unsigned bits.
ZERITH_AVX2 inline __m256i Blend4(__m256i s, __m256i d, __m256i v, const TConsts32x8& c) {
  const __m256i w = _mm256_srli_epi16(_mm256_mullo_epi16(v, c.alpha), 8);
  if (c.tint) s = _mm256_srli_epi16(_mm256_add_epi16(_mm256_mullo_epi16(s, c.mix), c.kMix), 8);
  const __m256i iw = _mm256_sub_epi16(_mm256_set1_epi16(255), w);
  return _mm256_srli_epi16(_mm256_add_epi16(_mm256_mullo_epi16(s, w), _mm256_mullo_epi16(d, iw)),
                           8);
}

}  // namespace

ZERITH_AVX2 ZERITH_BLEND_ROWS(BlendRows32Avx2, uint32_t) {
  if (cols < 8) return BlendRows32Sse2(dst, dstStride, src, alpha, srcStride, cols, rows, p);
  TConsts32x8 c;
  c.alpha = _mm256_set1_epi16(static_cast<short>(p.Alpha));
  c.mix = _mm256_set1_epi16(static_cast<short>(p.Mix));
  const int m = 256 - p.Mix;
  const short kb = static_cast<short>(((p.Color >> 16) & 255u) * m);
  const short kg = static_cast<short>(((p.Color >> 8) & 255u) * m);
  const short kr = static_cast<short>((p.Color & 255u) * m);
  c.kMix = _mm256_setr_epi16(kb, kg, kr, 0, kb, kg, kr, 0, kb, kg, kr, 0, kb, kg, kr, 0);
  c.top = _mm256_set1_epi32(static_cast<int>(0xFF000000u));
  c.tint = p.Mix != 0;
  c.copyOpaque = p.Alpha == 255 && p.Mix == 0;
  // Spreads alpha byte j of each 128-bit half to the four bytes of pixel j.
  const __m256i spread = _mm256_setr_epi8(0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4,
                                          4, 5, 5, 5, 5, 6, 6, 6, 6, 7, 7, 7, 7);
  const __m256i zero = _mm256_setzero_si256();
  const __m256i ones = _mm256_set1_epi8(-1);
  // One chunk of 8 pixels at i, blended from the destination pixels d.
  auto chunk = [&](int i, __m256i d) ZERITH_AVX2_INLINE {
    uint64_t a8;
    std::memcpy(&a8, alpha + i, 8);
    if (a8 == 0) return;
    __m256i* dp = reinterpret_cast<__m256i*>(dst + i);
    const __m256i s = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + i));
    if (a8 == ~uint64_t{0} && c.copyOpaque) {
      _mm256_storeu_si256(dp, Select(c.top, d, s));
      return;
    }
    const __m256i vb = _mm256_shuffle_epi8(_mm256_set1_epi64x(static_cast<long long>(a8)), spread);
    const __m256i lo = Blend4(_mm256_unpacklo_epi8(s, zero), _mm256_unpacklo_epi8(d, zero),
                              _mm256_unpacklo_epi8(vb, zero), c);
    const __m256i hi = Blend4(_mm256_unpackhi_epi8(s, zero), _mm256_unpackhi_epi8(d, zero),
                              _mm256_unpackhi_epi8(vb, zero), c);
    __m256i out = _mm256_packus_epi16(lo, hi);
    if (c.copyOpaque) out = Select(_mm256_cmpeq_epi8(vb, ones), s, out);
    const __m256i keep = _mm256_or_si256(_mm256_cmpeq_epi8(vb, zero), c.top);
    _mm256_storeu_si256(dp, Select(keep, d, out));
  };
  // The last chunk of a row overlaps the one before; it is blended from the destination as
  // it was before the row was drawn, so the overlap gets the same values twice.
  const int last = cols - 8;
  for (int r = 0; r < rows; ++r, dst += dstStride, src += srcStride, alpha += srcStride) {
    PrefetchRow(dst, dstStride, cols, r, rows);
    const __m256i lastD = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(dst + last));
    for (int i = 0; i < last; i += 8)
      chunk(i, _mm256_loadu_si256(reinterpret_cast<const __m256i*>(dst + i)));
    chunk(last, lastD);
  }
}

ZERITH_AVX2 ZERITH_BLEND_ROWS(BlendRows16Avx2, uint16_t) {
  if (cols < 16) return BlendRows16Sse2(dst, dstStride, src, alpha, srcStride, cols, rows, p);
  const bool copyOpaque = p.Alpha == 255 && p.Mix == 0;
  const bool tint = p.Mix != 0 && p.Mix != 255;
  const int m = 256 - p.Mix;
  const __m256i alpha16 = _mm256_set1_epi16(static_cast<short>(p.Alpha));
  const __m256i mix = _mm256_set1_epi16(static_cast<short>(p.Mix));
  const __m256i kr = _mm256_set1_epi16(static_cast<short>(((p.Color & 255u) >> 3) * m));
  const __m256i kg = _mm256_set1_epi16(static_cast<short>(((p.Color >> 10) & 63u) * m));
  const __m256i kb = _mm256_set1_epi16(static_cast<short>(((p.Color >> 19) & 31u) * m));
  const __m256i m5 = _mm256_set1_epi16(31), m6 = _mm256_set1_epi16(63);
  const __m256i c255 = _mm256_set1_epi16(255), zero = _mm256_setzero_si256();
  auto chunk = [&](int i, __m256i d) ZERITH_AVX2_INLINE {
    uint64_t a16[2];
    std::memcpy(a16, alpha + i, 16);
    if ((a16[0] | a16[1]) == 0) return;
    __m256i* dp = reinterpret_cast<__m256i*>(dst + i);
    const __m256i s = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + i));
    if ((a16[0] & a16[1]) == ~uint64_t{0} && copyOpaque) {
      _mm256_storeu_si256(dp, s);
      return;
    }
    const __m256i v =
        _mm256_cvtepu8_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(alpha + i)));
    const __m256i w = _mm256_srli_epi16(_mm256_mullo_epi16(v, alpha16), 8);
    const __m256i iw = _mm256_sub_epi16(c255, w);
    __m256i sr = _mm256_srli_epi16(s, 11), sg = _mm256_and_si256(_mm256_srli_epi16(s, 5), m6),
            sb = _mm256_and_si256(s, m5);
    if (tint) {
      sr = _mm256_srli_epi16(_mm256_add_epi16(_mm256_mullo_epi16(sr, mix), kr), 8);
      sg = _mm256_srli_epi16(_mm256_add_epi16(_mm256_mullo_epi16(sg, mix), kg), 8);
      sb = _mm256_srli_epi16(_mm256_add_epi16(_mm256_mullo_epi16(sb, mix), kb), 8);
    }
    const __m256i dr = _mm256_srli_epi16(d, 11), dg = _mm256_and_si256(_mm256_srli_epi16(d, 5), m6),
                  db = _mm256_and_si256(d, m5);
    const __m256i r = _mm256_srli_epi16(
        _mm256_add_epi16(_mm256_mullo_epi16(sr, w), _mm256_mullo_epi16(dr, iw)), 8);
    const __m256i g = _mm256_srli_epi16(
        _mm256_add_epi16(_mm256_mullo_epi16(sg, w), _mm256_mullo_epi16(dg, iw)), 8);
    const __m256i b = _mm256_srli_epi16(
        _mm256_add_epi16(_mm256_mullo_epi16(sb, w), _mm256_mullo_epi16(db, iw)), 8);
    __m256i out =
        _mm256_or_si256(_mm256_or_si256(_mm256_slli_epi16(r, 11), _mm256_slli_epi16(g, 5)), b);
    out = Select(_mm256_cmpeq_epi16(w, zero), d, out);
    if (copyOpaque) out = Select(_mm256_cmpeq_epi16(v, c255), s, out);
    _mm256_storeu_si256(dp, out);
  };
  const int last = cols - 16;  // overlapping last chunk, as in the 32-bit loop
  for (int r = 0; r < rows; ++r, dst += dstStride, src += srcStride, alpha += srcStride) {
    PrefetchRow(dst, dstStride, cols, r, rows);
    const __m256i lastD = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(dst + last));
    for (int i = 0; i < last; i += 16)
      chunk(i, _mm256_loadu_si256(reinterpret_cast<const __m256i*>(dst + i)));
    chunk(last, lastD);
  }
}

}  // namespace graphics::kernels

#endif
