// fuzz/path_script_fuzz.cpp — any text as a path script: building the path, smoothing it and
// sampling it along its whole time.
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_support.hpp"
#include "fx/piecewise_func.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  fx::TOrlPiecewiseFunc path;
  path.SetScript(fuzz::Text(bytes, size));
  int64_t sum = 0;
  for (const fx::TPiece& piece : path.Pieces()) sum += piece.Duration;
  if (sum != path.TotalTime()) __builtin_trap();
  const uint32_t end = static_cast<uint32_t>(path.TotalTime());
  for (uint32_t t : {0u, 1u, end / 3, end / 2, end, end + 1, 0xFFFFFFFFu}) (void)path.GetValue(t);
  if (path.PointCount() > 0) path.SmoothPoint(1, false, false, 0.5f, 0.5f, 1.0f, 1.0f);
  return 0;
}
